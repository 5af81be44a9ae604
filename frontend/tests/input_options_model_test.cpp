#include <gtest/gtest.h>

#include "input/options_model.h"
#include "messages/recording_sink.h"

namespace kartovex {
namespace {

TEST(OptionsModelOpen, SelectsFromTheSettings) {
  FrontEndSettings s;
  s.fieldOrder = "NE";
  s.delimiter = std::string(" ");
  s.extraText = true;
  s.displayExtraText = false;
  OptionsModel m;
  m.Open(s);
  EXPECT_TRUE(m.optNE());
  EXPECT_EQ(m.delimiterOption(), DelimiterOption::Space);
  EXPECT_TRUE(m.optTextYES());
  EXPECT_FALSE(m.optDisplayYes());
}

TEST(OptionsModelOpen, TabReopensAsOther) {
  FrontEndSettings s;
  OptionsModel m;
  m.Open(s);
  m.ClickTab();
  RecordingSink sink;
  MessageService messages(s, sink);
  ASSERT_TRUE(m.Ok(s, messages));
  EXPECT_EQ(s.delimiter, "\t");
  OptionsModel again;
  again.Open(s);
  EXPECT_EQ(again.delimiterOption(), DelimiterOption::Other);
  EXPECT_EQ(again.txtDelimeter(), "\t");
}

TEST(OptionsModelOpen, CaptionsByLanguage) {
  FrontEndSettings s;
  OptionsModel m;
  m.Open(s);
  EXPECT_EQ(m.caption("window"), "Input Text File Options");
  EXPECT_EQ(m.caption("optEN"), " Pt,East,North");
  s.language = Language::French;
  m.Open(s);
  EXPECT_EQ(m.caption("window"), "Options du fichier-texte");
  EXPECT_EQ(m.caption("optTabDeliminter"), "Tab");
  EXPECT_EQ(m.caption("frmORDER"), "Choisir la séquence des données");
  // Captions are English only for "ENGLISH".
  s.language = LanguageFromText("SPANISH");
  m.Open(s);
  EXPECT_EQ(m.caption("comCANCEL"), "Abandon");
}

TEST(OptionsModelOk, OtherWithoutDelimiterIsRefused) {
  FrontEndSettings s;
  s.delimiter = std::string(";");
  OptionsModel m;
  m.Open(s);
  m.ClickOther();
  m.ClickNE();
  RecordingSink sink;
  MessageService messages(s, sink);
  EXPECT_FALSE(m.Ok(s, messages));
  EXPECT_TRUE(m.delimiterHasFocus());
  EXPECT_FALSE(m.closed());
  EXPECT_EQ(s.delimiter, ";");
  EXPECT_EQ(s.fieldOrder, "EN");
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "No Delimeter Specified");
  EXPECT_EQ(sink.messages[0].text,
            "You have chosen 'Other' as your delimeter.  Therefore, you must also specify (type) "
            "the actual delimeter in the space provided.");
}

TEST(OptionsModelOk, FrenchRefusal) {
  FrontEndSettings s;
  s.language = Language::French;
  OptionsModel m;
  m.Open(s);
  m.ClickOther();
  RecordingSink sink;
  MessageService messages(s, sink);
  EXPECT_FALSE(m.Ok(s, messages));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "Choisir un caractère délimitant les données");
  EXPECT_EQ(sink.messages[0].text,
            "Vous avez sélectionné 'Autre' comme séparateur, alors vous devezspécifié le "
            "caractère utilisé dans l'espace prévu.");
}

TEST(OptionsModelOk, StoresAllFourOptions) {
  FrontEndSettings s;
  OptionsModel m;
  m.Open(s);
  m.ClickOther();
  m.TypeDelimiter(";");
  m.ClickNE();
  m.ClickTextYES(true);
  m.ClickDisplayYes(true);
  RecordingSink sink;
  MessageService messages(s, sink);
  ASSERT_TRUE(m.Ok(s, messages));
  EXPECT_TRUE(m.closed());
  EXPECT_EQ(s.fieldOrder, "NE");
  EXPECT_EQ(s.delimiter, ";");
  EXPECT_TRUE(s.extraText);
  EXPECT_TRUE(s.displayExtraText);
  EXPECT_TRUE(sink.messages.empty());
}

TEST(OptionsModelCancel, StoresNothing) {
  FrontEndSettings s;
  OptionsModel m;
  m.Open(s);
  m.ClickSpace();
  m.ClickNE();
  m.Cancel();
  EXPECT_TRUE(m.closed());
  EXPECT_EQ(s.delimiter, ",");
  EXPECT_EQ(s.fieldOrder, "EN");
}

TEST(OptionsModelClicks, DelimiterButtonsFillTheBox) {
  FrontEndSettings s;
  s.delimiter = std::string(";");
  OptionsModel m;
  m.Open(s);
  EXPECT_EQ(m.delimiterOption(), DelimiterOption::Other);
  EXPECT_EQ(m.txtDelimeter(), ";");
  m.ClickComma();
  EXPECT_EQ(m.txtDelimeter(), ",");
  m.ClickSpace();
  EXPECT_EQ(m.txtDelimeter(), " ");
  m.ClickOther();
  EXPECT_EQ(m.txtDelimeter(), "");
}

}  // namespace
}  // namespace kartovex
