#include "messages/messages.h"

#include <gtest/gtest.h>

#include "messages/recording_sink.h"
#include "platform_temp_dir.h"

namespace kartovex {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;
using Kind = RecordedMessage::Kind;

TEST(LanguageRuleTest, MessagesFrenchOnlyForFrenchCaptionsEnglishOnlyForEnglish) {
  Text t{"Yes", "Oui"};
  EXPECT_EQ(pick(t, Language::English), "Yes");
  EXPECT_EQ(pick(t, Language::French), "Oui");
  EXPECT_EQ(pick(t, LanguageFromText("-1")), "Yes");
  EXPECT_EQ(pick(t, LanguageFromText("French")), "Yes");
  EXPECT_EQ(pickCaption(t, Language::English), "Yes");
  EXPECT_EQ(pickCaption(t, Language::French), "Oui");
  EXPECT_EQ(pickCaption(t, LanguageFromText("-1")), "Oui");
  EXPECT_EQ(pickCaption(t, LanguageFromText("")), "Oui");
  EXPECT_TRUE(MessagesInFrench(Language::French));
  EXPECT_FALSE(CaptionsInEnglish(LanguageFromText("english")));
}

class MessageServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings.workDir = dir.path();
    messages.setDateSource([] { return std::string("12/07/2026"); });
  }
  TempDir dir;
  FrontEndSettings settings;
  RecordingSink sink;
  MessageService messages{settings, sink};
};

TEST_F(MessageServiceTest, ProcedureErrorInEachLanguageRestoresThePointerFirst) {
  sink.setBusyPointer(true);
  messages.ReportProcedureError("ProcessCombo25");
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].kind, Kind::Critical);
  EXPECT_EQ(sink.messages[0].title, "ERROR");
  EXPECT_EQ(sink.messages[0].text, "ProcessCombo25: An error occurred while processing your data!");
  EXPECT_FALSE(sink.busy);
  settings.language = Language::French;
  messages.ReportProcedureError("ProcessCombo25");
  EXPECT_EQ(sink.messages[1].title, "ERREUR");
  EXPECT_EQ(sink.messages[1].text,
            "ProcessCombo25: Une erreur s'est produite durant le traitement!");
}

TEST_F(MessageServiceTest, EveryProcedureKindHasItsEnding) {
  struct Case {
    ProcedureKind kind;
    const char* en;
    const char* fr;
  } cases[] = {
      {ProcedureKind::Reformatting, "P: An error occurred while reformatting your data!",
       "P: Une erreur s'est produite durant le traitement!"},
      {ProcedureKind::WritingText, "P: An error occurred while writing your output text file!",
       "P: Une erreur s'est produite durant la sauvegarde du fichier de sortie!"},
      {ProcedureKind::WritingReport, "P: An error occurred while writing your output report file!",
       "P: Une erreur s'est produite durant la sauvegarde du fichier de sortie!"},
      {ProcedureKind::ReadingExtents, "P: An error occurred while reading the extents!",
       "P: Une erreur s'est produite durant le traitement!"},
      {ProcedureKind::CommittingEntry, "P: An error occurred while committing the entry!",
       "P: Une erreur s'est introduite lors de la soumission des données!"},
  };
  for (const auto& c : cases) {
    settings.language = Language::English;
    messages.ReportProcedureError("P", c.kind);
    EXPECT_EQ(sink.messages.back().text, c.en);
    settings.language = Language::French;
    messages.ReportProcedureError("P", c.kind);
    EXPECT_EQ(sink.messages.back().text, c.fr);
  }
}

TEST_F(MessageServiceTest, AnyOtherLanguageGivesEnglishMessages) {
  settings.language = LanguageFromText("-1");
  messages.critical(titles::kFileError, Text{"Could not delete old BIN files.",
                                             "Incapable de supprimer les anciens fichiers BIN."});
  EXPECT_EQ(sink.messages[0].title, "File Error");
  EXPECT_EQ(sink.messages[0].text, "Could not delete old BIN files.");
}

TEST_F(MessageServiceTest, QuestionsPassTheirKindAndAnswer) {
  sink.answers = {false, true};
  EXPECT_FALSE(messages.askYesNoCritical("FATAL ERROR", "q1"));
  EXPECT_TRUE(messages.askYesNo("t", "q2"));
  EXPECT_EQ(sink.messages[0].kind, Kind::QuestionCritical);
  EXPECT_EQ(sink.messages[1].kind, Kind::Question);
}

TEST_F(MessageServiceTest, LogFilesWithLoggingOn) {
  settings.extentLogging = true;
  ASSERT_TRUE(messages.OpenLogFiles());
  messages.ReportRejectedPoint(7, "Point out of extents", "Extents", "P7,100.0,200.0");
  messages.ReportRejectedPoint(12, "Second", "T2", "P12 line");
  messages.CloseLogFiles();
  EXPECT_TRUE(sink.messages.empty());
  std::string tilde54(54, '~'), tilde62(62, '~');
  EXPECT_EQ(ReadFile(dir / "kartovex.log"), "\n" + tilde54 + "\n12/07/2026\n" + tilde54 +
                                                "\n[ 7]Point out of extents\n       Extents\n"
                                                "[ 12]Second\n       T2\n" +
                                                tilde62 + "\n");
  EXPECT_EQ(ReadFile(dir / "kartovex.err"),
            tilde54 + "\nP7,100.0,200.0\nP12 line\n" + tilde62 + "\n");
}

TEST_F(MessageServiceTest, FilesAreReplacedAtEveryOpen) {
  settings.extentLogging = true;
  ASSERT_TRUE(messages.OpenLogFiles());
  messages.ReportRejectedPoint(1, "m", "t", "old");
  messages.CloseLogFiles();
  ASSERT_TRUE(messages.OpenLogFiles());
  messages.CloseLogFiles();
  EXPECT_EQ(ReadFile(dir / "kartovex.err").find("old"), std::string::npos);
}

TEST_F(MessageServiceTest, OpeningTwiceFailsAndClosesBoth) {
  settings.extentLogging = true;
  ASSERT_TRUE(messages.OpenLogFiles());
  EXPECT_FALSE(messages.OpenLogFiles());
  EXPECT_FALSE(messages.logFilesOpen());
  EXPECT_TRUE(messages.OpenLogFiles());
}

TEST_F(MessageServiceTest, OpeningInAMissingDirectoryFails) {
  settings.extentLogging = true;
  settings.workDir = dir / "none/";
  EXPECT_FALSE(messages.OpenLogFiles());
  EXPECT_FALSE(messages.logFilesOpen());
}

TEST_F(MessageServiceTest, LoggingOffCreatesNoFilesAndShowsEachPoint) {
  settings.extentLogging = false;
  EXPECT_TRUE(messages.OpenLogFiles());
  messages.ReportRejectedPoint(3, "Outside", "Extent Error", "line");
  messages.CloseLogFiles();
  EXPECT_FALSE(testing::Exists(dir / "kartovex.log"));
  EXPECT_FALSE(testing::Exists(dir / "kartovex.err"));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].kind, Kind::Critical);
  EXPECT_EQ(sink.messages[0].title, "Extent Error");
  EXPECT_EQ(sink.messages[0].text, "Outside");
}

TEST_F(MessageServiceTest, WriteLogLineOnlyWhileOpen) {
  settings.extentLogging = true;
  messages.WriteLogLine("before");
  ASSERT_TRUE(messages.OpenLogFiles());
  messages.WriteLogLine("3 lines after line 10 were not read");
  messages.CloseLogFiles();
  std::string log = ReadFile(dir / "kartovex.log");
  EXPECT_EQ(log.find("before"), std::string::npos);
  EXPECT_NE(log.find("\n3 lines after line 10 were not read\n"), std::string::npos);
}

TEST_F(MessageServiceTest, DateSourceDefaultsToTheLocalDate) {
  std::string date = CurrentDateText();
  ASSERT_EQ(date.size(), 10u);
  EXPECT_EQ(date[2], '/');
  EXPECT_EQ(date[5], '/');
}

}  // namespace
}  // namespace kartovex
