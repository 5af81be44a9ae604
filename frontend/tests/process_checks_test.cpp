// PROCESS step 2: every refusal with its message in both languages, before
// anything is deleted or run.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "mainwindow/process_checks.h"
#include "process_fixture.h"

namespace kartovex::testing {
namespace {

struct RefusalCase {
  const char* name;
  std::function<void(ProcessTest&)> arrange;
  const char* titleEn;
  const char* textEn;
  const char* titleFr;
  const char* textFr;
};

class ProcessRefusals : public ProcessTest,
                        public ::testing::WithParamInterface<std::tuple<RefusalCase, bool>> {};

const char* kMissingEn = "Required Info Missing";
const char* kMissingFr = "L'information nécessaire n'est pas disponible";

void chooseUpToToForm(ProcessTest& t, int steps) {
  auto& c = t.model().choices();
  if (steps > 0) c.chooseFromDatum(Datum::NAD27);
  if (steps > 1) c.chooseFromForm(CoordForm::LL);
  if (steps > 2) c.chooseToDatum(Datum::ATS77);
  if (steps > 3) c.chooseToForm(CoordForm::EN);
}

const RefusalCase kCases[] = {
    {"DelimiterIsDecimalSeparator",
     [](ProcessTest& t) {
       t.chooseTypicalRun();
       SetDecimalSeparatorOverride(std::string(","));
       t.settings.decimalSeparator = ",";
       t.settings.delimiter = ",";
     },
     "Required Info Missing",
     "Delimeter is same as windows decimal separator. Please change Delimeter!",
     "L'information nécessaire n'est pas disponible",
     "Le séparateur est le même que celui de Windows, S.V.P. en choisir un différent!"},
    {"DataFileIsInputFile",
     [](ProcessTest& t) {
       t.chooseTypicalRun("RESULT.TXT");
       auto& c = t.model().choices();
       c.setReportFile(true);
       c.typeReportFile(t.settings.inputDir + "result.rep");
       c.setDataFile(true);
     },
     "Invalid File Name",
     "You cannot have an output data file name which matches the input text file name!",
     "Nom de fichier est non valable",
     "Vous ne pouvez avoir un fichier de sortie avec un nom identique au fichier d'entrée! "},
    {"ReportFileIsInputFile",
     [](ProcessTest& t) {
       std::string input = t.chooseTypicalRun("POINTS.REP");
       auto& c = t.model().choices();
       c.setReportFile(true);
       c.typeReportFile(input);
     },
     "Invalid File Name",
     "You cannot have a report file name which matches the input text file name!",
     "Nom de fichier est non valable",
     "Vous ne pouvez avoir un fichier rapport avec un nom identique au fichier d'entrée! "},
    {"AccuracyFileIsInputFile",
     [](ProcessTest& t) {
       t.chooseTypicalRun("POINTS.ACC");
       auto& c = t.model().choices();
       c.setReportFile(true);
       c.typeReportFile(t.settings.inputDir + "POINTS.REP");
       c.setAccuracyFile(true);
     },
     "Invalid File Name",
     "You cannot have an accuracy file name which matches the input text file name!",
     "Nom de fichier est non valable",
     "Vous ne pouvez avoir un fichier de précision avec un nom identique au fichier d'entrée! "},
    {"NoFromDatum", [](ProcessTest& t) { chooseUpToToForm(t, 0); }, kMissingEn,
     "From DATUM must be chosen before processing!", kMissingFr,
     "Choisir le Système de référence géodésique dans la section 'Provient de' avant de "
     "continuer!"},
    {"NoFromForm", [](ProcessTest& t) { chooseUpToToForm(t, 1); }, kMissingEn,
     "From COORD must be chosen before processing!", kMissingFr,
     "Choisir les Coord dans la section 'Provient de' avant de continuer!"},
    {"NoToDatum", [](ProcessTest& t) { chooseUpToToForm(t, 2); }, kMissingEn,
     "To DATUM must be chosen before processing!", kMissingFr,
     "Choisir le Système de référence géodésique dans la section 'Vers' avant de continuer!"},
    {"NoToForm", [](ProcessTest& t) { chooseUpToToForm(t, 3); }, kMissingEn,
     "To COORD must be chosen before processing!", kMissingFr,
     "Choisir les Coord dans la section 'Vers' avant de continuer!"},
    {"NoInputChosen", [](ProcessTest& t) { chooseUpToToForm(t, 4); }, kMissingEn,
     "Input From Keyboard or Input From File must be chosen before processing!", kMissingFr,
     "Compléter les données au clavier ou faire la sélection du fichier de données avant de "
     "continuer!"},
    {"KeyboardWithoutEntry",
     [](ProcessTest& t) {
       chooseUpToToForm(t, 4);
       t.model().choices().setInputFromKeyboard(true);
     },
     kMissingEn, "Keyboard Input must be entered before processing!", kMissingFr,
     "Compléter les données au clavier avant de continuer!"},
    {"FileWithoutName",
     [](ProcessTest& t) {
       chooseUpToToForm(t, 4);
       t.model().choices().setInputFromFile(true);
     },
     kMissingEn, "An Input File name must be entered before processing!", kMissingFr,
     "Choisir le nom du fichier de données avant de continuer!"},
    {"FileMissing",
     [](ProcessTest& t) {
       chooseUpToToForm(t, 4);
       t.model().choices().setInputFromFile(true);
       t.model().choices().typeInputFile(t.settings.inputDir + "NOTHERE.TXT");
     },
     kMissingEn, "The specified Input File does not exist!", kMissingFr,
     "Le fichier spécifié n'existe pas!"},
    {"ReportWithoutName",
     [](ProcessTest& t) {
       t.chooseTypicalRun();
       t.model().choices().setReportFile(true);
     },
     kMissingEn, "A Report File name must be entered before processing!", kMissingFr,
     "Choisir le nom du fichier de rapport avant de continuer!"},
    {"ReportNotRep",
     [](ProcessTest& t) {
       t.chooseTypicalRun();
       t.model().choices().setReportFile(true);
       t.model().choices().typeReportFile(t.settings.outputDir + "RESULT.OUT");
     },
     kMissingEn, "The specified Report File is invalid (must be *.REP)!", kMissingFr,
     "Le fichier de rapport proposé n'est pas acceptable (doit-être *.REP)!"},
};

TEST_P(ProcessRefusals, RefusesWithItsMessageAndTouchesNothing) {
  const auto& [k, french] = GetParam();
  settings.language = french ? Language::French : Language::English;
  WriteFile(settings.binDir + "OLD.DAT", "x");
  WriteFile(settings.workDir + "OLD.REP", "x");
  k.arrange(*this);
  EXPECT_EQ(model().Process(), ProcessResult::Refused);
  ASSERT_EQ(sink.messages.size(), 1u) << allMessages();
  EXPECT_EQ(sink.messages[0].kind, RecordedMessage::Kind::Critical);
  EXPECT_EQ(sink.messages[0].title, french ? k.titleFr : k.titleEn);
  // The fixed sentence first; a clash of names adds the files on lines of their own.
  const std::string expected = french ? k.textFr : k.textEn;
  const std::string& text = sink.messages[0].text;
  EXPECT_EQ(text.substr(0, expected.size()), expected);
  if (text.size() > expected.size()) {
    EXPECT_EQ(text[expected.size()], '\n') << text;
  }
  EXPECT_EQ(model().resultsLabel(),
            french ? "La transformation est INCOMPLÈTE !" : "The conversion was NOT completed !");
  EXPECT_TRUE(model().choices().comPROCESS.enabled);
  EXPECT_FALSE(sink.busy);
  EXPECT_EQ(dispatchCalls, 0);
  EXPECT_TRUE(Exists(settings.binDir + "OLD.DAT")) << "refused before anything is deleted";
  EXPECT_TRUE(Exists(settings.workDir + "OLD.REP"));
}

INSTANTIATE_TEST_SUITE_P(AllChecks, ProcessRefusals,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "_French" : "_English");
                         });

TEST_F(ProcessTest, CommaDelimiterIsAcceptedWithAPointSeparator) {
  chooseTypicalRun();
  settings.decimalSeparator = ".";
  settings.delimiter = ",";
  EXPECT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
}

TEST_F(ProcessTest, InputNameIsComparedIgnoringCase) {
  chooseTypicalRun("result.txt");
  auto& c = model().choices();
  c.setReportFile(true);
  c.typeReportFile(settings.inputDir + "Result.Rep");
  c.setDataFile(true);
  EXPECT_EQ(model().Process(), ProcessResult::Refused);
  EXPECT_TRUE(hasMessage(
      "Invalid File Name",
      "You cannot have an output data file name which matches the input text file name!\n"
      "Input file: " +
          settings.inputDir +
          "result.txt\n"
          "Output file: " +
          settings.inputDir + "Result.TXT"))
      << allMessages();
  EXPECT_TRUE(Exists(settings.inputDir + "result.txt"));
}

TEST_F(ProcessTest, SameNameInAnotherDirectoryIsAnotherFile) {
  chooseTypicalRun("RESULT.TXT");
  auto& c = model().choices();
  c.setReportFile(true);
  c.typeReportFile(settings.outputDir + "RESULT.REP");
  c.setDataFile(true);
  EXPECT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
}

TEST(ProcessCheckOrder, FileNamesAreCheckedBeforeTheChoices) {
  ProcessRequest request;  // nothing chosen
  RunFileNames names{"/d/A.TXT", "/d/A.REP", "/d/A.TXT", ""};
  auto refusal = CheckRequest(request, names);
  ASSERT_TRUE(refusal);
  EXPECT_STREQ(refusal->title.en, "Invalid File Name");
}

}  // namespace
}  // namespace kartovex::testing
