// The file names of a run and the removal of the previous run's files.

#include <gtest/gtest.h>

#include "mainwindow/remove_old_run_files.h"
#include "mainwindow/run_file_names.h"
#include "process_fixture.h"

namespace kartovex::testing {
namespace {

TEST(ProcessFileNames, ReportWithDataAndAccuracy) {
  FrontEndSettings s;
  s.workDir = "/w/";
  ReportBoxes boxes{true, "/in/points.txt", true, "/Out/result.rep", true, true};
  RunFileNames n = MakeRunFileNames(s, boxes);
  EXPECT_EQ(n.inputFile, "/in/points.txt") << "no such file: kept as typed";
  EXPECT_EQ(n.reportFile, "/Out/result.rep") << "named as typed";
  EXPECT_EQ(n.dataFile, "/Out/result.txt");
  EXPECT_EQ(n.accuracyFile, "/Out/result.acc");
}

TEST(ProcessFileNames, ReportWithoutDataBoxWritesOutputTxt) {
  FrontEndSettings s;
  s.workDir = "/w/";
  RunFileNames n = MakeRunFileNames(s, {true, "/in/a.txt", true, "/o/R.REP", false, false});
  EXPECT_EQ(n.dataFile, "/w/OUTPUT.TXT");
  EXPECT_EQ(n.accuracyFile, "");
}

TEST(ProcessFileNames, NoReportWritesOutputRepAndTxt) {
  FrontEndSettings s;
  s.workDir = "/w/";
  RunFileNames n = MakeRunFileNames(s, {false, "", false, "", true, true});
  EXPECT_EQ(n.inputFile, "");
  EXPECT_EQ(n.reportFile, "/w/OUTPUT.REP");
  EXPECT_EQ(n.dataFile, "/w/OUTPUT.TXT");
  EXPECT_EQ(n.accuracyFile, "");
}

TEST(ProcessFileNames, SameFileName) {
  EXPECT_TRUE(SameFileName("/a/b/X.TXT", "/a/b/x.txt"));
  EXPECT_TRUE(SameFileName("/a/./b/X.TXT", "/a/b/X.TXT"));
  EXPECT_FALSE(SameFileName("/a/b/X.TXT", "/a/c/X.TXT"));
  EXPECT_FALSE(SameFileName("", ""));
  EXPECT_EQ(ReplaceLastThree("R.REP", "TXT"), "R.TXT");
}

TEST_F(ProcessTest, FileRunPassesTheNamesToTheRoute) {
  std::string input = chooseTypicalRun("points.txt");
  auto& c = model().choices();
  c.setReportFile(true);
  c.typeReportFile(settings.outputDir + "result.rep");
  c.setDataFile(true);
  ASSERT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
  // Every name as typed.
  EXPECT_EQ(seen.inputFile, settings.inputDir + "points.txt");
  EXPECT_EQ(seen.reportFile, settings.outputDir + "result.rep");
  EXPECT_EQ(seen.dataFile, settings.outputDir + "result.txt");
  EXPECT_EQ(seen.fromDatum, Datum::NAD27);
  EXPECT_EQ(seen.toForm, CoordForm::EN);
  EXPECT_EQ(seen.modulesLine, "*    Modules: ");
  EXPECT_EQ(seen.zoneRemark, "Using default zone specified by the user ");
}

TEST_F(ProcessTest, UtmFileRunTakesTheZoneFromTheFile) {
  settings.utmZone = settings.utmZoneSetting = UtmZone::Zone20;
  std::string input = settings.inputDir + "UTM.TXT";
  WriteFile(input, "P1,500000,5000000,20\n");
  auto& c = model().choices();
  c.chooseFromDatum(Datum::NAD27);
  c.chooseFromForm(CoordForm::XY);
  c.chooseToDatum(Datum::ATS77);
  c.chooseToForm(CoordForm::EN);
  c.setInputFromFile(true);
  c.typeInputFile(input);
  ASSERT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
  EXPECT_EQ(seen.utmZone, "");
  EXPECT_EQ(seen.zoneRemark, "Using zone from input file ");
  EXPECT_EQ(settings.utmZoneSetting, UtmZone::Zone20)
      << "the chosen zone is kept for the configuration file";
}

TEST_F(ProcessTest, FileRunRemovesOldWorkFilesByNameButNeverTheInputFile) {
  std::string input = settings.workDir + "POINTS.TXT";
  WriteFile(input, "P1,45,30,0,66,30,0\n");
  WriteFile(settings.workDir + "INPUT.TXT", "keyboard");
  for (const char* f : {"RUN1.BAT", "TRAN_IN.TXT", "INPUT.DAT", "ORVANDEL.OUT", "POINTS.NEW",
                        "POINTS.LIS", "POINTS.MIS", "RUN1.CON"})
    WriteFile(settings.binDir + f, "old");
  for (const char* f : {"X.NEW", "X.LIS", "X.MIS", "NOTES.TXT"})
    WriteFile(settings.binDir + f, "user");
  WriteFile(settings.binDir + "RUN1.PIF", "RUN1.BAT\n");
  for (const char* f : {"INPUT1.DAT", "RUNNING.TXT"}) WriteFile(settings.workDir + f, "old");
  for (const char* f : {"OLD.REP", "OUTPUT.TXT", "CTL.DAT"})
    WriteFile(settings.workDir + f, "user");
  WriteFile(settings.workDir + "kartovex.log", "log");
  auto& c = model().choices();
  c.chooseFromDatum(Datum::NAD27);
  c.chooseFromForm(CoordForm::LL);
  c.chooseToDatum(Datum::ATS77);
  c.chooseToForm(CoordForm::EN);
  c.setInputFromFile(true);
  c.typeInputFile(settings.workDir + "points.txt");
  ASSERT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
  EXPECT_TRUE(Exists(input));
  EXPECT_TRUE(Exists(settings.workDir + "INPUT.TXT")) << "the keyboard file is never deleted";
  for (const char* f : {"RUN1.BAT", "TRAN_IN.TXT", "INPUT.DAT", "ORVANDEL.OUT", "POINTS.NEW",
                        "POINTS.LIS", "POINTS.MIS", "RUN1.CON"})
    EXPECT_FALSE(Exists(settings.binDir + f)) << f;
  for (const char* f : {"X.NEW", "X.LIS", "X.MIS", "NOTES.TXT", "RUN1.PIF"})
    EXPECT_TRUE(Exists(settings.binDir + f)) << f;
  for (const char* f : {"INPUT1.DAT", "RUNNING.TXT"})
    EXPECT_FALSE(Exists(settings.workDir + f)) << f;
  for (const char* f : {"OLD.REP", "OUTPUT.TXT", "CTL.DAT"})
    EXPECT_TRUE(Exists(settings.workDir + f)) << f;
  EXPECT_TRUE(Exists(settings.workDir + "kartovex.log"));
}

TEST_F(ProcessTest, InputFileInBinDirSurvivesToo) {
  std::string input = settings.binDir + "POINTS.TXT";
  WriteFile(input, "P1,45,30,0,66,30,0\n");
  auto& c = model().choices();
  c.chooseFromDatum(Datum::NAD27);
  c.chooseFromForm(CoordForm::LL);
  c.chooseToDatum(Datum::ATS77);
  c.chooseToForm(CoordForm::EN);
  c.setInputFromFile(true);
  c.typeInputFile(input);
  ASSERT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
  EXPECT_TRUE(Exists(input));
}

TEST_F(ProcessTest, KeyboardRunKeepsInputTxt) {
  WriteFile(settings.workDir + "INPUT.TXT", "P1,45,30,0,66,30,0\n");
  for (const char* f : {"OUTPUT.TXT", "RUNNING.TXT", "OTHER.TXT", "OLD.REP", "INPUT.DAT"})
    WriteFile(settings.workDir + f, "old");
  model().Loaded(StartupOutputs{});
  auto& c = model().choices();
  c.chooseFromDatum(Datum::NAD27);
  c.chooseFromForm(CoordForm::LL);
  c.chooseToDatum(Datum::ATS77);
  c.chooseToForm(CoordForm::EN);
  c.setInputFromKeyboard(true);
  model().KeyboardSaved(settings.workDir + "INPUT.TXT");
  ASSERT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
  EXPECT_EQ(seen.inputFile, settings.workDir + "INPUT.TXT");
  EXPECT_TRUE(Exists(settings.workDir + "INPUT.TXT"));
  // Work files by name only; an earlier result stays until this run replaces it.
  for (const char* f : {"OTHER.TXT", "OUTPUT.TXT", "OLD.REP"})
    EXPECT_TRUE(Exists(settings.workDir + f)) << f;
  for (const char* f : {"RUNNING.TXT", "INPUT.DAT"})
    EXPECT_FALSE(Exists(settings.workDir + f)) << f;
}

TEST_F(ProcessTest, KeyboardUtmRunKeepsTheZoneOfTheTypedPoints) {
  settings.utmZoneSetting = UtmZone::Zone19;
  WriteFile(settings.workDir + "INPUT.TXT", "P1,500000,5000000\n");
  auto& c = model().choices();
  c.chooseFromDatum(Datum::NAD27);
  c.chooseFromForm(CoordForm::XY);
  c.chooseToDatum(Datum::ATS77);
  c.chooseToForm(CoordForm::EN);
  c.setInputFromKeyboard(true);
  settings.utmZone = UtmZone::Zone20;  // locked by the keyboard window
  model().KeyboardSaved(settings.workDir + "INPUT.TXT");
  ASSERT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
  EXPECT_EQ(seen.utmZone, "20");
  EXPECT_EQ(settings.utmZoneSetting, UtmZone::Zone19) << "the saved setting is not touched";
}

TEST_F(ProcessTest, KeyboardFileSavedElsewhereIsTheInput) {
  std::string saved = settings.inputDir + "TYPED.TXT";
  WriteFile(saved, "P1,45,30,0,66,30,0\n");
  auto& c = model().choices();
  c.chooseFromDatum(Datum::NAD27);
  c.chooseFromForm(CoordForm::LL);
  c.chooseToDatum(Datum::ATS77);
  c.chooseToForm(CoordForm::EN);
  c.setInputFromKeyboard(true);
  model().KeyboardSaved(saved);
  ASSERT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
  EXPECT_EQ(seen.inputFile, saved);
}

TEST_F(ProcessTest, UntickingKeyboardDeletesTheKeyboardFile) {
  WriteFile(settings.workDir + "INPUT.TXT", "P1\n");
  auto& c = model().choices();
  chooseTypicalRun();
  c.setInputFromKeyboard(true);
  c.setInputFromKeyboard(false);
  EXPECT_FALSE(Exists(settings.workDir + "INPUT.TXT"));
}

TEST_F(ProcessTest, EarlierResultFilesAreNotRemovedUpFront) {
  chooseTypicalRun();
  auto& c = model().choices();
  c.setReportFile(true);
  c.typeReportFile(settings.outputDir + "RESULT.REP");
  c.setDataFile(true);
  c.setAccuracyFile(true);
  for (const char* f : {"RESULT.REP", "RESULT.TXT", "RESULT.ACC", "OTHER.REP"})
    WriteFile(settings.outputDir + f, "old");
  script = [this](RunContext&, RunControl&) {
    for (const char* f : {"RESULT.REP", "RESULT.TXT", "RESULT.ACC"})
      EXPECT_TRUE(Exists(settings.outputDir + f)) << f;
    return DispatchOutcome{DispatchResult::Failed, &row};
  };
  EXPECT_EQ(model().Process(), ProcessResult::NotCompleted);
  // A failed run leaves them as they were.
  for (const char* f : {"RESULT.REP", "RESULT.TXT", "RESULT.ACC", "OTHER.REP"})
    EXPECT_EQ(ReadFile(settings.outputDir + f), "old") << f;
}

TEST_F(ProcessTest, MissingBinDirStopsWithFileError) {
  chooseTypicalRun();
  std::filesystem::remove_all(settings.binDir);
  EXPECT_EQ(model().Process(), ProcessResult::Refused);
  EXPECT_TRUE(hasMessage("File Error", "Could not delete old BIN files.")) << allMessages();
  EXPECT_TRUE(
      hasMessage("ERROR", "RemoveFiles: " + settings.binDir + " not found. Old files not deleted."))
      << allMessages();
  EXPECT_EQ(model().resultsLabel(), "The conversion was NOT completed !");
  EXPECT_TRUE(model().choices().comPROCESS.enabled);
  EXPECT_EQ(dispatchCalls, 0);
}

TEST_F(ProcessTest, MissingWorkDirStopsWithFileErrorInFrench) {
  settings.language = Language::French;
  chooseTypicalRun();
  std::filesystem::remove_all(settings.workDir);
  EXPECT_EQ(model().Process(), ProcessResult::Refused);
  EXPECT_TRUE(hasMessage("Erreur de fichier", "Incapable de supprimer les fichiers TEMP."))
      << allMessages();
  EXPECT_EQ(model().resultsLabel(), "La transformation est INCOMPLÈTE !");
}

}  // namespace
}  // namespace kartovex::testing
