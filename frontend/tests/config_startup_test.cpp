#include "startup/startup.h"

#include <gtest/gtest.h>

#include "config/load_paths.h"
#include "config/load_settings.h"
#include "config_fixture.h"
#include "platform/installation_lock.h"

namespace kartovex {
namespace {

using Kind = RecordedMessage::Kind;
using testing::Exists;
using testing::WriteFile;

class StartUpTest : public testing::Installation {
 protected:
  bool start() { return StartUp(settings, messages, window, programDir); }
  StartupOutputs window;
};

TEST_F(StartUpTest, CompleteInstallationStartsSilently) {
  ASSERT_TRUE(start()) << allTexts();
  EXPECT_TRUE(sink.messages.empty()) << allTexts();
  EXPECT_EQ(settings.iniPath, ini);
  EXPECT_EQ(settings.lineBreak, "\r\n");
  EXPECT_EQ(settings.language, Language::English);
  EXPECT_EQ(settings.province, Province::NB);
  EXPECT_EQ(settings.mtmZone, MtmZone::Zone4);
  EXPECT_EQ(settings.utmZone, UtmZone::Zone19);
  EXPECT_EQ(settings.utmZoneSetting, UtmZone::Zone19);
  EXPECT_EQ(settings.binDir, root + "/bin/");
  EXPECT_EQ(settings.workDir, root + "/work/");
  EXPECT_EQ(settings.inputDir, root + "/in/");
  EXPECT_EQ(settings.outputDir, root + "/out/");
  EXPECT_EQ(settings.editor, "/usr/bin/editor");
  EXPECT_EQ(settings.helpFile, root + "/bin/KARTOVEX.PDF");
  EXPECT_EQ(settings.frenchHelpFile, root + "/bin/KARTOVEXF.PDF");
  EXPECT_EQ(settings.helpFormat, "PDF");
  EXPECT_EQ(settings.pdfReader, root + "/bin/reader");
  EXPECT_EQ(settings.titleEnglish, "KARTOVEX - Coordinate Conversion");
  EXPECT_EQ(settings.fieldOrder, "EN");
  EXPECT_EQ(settings.delimiter, ",");
  EXPECT_FALSE(settings.extraText);
  EXPECT_FALSE(settings.displayExtraText);
  EXPECT_TRUE(settings.extentLogging);
  EXPECT_EQ(settings.gridShift77to83_89, root + "/bin/NB7783.GSB");
  EXPECT_EQ(settings.gridShift77toCsrs, root + "/bin/NB77CSRS.GSB");
  EXPECT_EQ(settings.gridShift27to83_89, root + "/bin/NB2783.GSB");
  EXPECT_EQ(settings.gridShift27to83_89Files.ns, "NS2783.GSB");
  EXPECT_EQ(settings.gridShift77toCsrsFiles.pei, "PE77CSRS.GSB");
  EXPECT_DOUBLE_EQ(settings.extents.latLong.NE_LAT, 48.1);
  EXPECT_EQ(settings.runningMarker, root + "/work/RUNNING.TXT");
  EXPECT_EQ(window.provinceLabel, "Province = 'NB'");
  EXPECT_EQ(window.utmZoneLabel, "UTM Zone 19");
  EXPECT_EQ(window.delimiterLabel, "Delimeter = ','");
  EXPECT_TRUE(window.captionsEnglish);
  EXPECT_EQ(window.windowCaption, "KARTOVEX - Coordinate Conversion");
  EXPECT_TRUE(window.helpEnabled);
  EXPECT_TRUE(window.captionsSet);
  EXPECT_TRUE(window.laidOut);
  EXPECT_EQ(sink.pointerChanges, (std::vector<bool>{true, false}));
}

TEST_F(StartUpTest, IniInTheUserConfigurationDirectoryWhenNoneBesideTheProgram) {
  std::string text = testing::ReadFile(ini);
  std::filesystem::remove(ini);
  WriteFile(dir / "xdg/kartovex/KARTOVEX.INI", text);
  ASSERT_TRUE(start()) << allTexts();
  EXPECT_EQ(settings.iniPath, "KARTOVEX.INI");
  EXPECT_EQ(settings.binDir, root + "/bin/");
}

TEST_F(StartUpTest, RemovesOldWorkFilesOfBothDirectories) {
  for (const char* f :
       {"bin/RUN1.BAT", "bin/IN_RUN1.TXT", "bin/INPUT.DAT", "bin/QUILLON27.OUT", "bin/LL_GHOST.NEW",
        "bin/LL_GHOST.LIS", "bin/LL_GHOST.MIS", "bin/RUN2.CON", "bin/TEMP1.DAT", "bin/trn_cord.dat",
        "work/INPUT.DAT", "work/INPUT1.DAT", "work/RUNNING.TXT"})
    WriteFile(dir / f, "x");
  // Files of other names are not the system's: the user's, whatever their extension.
  for (const char* f :
       {"bin/RUN1.PIF", "bin/A.NEW", "bin/A.LIS", "bin/A.MIS", "bin/NOTES.TXT", "work/kartovex.log",
        "work/kartovex.err", "work/OLD.OUT", "work/OLD.REP", "work/OLD.TXT", "work/OLD.DAT"})
    WriteFile(dir / f, "x");
  ASSERT_TRUE(start()) << allTexts();
  for (const char* f :
       {"bin/RUN1.BAT", "bin/IN_RUN1.TXT", "bin/INPUT.DAT", "bin/QUILLON27.OUT", "bin/LL_GHOST.NEW",
        "bin/LL_GHOST.LIS", "bin/LL_GHOST.MIS", "bin/RUN2.CON", "bin/TEMP1.DAT", "bin/trn_cord.dat",
        "work/INPUT.DAT", "work/INPUT1.DAT", "work/RUNNING.TXT"})
    EXPECT_FALSE(Exists(dir / f)) << f;
  for (const char* f : {"bin/RUN1.PIF", "bin/A.NEW", "bin/A.LIS", "bin/A.MIS", "bin/NOTES.TXT",
                        "work/kartovex.log", "work/kartovex.err", "work/OLD.OUT", "work/OLD.REP",
                        "work/OLD.TXT", "work/OLD.DAT", "bin/orvandel.exe", "bin/NB2783.GSB"})
    EXPECT_TRUE(Exists(dir / f)) << f;
}

// Another front end is running a conversion in this installation: its work
// files are not old, start-up leaves them alone.
TEST_F(StartUpTest, WorkFilesOfARunningConversionAreLeftAlone) {
  for (const char* f : {"bin/RUN1.BAT", "bin/INPUT.DAT", "work/INPUT.DAT", "work/RUNNING.TXT"})
    WriteFile(dir / f, "x");
  InstallationLock running;
  ASSERT_EQ(running.Acquire(dir / "work/KARTOVEX.LCK", "pid=1\n"), LockResult::Acquired);
  ASSERT_TRUE(start()) << allTexts();
  for (const char* f : {"bin/RUN1.BAT", "bin/INPUT.DAT", "work/INPUT.DAT", "work/RUNNING.TXT"})
    EXPECT_TRUE(Exists(dir / f)) << f;
  running.Release();
  ASSERT_TRUE(start()) << allTexts();
  for (const char* f : {"bin/RUN1.BAT", "bin/INPUT.DAT", "work/INPUT.DAT", "work/RUNNING.TXT"})
    EXPECT_FALSE(Exists(dir / f)) << f;
}

// ---- LoadSettings ----

TEST_F(StartUpTest, AbsentProvinceCodeIsMinusOneNotNb) {
  removeKey("Province Code");
  EXPECT_FALSE(start());
  EXPECT_EQ(settings.province, ProvinceFromText("-1"));
  EXPECT_TRUE(
      hasText("Failed to find in section 'SETUP' with key 'Province Code' in " + ini + "."));
  EXPECT_TRUE(hasText("LoadExtents: An error occurred while reading the extents!"));
}

TEST_F(StartUpTest, BlankProvinceCodeBecomesNb) {
  setValue("Province Code", "' '");
  ASSERT_TRUE(start()) << allTexts();
  EXPECT_EQ(settings.province, Province::NB);
}

TEST_F(StartUpTest, BlankZonesAndLanguageTakeTheirDefaults) {
  setValue("MTM Zone", "' '");
  setValue("UTM Zone", "' '");
  setValue("LANGUAGE", "' '");
  ASSERT_TRUE(start()) << allTexts();
  EXPECT_EQ(settings.mtmZone, MtmZone::Zone4);
  EXPECT_EQ(settings.utmZone, UtmZone::Zone19);
  EXPECT_EQ(settings.language, Language::English);
}

TEST_F(StartUpTest, MissingPdfReaderAsksAndNoEndsTheStart) {
  std::filesystem::remove(dir / "bin/reader");
  sink.answers = {false};
  EXPECT_FALSE(start());
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].kind, Kind::QuestionCritical);
  EXPECT_EQ(sink.messages[0].title, "FATAL ERROR");
  EXPECT_EQ(sink.messages[0].text,
            "The '" + root +
                "/bin/reader'file does not exist! Please set in the setup dialog. Continue?");
}

TEST_F(StartUpTest, MissingPdfReaderYesGoesOnWithHelpDisabled) {
  std::filesystem::remove(dir / "bin/reader");
  sink.answers = {true};
  ASSERT_TRUE(start()) << allTexts();
  EXPECT_FALSE(window.helpEnabled);
}

TEST_F(StartUpTest, MissingPdfReaderQuestionInFrench) {
  setValue("LANGUAGE", "FRENCH");
  std::filesystem::remove(dir / "bin/reader");
  sink.answers = {false};
  EXPECT_FALSE(start());
  EXPECT_EQ(sink.messages[0].title, "ERREUR CRITIQUE");
  EXPECT_EQ(sink.messages[0].text, "Le fichier de données '" + root +
                                       "/bin/reader' n'existe pas ! Voulez-vous continuer ?");
}

TEST_F(StartUpTest, NovaScotiaLabelAndExtents) {
  setValue("Province Code", "NS");
  setValue("MTM Zone", "5");
  ASSERT_TRUE(start()) << allTexts();
  EXPECT_EQ(window.provinceLabel, "Province = 'NS' Zone (5)");
  EXPECT_DOUBLE_EQ(settings.extents.latLong.SW_LON, 66.5);
  EXPECT_EQ(settings.gridShift27to83_89, root + "/bin/NS2783.GSB");
}

TEST_F(StartUpTest, BadExtentsEndTheStart) {
  setValue("NE_LAT", "0");
  EXPECT_FALSE(start());
  EXPECT_TRUE(hasText("LoadExtents: An error occurred while reading the extents!"));
}

TEST_F(StartUpTest, InputFileOptionsWithTheirReplacements) {
  removeKey("EN order");
  removeKey("Delimeter");
  removeKey("Extra Text");
  setValue("Display Extra Text", "TRUE");
  ASSERT_TRUE(start());
  EXPECT_EQ(settings.fieldOrder, "EN");
  EXPECT_EQ(settings.delimiter, ",");
  EXPECT_FALSE(settings.extraText);
  EXPECT_TRUE(settings.displayExtraText);
  EXPECT_EQ(sink.messages.size(), 3u);  // one System ERROR box per missing key
}

TEST_F(StartUpTest, OptionsAsWritten) {
  setValue("EN order", "NE");
  setValue("Delimeter", "' '");
  setValue("Extra Text", "TRUE");
  setValue("Display Extra Text", "true");
  ASSERT_TRUE(start());
  EXPECT_EQ(settings.fieldOrder, "NE");
  EXPECT_EQ(settings.delimiter, " ");
  EXPECT_TRUE(settings.extraText);
  EXPECT_FALSE(settings.displayExtraText);
  EXPECT_EQ(window.delimiterLabel, "Delimeter = ' '");
}

// ---- LoadPaths ----

class RequiredKeyTest : public StartUpTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RequiredKeyTest, MissingKeyEndsTheStart) {
  removeKey(GetParam());
  EXPECT_FALSE(start());
  ASSERT_FALSE(sink.messages.empty());
  EXPECT_EQ(sink.messages.back().title, "System ERROR");
  EXPECT_NE(sink.messages.back().text.find(std::string("'") + GetParam() + "'"), std::string::npos);
}

TEST_P(RequiredKeyTest, MinusOneValueEndsTheStart) {
  setValue(GetParam(), "-1");
  EXPECT_FALSE(start());
  EXPECT_TRUE(sink.messages.empty()) << allTexts();
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RequiredKeyTest,
    ::testing::Values("ROOT", "BIN", "WORKING", "EDITOR", "HELP", "NS GRID SHIFT 77 - 83 (89)",
                      "PEI GRID SHIFT 77 - 83 (89)", "NB GRID SHIFT 77 - 83 (89)",
                      "NS GRID SHIFT 77 - 83 csrs", "PEI GRID SHIFT 77 - 83 csrs",
                      "NB GRID SHIFT 77 - 83 csrs", "NB GRID SHIFT 27 - 83 (89)",
                      "NS GRID SHIFT 27 - 83 (89)", "PEI GRID SHIFT 27 - 83 (89)"));

TEST_F(StartUpTest, FileEditorKeyIsRequiredToo) {
  // [PATH] EDITOR comes first in the file; the second EDITOR= line is [FILE]'s.
  std::string text = testing::ReadFile(ini);
  auto pos = text.find("EDITOR=editor\n");
  ASSERT_NE(pos, std::string::npos);
  text.erase(pos, 14);
  WriteFile(ini, text);
  EXPECT_FALSE(start());
  EXPECT_TRUE(hasText("Failed to find in section 'FILE' with key 'EDITOR' in " + ini + "."));
}

TEST_F(StartUpTest, MissingWorkingDirectoryFallsBackToRoot) {
  setValue("WORKING", root + "/nowhere/");
  ASSERT_TRUE(start()) << allTexts();
  EXPECT_EQ(settings.workDir, root + "/");
  EXPECT_EQ(settings.runningMarker, root + "/RUNNING.TXT");
}

TEST_F(StartUpTest, TheRunsInputFileAndTheKeyboardFileSurviveTheCleanUp) {
  WriteFile(dir / "work/POINTS.TXT", "P1,45,30,0,66,30,0\n");
  WriteFile(dir / "work/INPUT.TXT", "typed");
  WriteFile(dir / "work/RUNNING.TXT", "old");
  ASSERT_TRUE(StartUp(settings, messages, window, programDir, {dir / "work/points.txt"}))
      << allTexts();
  EXPECT_TRUE(std::filesystem::exists(dir / "work/POINTS.TXT"));
  EXPECT_TRUE(std::filesystem::exists(dir / "work/INPUT.TXT"));
  EXPECT_FALSE(std::filesystem::exists(dir / "work/RUNNING.TXT"));
}

TEST_F(StartUpTest, WorkDirectoryFallenBackToRootKeepsTheUsersFiles) {
  setValue("WORKING", root + "/nowhere/");
  for (const char* f : {"POINTS.TXT", "OLD.REP", "OLD.DAT", "RUNNING.TXT", "INPUT.DAT"})
    WriteFile(dir / f, "x");
  ASSERT_TRUE(start()) << allTexts();
  EXPECT_TRUE(std::filesystem::exists(dir / "POINTS.TXT"));
  EXPECT_TRUE(std::filesystem::exists(dir / "OLD.REP"));
  EXPECT_TRUE(std::filesystem::exists(dir / "OLD.DAT"));
  EXPECT_FALSE(std::filesystem::exists(dir / "INPUT.DAT"));
  EXPECT_FALSE(std::filesystem::exists(dir / "RUNNING.TXT"));
}

TEST_F(StartUpTest, WorkingWithoutTrailingSeparatorStillNamesTheDirectory) {
  setValue("WORKING", root + "/work");
  ASSERT_TRUE(start());
  EXPECT_EQ(settings.workDir, root + "/work/");
}

TEST_F(StartUpTest, MissingInputAndOutputDirectoriesFallBackToRoot) {
  setValue("INPUT", root + "/nowhere/");
  removeKey("OUTPUT");
  ASSERT_TRUE(start());
  EXPECT_EQ(settings.inputDir, root + "/");
  EXPECT_EQ(settings.outputDir, root + "/");
  EXPECT_EQ(sink.messages.size(), 1u);  // the System ERROR box of OUTPUT only
}

TEST_F(StartUpTest, FrenchHelpFallsBackToTheEnglishFile) {
  setValue("French HELP", "-1");
  ASSERT_TRUE(start());
  EXPECT_EQ(settings.frenchHelpFile, root + "/bin/KARTOVEX.PDF");
}

TEST_F(StartUpTest, DatafileMustBeSet) {
  ::unsetenv("DATAFILE");
  EXPECT_FALSE(start());
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].kind, Kind::Critical);
  EXPECT_EQ(sink.messages[0].title, "FATAL ERROR");
  EXPECT_EQ(sink.messages[0].text,
            "The environment string 'DATAFILE' is not set. Set in autoexec.bat and try again!");
}

TEST_F(StartUpTest, DatafileMessageInFrench) {
  setValue("LANGUAGE", "FRENCH");
  ::setenv("DATAFILE", "", 1);
  EXPECT_FALSE(start());
  EXPECT_EQ(sink.messages[0].title, "ERREUR CRITIQUE");
  EXPECT_EQ(
      sink.messages[0].text,
      "Le cheminement de la chaîne 'DATAFILE' n'a pas été identifié dans le fichier autoexec.bat. "
      "Édité ce fichier et essayer de nouveau!");
}

TEST_F(StartUpTest, MissingOrvandelAsks) {
  std::filesystem::remove(dir / "bin/orvandel.exe");
  sink.answers = {false};
  EXPECT_FALSE(start());
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].kind, Kind::QuestionCritical);
  EXPECT_EQ(sink.messages[0].text,
            "The 'orvandel.exe' program is not in the " + root + "/bin/ directory! Continue?");
}

TEST_F(StartUpTest, MissingOrvandelYesGoesOn) {
  std::filesystem::remove(dir / "bin/orvandel.exe");
  sink.answers = {true};
  EXPECT_TRUE(start());
}

TEST_F(StartUpTest, OrvandelWithoutExeIsFound) {
  std::filesystem::rename(dir / "bin/orvandel.exe", dir / "bin/ORVANDEL");
  ASSERT_TRUE(start());
  EXPECT_TRUE(sink.messages.empty()) << allTexts();
}

TEST_F(StartUpTest, MissingOrvandelQuestionInFrench) {
  setValue("LANGUAGE", "FRENCH");
  std::filesystem::remove(dir / "bin/orvandel.exe");
  sink.answers = {false};
  EXPECT_FALSE(start());
  EXPECT_EQ(sink.messages[0].text,
            "Le logiciel orvandel.exe n'est pas retrouvé dans le répertoire '" + root + "/bin/'!");
}

TEST_F(StartUpTest, MissingQuillonAndVesperanAreReportedAndTheStartGoesOn) {
  std::filesystem::remove(dir / "bin/QUILLON27.EXE");
  std::filesystem::remove(dir / "bin/Vesperan.exe");
  ASSERT_TRUE(start());
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(sink.messages[0].kind, Kind::Critical);
  EXPECT_EQ(sink.messages[0].text,
            "The 'quillon27.exe' program is not in the " + root + "/bin/ directory!");
  EXPECT_EQ(sink.messages[1].text,
            "The 'vesperan.exe' program is not in the " + root + "/bin/ directory!");
}

TEST_F(StartUpTest, MissingQuillonInFrench) {
  setValue("LANGUAGE", "FRENCH");
  std::filesystem::remove(dir / "bin/QUILLON27.EXE");
  ASSERT_TRUE(start());
  EXPECT_EQ(sink.messages[0].text,
            "Le logiciel quillon27.exe n'est pas retrouvé dans le répertoire '" + root + "/bin/'!");
}

TEST_F(StartUpTest, MissingGridShiftFilesAskInOrder) {
  std::filesystem::remove(dir / "bin/NB2783.GSB");
  std::filesystem::remove(dir / "bin/NB77CSRS.GSB");
  sink.answers = {true, false};
  EXPECT_FALSE(start());
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(sink.messages[0].kind, Kind::QuestionCritical);
  EXPECT_EQ(sink.messages[0].text,
            "The '" + root + "/bin/NB2783.GSB' data file does not exist! Continue?");
  EXPECT_EQ(sink.messages[1].text,
            "The '" + root + "/bin/NB77CSRS.GSB' data file does not exist! Continue?");
}

TEST_F(StartUpTest, MissingGridShiftFileInFrenchYesGoesOn) {
  setValue("LANGUAGE", "FRENCH");
  std::filesystem::remove(dir / "bin/NB77CSRS.GSB");
  sink.answers = {true};
  ASSERT_TRUE(start());
  EXPECT_EQ(sink.messages[0].text, "Le fichier de données '" + root +
                                       "/bin/NB77CSRS.GSB' n'existe pas ! Voulez-vous continuer ?");
}

TEST_F(StartUpTest, ExtentLoggingValues) {
  setValue("Extent Logging", "Message Box");
  ASSERT_TRUE(start());
  EXPECT_FALSE(settings.extentLogging);
}

TEST_F(StartUpTest, BlankExtentLoggingIsOn) {
  setValue("Extent Logging", "' '");
  ASSERT_TRUE(start());
  EXPECT_TRUE(settings.extentLogging);
}

// ---- the steps after LoadPaths ----

TEST_F(StartUpTest, FrenchCaptionsForAnyLanguageButEnglish) {
  setValue("LANGUAGE", "SPANISH");
  ASSERT_TRUE(start());
  EXPECT_FALSE(window.captionsEnglish);
  EXPECT_EQ(window.windowCaption, "KARTOVEX - Conversion des coordonnées");
  EXPECT_EQ(window.delimiterLabel, "Délimité par = ','");
}

TEST_F(StartUpTest, MissingTransformFilesWarnForNovaScotiaAndTheStartGoesOn) {
  setValue("Province Code", "NS");
  std::filesystem::remove(dir / "coeff/TRNS7727.DAT");
  ASSERT_TRUE(start());
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].kind, Kind::Critical);
  EXPECT_EQ(sink.messages[0].title, "ERROR");
  EXPECT_EQ(
      sink.messages[0].text,
      "Warning: Missing NS ORVANDEL input grid files.\r\n\r\nPlease obtain these files from the NS "
      "government before running ORVANDEL transformations. !");
}

TEST_F(StartUpTest, MissingTransformFilesWarnInFrench) {
  setValue("LANGUAGE", "FRENCH");
  setValue("Province Code", "PEI");
  std::filesystem::remove(dir / "coeff/TRPE2777.DAT");
  ASSERT_TRUE(start());
  EXPECT_EQ(sink.messages[0].title, "ERREUR");
}

TEST_F(StartUpTest, MissingBinDirectoryFailsAtTheRemovalOfOldFiles) {
  setValue("BIN", "nobin/");
  sink.defaultAnswer = true;
  EXPECT_FALSE(start());
  ASSERT_FALSE(sink.messages.empty());
  EXPECT_EQ(sink.messages.back().text,
            "RemoveFiles: " + root + "/nobin/ not found. Old files not deleted.");
  EXPECT_FALSE(sink.busy);
}

}  // namespace
}  // namespace kartovex

namespace kartovex {
namespace {

TEST_F(StartUpTest, WithoutAProgramDirectoryTheRunningProgramsIsUsed) {
  // No KARTOVEX.INI beside the test binary: the per-user one is taken.
  std::string text = testing::ReadFile(ini);
  WriteFile(dir / "xdg/kartovex/KARTOVEX.INI", text);
  ASSERT_TRUE(StartUp(settings, messages, window)) << allTexts();
  EXPECT_EQ(settings.iniPath, "KARTOVEX.INI");
}

}  // namespace
}  // namespace kartovex
