// Names on a case-sensitive system: results named as typed, the input file
// as it exists, and a clash with the input's name (ignoring case) refused
// with both files named.

#include <gtest/gtest.h>

#include "mainwindow/run_file_names.h"
#include "process_fixture.h"

namespace kartovex::testing {
namespace {

TEST(NamesAsTyped, ResultsKeepTheTypedCase) {
  FrontEndSettings s;
  s.workDir = "/w/";
  RunFileNames n = MakeRunFileNames(s, {false, "", true, "/o/out.rep", true, true});
  EXPECT_EQ(n.reportFile, "/o/out.rep");
  EXPECT_EQ(n.dataFile, "/o/out.txt");
  EXPECT_EQ(n.accuracyFile, "/o/out.acc");
  n = MakeRunFileNames(s, {false, "", true, "/o/Mixed.REP", true, true});
  EXPECT_EQ(n.reportFile, "/o/Mixed.REP");
  EXPECT_EQ(n.dataFile, "/o/Mixed.TXT");
  EXPECT_EQ(n.accuracyFile, "/o/Mixed.ACC");
}

TEST(NamesAsTyped, ExtensionFollowsTheCaseOfTheReports) {
  EXPECT_EQ(ReplaceExtension("a.rep", "TXT"), "a.txt");
  EXPECT_EQ(ReplaceExtension("A.REP", "TXT"), "A.TXT");
  EXPECT_EQ(ReplaceExtension("a.Rep", "ACC"), "a.ACC");
  EXPECT_EQ(InCaseOf("points", ".TXT"), ".txt");
  EXPECT_EQ(InCaseOf("Points", ".TXT"), ".TXT");
}

TEST_F(ProcessTest, ReportIsWrittenUnderTheTypedName) {
  chooseTypicalRun();
  auto& c = model().choices();
  c.setReportFile(true);
  c.typeReportFile(settings.outputDir + "out.rep");
  ASSERT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
  EXPECT_EQ(seen.reportFile, settings.outputDir + "out.rep");
  EXPECT_EQ(model().reportFile(), settings.outputDir + "out.rep");
}

TEST_F(ProcessTest, InputThatDiffersOnlyByCaseIsNamedAsItExists) {
  WriteFile(settings.inputDir + "Mixed_Pts.txt", "P1,45,30,0,66,30,0\n");
  chooseTypicalRun("unused.txt");
  model().choices().typeInputFile(settings.inputDir + "mixed_pts.TXT");
  ASSERT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
  EXPECT_EQ(seen.inputFile, settings.inputDir + "Mixed_Pts.txt");
}

TEST_F(ProcessTest, MissingInputKeepsTheTypedName) {
  FrontEndSettings s;
  RunFileNames n =
      MakeRunFileNames(s, {true, settings.inputDir + "nothere.txt", false, "", false, false});
  EXPECT_EQ(n.inputFile, settings.inputDir + "nothere.txt");
}

TEST_F(ProcessTest, ClashIgnoringCaseNamesBothFilesInFrench) {
  settings.language = Language::French;
  chooseTypicalRun("points.txt");
  auto& c = model().choices();
  c.setReportFile(true);
  c.typeReportFile(settings.inputDir + "POINTS.REP");
  c.setDataFile(true);
  EXPECT_EQ(model().Process(), ProcessResult::Refused);
  EXPECT_TRUE(hasMessage(
      "Nom de fichier est non valable",
      "Vous ne pouvez avoir un fichier de sortie avec un nom identique au fichier d'entrée! \n"
      "Fichier d'entrée : " +
          settings.inputDir +
          "points.txt\n"
          "Fichier de sortie : " +
          settings.inputDir + "POINTS.TXT"))
      << allMessages();
  EXPECT_EQ(dispatchCalls, 0);
}

}  // namespace
}  // namespace kartovex::testing
