// Routes run by the chain executor with stand-in console programs:
// complete chains, cancel in the middle of a chain, programs that cannot be
// started, the sub-routes of transformNad27Nad83Csrs, the dispatcher's
// refusals and the files a run leaves for PROCESS.

#include <filesystem>

#include "routes/dispatch.h"
#include "routes/lumbrix_new_to_transform.h"
#include "routes_test_support.h"

namespace kartovex {
namespace {

using routestest::CrLfLines;
using routestest::Exists;
using routestest::Placed;
using routestest::ProcessAlive;
using routestest::ReadFile;
using routestest::WriteFile;
using Lines = std::vector<std::string>;

class ChainTest : public routestest::RoutesTest {
 protected:
  void SetUp() override {
    RoutesTest::SetUp();
    InstallAll();
    WritesItsOutputs();
  }
  void Choose(Datum fd, CoordForm ff, Datum td, CoordForm tf) {
    run.fromDatum = fd;
    run.fromForm = ff;
    run.toDatum = td;
    run.toForm = tf;
  }
  // VESPERAN leaves its ghost and map files, LUMBRIX its .NEW file.
  void VesperanAndLumbrixOutputs(const std::string& newFile) {
    Fixture("FIX_LL_GHOST.DAT", {Placed({{7, "P1"}, {40, "N45 05 3.20000 W 66 07 .500000"}})});
    Fixture("FIX_XY_MAP.DAT", {Placed({{1, "P1"}, {11, " 7400000.123"}, {24, " 2500000.456"}})});
    Fixture("FIX.NEW", {NewLine("P1")});
    Makes("vesperan", "FIX_LL_GHOST.DAT LL_GHOST.DAT\nFIX_XY_MAP.DAT XY_MAP.DAT\n");
    Makes("lumbrix", "FIX.NEW " + newFile + "\n");
  }
  static std::string NewLine(const std::string& id) {
    return Placed({{7, id},
                   {41, "45"},
                   {44, "05"},
                   {47, "03.20000"},
                   {57, "66"},
                   {60, "07"},
                   {63, "12.00000"}});
  }
  DispatchOutcome Dispatch() { return DispatchRoute(ctx, control); }
  // ORVANDEL's coefficient files of the province named in the INI, present
  // in the DATAFILE directory or not.
  void CoefficientFiles(const std::string& province, bool present) {
    settings.province = ProvinceFromText(province);
    settings.iniPath = root + "KARTOVEX.INI";
    const std::string data = root + "data";
    std::filesystem::create_directories(data);
    ::setenv("DATAFILE", data.c_str(), 1);
    std::string ini = "[FILE]\nTransform " + province + " 27 to 77=TR2777.DAT\nTransform " +
                      province + " 77 to 27=TR7727.DAT\n";
    WriteFile(settings.iniPath, ini);
    if (present) {
      WriteFile(data + "/TR2777.DAT", "x");
      WriteFile(data + "/TR7727.DAT", "x");
    }
  }
  bool AnyMessageStartsWith(const std::string& prefix) {
    for (const auto& m : sink.messages)
      if (m.text.rfind(prefix, 0) == 0) return true;
    return false;
  }
};

// --- Complete chains ----------------------------------------------------

TEST_F(ChainTest, ThreeProgramChainRunsInOrderAndWritesTheResults) {
  Choose(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::EN);
  Input("P1,2500000.456,7400000.123\n");
  VesperanAndLumbrixOutputs("LL_GHOST.NEW");
  DispatchOutcome outcome = Dispatch();
  ASSERT_EQ(outcome.result, DispatchResult::Completed) << ::testing::PrintToString(sink.texts());
  ASSERT_NE(outcome.row, nullptr);
  EXPECT_EQ(outcome.row->number, 1);
  EXPECT_EQ(Started(), (Lines{"vesperan", "lumbrix", "vesperan"}));
  EXPECT_EQ(run.modulesLine, "*    Modules: VESPERAN -> LUMBRIX -> VESPERAN");
  // Every program read its own answer file.
  EXPECT_EQ(StdinOf("lumbrix"), ReadFile(settings.binDir + "IN_RUN2.TXT"));
  EXPECT_EQ(StdinOf("vesperan"), ReadFile(settings.binDir + "IN_RUN3.TXT"));
  EXPECT_EQ(CrLfLines(settings.binDir + "IN_RUN1.TXT")[7], settings.workDir + "INPUT.DAT");
  EXPECT_FALSE(CrLfLines(run.dataFile).empty());
  EXPECT_TRUE(Exists(run.reportFile));
  EXPECT_FALSE(Exists(Marker()));
  EXPECT_EQ(progressValues, (std::vector<int>{20, 30, 50, 60, 70, 80, 90, 100}));
  EXPECT_EQ(run.newFile, settings.binDir + "LL_GHOST.NEW");
  EXPECT_FALSE(PointsMissed(run));
  EXPECT_TRUE(sink.messages.empty()) << ::testing::PrintToString(sink.texts());
}

TEST_F(ChainTest, SingleProgramRouteProgress) {
  Choose(Datum::ATS77, CoordForm::EN, Datum::ATS77, CoordForm::LL);
  Input("P1,2500000.456,7400000.123\n");
  VesperanAndLumbrixOutputs("unused.NEW");
  ASSERT_EQ(Dispatch().result, DispatchResult::Completed) << ::testing::PrintToString(sink.texts());
  EXPECT_EQ(progressValues, (std::vector<int>{20, 40, 60, 80, 90, 100}));
  EXPECT_EQ(run.modulesLine, "*    Modules: VESPERAN");
  EXPECT_TRUE(run.newFile.empty());
}

TEST_F(ChainTest, LumbrixThenOrvandelThroughTheNewFile) {
  Choose(Datum::NAD83, CoordForm::LL, Datum::NAD27, CoordForm::LL);
  Input("P1,45,05,03.2,66,07,12.0\n");
  Fixture("FIX.NEW", {NewLine("P1")});
  Makes("lumbrix", "FIX.NEW IN.NEW\n");
  Fixture("FIX_GHST.DAT",
          {Placed({{1, " 04      "}, {10, "P1"}, {40, "N45 0503.200000W 66 0712.000000"}})});
  Makes("orvandel", "FIX_GHST.DAT TRN_GHST.DAT\n");
  DispatchOutcome outcome = Dispatch();
  ASSERT_EQ(outcome.result, DispatchResult::Completed) << ::testing::PrintToString(sink.texts());
  EXPECT_EQ(Started(), (Lines{"lumbrix", "orvandel"}));
  // The .NEW file became ORVANDEL's geographic input.
  EXPECT_EQ(CrLfLines(settings.binDir + "INPUT2.DAT"),
            (Lines{"         P1 45 05 03.20000 66 07 12.00000"}));
  EXPECT_EQ(StdinOf("orvandel"),
            "4\r\n1\r\nKartovex ATS77 -> NAD27 NB \r\nY\r\nF\r\nINPUT2.DAT\r\n1\r\n \r\n");
  EXPECT_EQ(CrLfLines(settings.binDir + "RUN1.BAT")[0],
            settings.binDir + "ORVANDEL.EXE < " + settings.binDir + "TRAN_IN.TXT");
  EXPECT_TRUE(outcome.row->copiesOrvandelFiles());
}

TEST_F(ChainTest, OrvandelThenLumbrixBothAsRunOne) {
  Choose(Datum::NAD27, CoordForm::LL, Datum::NAD83, CoordForm::EN);
  Input("P1,45,05,03.2,66,07,12.0\n");
  Fixture("FIX_GHST.DAT", {Placed({{1, " 04      "},
                                   {10, "P1"},
                                   {41, "45"},
                                   {44, "05"},
                                   {46, "03.20000"},
                                   {57, "66"},
                                   {60, "07"},
                                   {62, "12.00000"}})});
  Makes("orvandel", "FIX_GHST.DAT Trn_ghst.dat\n");
  VesperanAndLumbrixOutputs("IN.NEW");
  ASSERT_EQ(Dispatch().result, DispatchResult::Completed) << ::testing::PrintToString(sink.texts());
  EXPECT_EQ(Started(), (Lines{"orvandel", "lumbrix", "vesperan"}));
  EXPECT_EQ(CrLfLines(settings.binDir + "input2.dat"),
            (Lines{"'P1       ',45,05,03.20000,66,07,12.00000"}));
  Lines lumbrix = CrLfLines(settings.binDir + "lumbrix.STDIN");
  ASSERT_GT(lumbrix.size(), 4u);
  EXPECT_EQ(lumbrix[4], settings.binDir + "input2.dat");
  EXPECT_EQ(CrLfLines(settings.binDir + "vesperan.STDIN")[7], settings.binDir + "IN.NEW");
}

// --- transformNad27Nad83Csrs ----------------------------------------------

TEST_F(ChainTest, OrvandelThenRouteOneWithTheOverride) {
  Choose(Datum::NAD27, CoordForm::EN, Datum::NAD83, CoordForm::EN);
  Input("P1,2500000.456,7400000.123\n");
  Fixture("FIX_CORD.DAT", {Placed({{1, "P1"}, {10, "  7400000.123"}, {23, "  2500000.456"}})});
  Makes("orvandel", "FIX_CORD.DAT trn_cord.dat\n");
  VesperanAndLumbrixOutputs("LL_GHOST.NEW");
  DispatchOutcome outcome = Dispatch();
  ASSERT_EQ(outcome.result, DispatchResult::Completed) << ::testing::PrintToString(sink.texts());
  EXPECT_EQ(outcome.row->number, 49);
  EXPECT_EQ(Started(), (Lines{"orvandel", "vesperan", "lumbrix", "vesperan"}));
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels[0], "ORVANDEL: The conversion has been completed !");
  EXPECT_EQ(CrLfLines(settings.binDir + "IN_RUN1.TXT")[7], settings.binDir + "trn_cord.dat");
  EXPECT_EQ(run.modulesLine, "*    Modules: ORVANDEL -> VESPERAN -> LUMBRIX -> VESPERAN");
  EXPECT_NE(std::find(progressValues.begin(), progressValues.end(), 15), progressValues.end());
  EXPECT_EQ(progressValues.back(), 100);
}

TEST_F(ChainTest, OrvandelWithoutResultSaysSoInFrench) {
  settings.language = Language::French;
  Choose(Datum::NAD27, CoordForm::EN, Datum::NAD83, CoordForm::LL);
  Input("P1,2500000.456,7400000.123\n");
  Sleeps("vesperan", 600000);
  onPump = [this] {
    if (PidOf("vesperan") > 0) control.Cancel();
  };
  EXPECT_EQ(Dispatch().result, DispatchResult::Cancelled);
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels[0], "ORVANDEL: La conversion est INCOMPLÈTE !");
  EXPECT_EQ(Started(), (Lines{"orvandel", "vesperan"}));
}

TEST_F(ChainTest, UtmInputGoesToRouteOneOrTwoByTheToForm) {
  Choose(Datum::NAD27, CoordForm::XY, Datum::NAD83, CoordForm::EN);
  EXPECT_EQ(FindRoute(RequestOf(run))->number, 63);
  Choose(Datum::NAD27, CoordForm::XY, Datum::NAD83, CoordForm::LL);
  EXPECT_EQ(FindRoute(RequestOf(run))->number, 55);
}

// --- Cancel ---------------------------------------------------------------

TEST_F(ChainTest, CancelDuringTheSecondOfThreePrograms) {
  Choose(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::EN);
  Input("P1,2500000.456,7400000.123\n");
  VesperanAndLumbrixOutputs("LL_GHOST.NEW");
  Sleeps("lumbrix", 600000);
  onPump = [this] {
    if (PidOf("lumbrix") > 0) control.Cancel();
  };
  DispatchOutcome outcome = Dispatch();
  EXPECT_EQ(outcome.result, DispatchResult::Cancelled);
  EXPECT_FALSE(outcome.completed());
  // The third program never started; the first one's files are intact.
  EXPECT_EQ(Started(), (Lines{"vesperan", "lumbrix"}));
  EXPECT_EQ(ReadFile(settings.binDir + "LL_GHOST.DAT"),
            ReadFile(settings.binDir + "FIX_LL_GHOST.DAT"));
  EXPECT_EQ(StdinOf("vesperan"), ReadFile(settings.binDir + "IN_RUN1.TXT"));
  // The running program was ended, its marker removed.
  EXPECT_FALSE(ProcessAlive(PidOf("lumbrix")));
  EXPECT_FALSE(Exists(Marker()));
  EXPECT_FALSE(Exists(run.dataFile));
  EXPECT_EQ(progressValues.back(), 0);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ChainTest, CancelWhileOrvandelRunsInItsSubRouteChain) {
  Choose(Datum::NAD83, CoordForm::EN, Datum::NAD27, CoordForm::LL);
  Input("P1,2500000.456,7400000.123\n");
  VesperanAndLumbrixOutputs("LL_GHOST.NEW");
  Sleeps("orvandel", 600000);
  onPump = [this] {
    if (PidOf("orvandel") > 0) control.Cancel();
  };
  EXPECT_EQ(Dispatch().result, DispatchResult::Cancelled);
  EXPECT_EQ(Started(), (Lines{"vesperan", "lumbrix", "orvandel"}));
  EXPECT_FALSE(ProcessAlive(PidOf("orvandel")));
}

// --- Programs that cannot be started --------------------------------------

TEST_F(ChainTest, MissingRun2PifFailsClearlyWithoutWaiting) {
  Choose(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::EN);
  Input("P1,2500000.456,7400000.123\n");
  VesperanAndLumbrixOutputs("LL_GHOST.NEW");
  std::filesystem::remove(settings.binDir + "RUN2.PIF");
  DispatchOutcome outcome = Dispatch();
  EXPECT_EQ(outcome.result, DispatchResult::Failed);
  EXPECT_EQ(Started(), (Lines{"vesperan"}));
  EXPECT_FALSE(Exists(Marker()));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text, "RunProgram: Could not start LUMBRIX, file not found: " +
                                       settings.binDir + "RUN2.PIF.");
}

TEST_F(ChainTest, MissingProgramNamesIt) {
  Choose(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::EN);
  Input("P1,2500000.456,7400000.123\n");
  VesperanAndLumbrixOutputs("LL_GHOST.NEW");
  std::filesystem::remove(settings.binDir + "lumbrix");
  EXPECT_EQ(Dispatch().result, DispatchResult::Failed);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text, "RunProgram: Could not start LUMBRIX, file not found: " +
                                       settings.binDir + "LUMBRIX.EXE.");
  EXPECT_FALSE(Exists(Marker()));
}

// --- Failures inside a route ----------------------------------------------

TEST_F(ChainTest, RunTimeErrorShowsTheRoutesMessage) {
  Choose(Datum::ATS77, CoordForm::EN, Datum::ATS77, CoordForm::LL);
  Input("P1,2500000.456,7400000.123\n");
  std::filesystem::create_directories(settings.binDir + "IN_RUN1.TXT");
  EXPECT_EQ(Dispatch().result, DispatchResult::Failed);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "ERROR");
  EXPECT_EQ(sink.messages[0].text, "ProcessCombo10: An error occurred while processing your data!");
  EXPECT_TRUE(Started().empty());
}

TEST_F(ChainTest, RunTimeErrorOfAnOrvandelRouteInFrench) {
  settings.language = Language::French;
  Choose(Datum::NAD27, CoordForm::EN, Datum::ATS77, CoordForm::EN);
  Input("P1,2500000.456,7400000.123\n");
  std::filesystem::create_directories(settings.binDir + "TRAN_IN.TXT");
  EXPECT_EQ(Dispatch().result, DispatchResult::Failed);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "ERREUR");
  EXPECT_EQ(sink.messages[0].text,
            "IntoTransform_EN: Une erreur s'est produite durant le traitement!");
}

TEST_F(ChainTest, ReformattingFailureStopsBeforeAnyProgram) {
  Choose(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::EN);
  // No input file at all.
  EXPECT_EQ(Dispatch().result, DispatchResult::Failed);
  EXPECT_TRUE(Started().empty());
  EXPECT_FALSE(AnyMessageStartsWith("ProcessCombo1:"));
}

TEST_F(ChainTest, ReaderFailureFailsTheRouteWithoutARouteMessage) {
  Choose(Datum::ATS77, CoordForm::EN, Datum::ATS77, CoordForm::LL);
  Input("P1,2500000.456,7400000.123\n");
  // VESPERAN leaves an LL_GHOST.DAT the reader cannot read.
  Fixture("FIX_BAD.DAT", {"garbage"});
  Makes("vesperan", "FIX_BAD.DAT LL_GHOST.DAT\n");
  EXPECT_EQ(Dispatch().result, DispatchResult::Failed);
  EXPECT_EQ(Started(), (Lines{"vesperan"}));
  EXPECT_FALSE(AnyMessageStartsWith("ProcessCombo10:"));
  EXPECT_FALSE(Exists(run.reportFile));
}

// --- The dispatcher's refusals --------------------------------------------

TEST_F(ChainTest, UnsupportedCombination) {
  Choose(Datum::NAD27, CoordForm::XY, Datum::NAD83, CoordForm::XY);
  DispatchOutcome outcome = Dispatch();
  EXPECT_EQ(outcome.result, DispatchResult::NotSupported);
  EXPECT_EQ(outcome.row, nullptr);
  EXPECT_EQ(labels, (Lines{"The conversion NOT supported !"}));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_TRUE(Started().empty());
}

TEST_F(ChainTest, UnsupportedCombinationInFrench) {
  settings.language = Language::French;
  Choose(Datum::ATS77, CoordForm::XY, Datum::NAD27, CoordForm::EN);
  EXPECT_EQ(Dispatch().result, DispatchResult::NotSupported);
  EXPECT_EQ(labels, (Lines{"La conversion NOT supported !"}));
}

TEST_F(ChainTest, MissingCoefficientFilesOutsideNewBrunswick) {
  CoefficientFiles("PEI", false);
  Choose(Datum::NAD27, CoordForm::EN, Datum::NAD83, CoordForm::EN);
  Input("P1,2500000.456,7400000.123\n");
  DispatchOutcome outcome = Dispatch();
  EXPECT_EQ(outcome.result, DispatchResult::MissingTransformFiles);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "ERROR");
  EXPECT_EQ(sink.messages[0].text,
            "comPROCESS: Missing PEI Transform grid files.\r\nPlease obtain the files before from "
            "the PEI government running these transformations. !");
  EXPECT_EQ(labels, (Lines{"The conversion was NOT completed !"}));
  EXPECT_EQ(progressValues, (std::vector<int>{0}));
  EXPECT_TRUE(Started().empty());
}

TEST_F(ChainTest, MissingCoefficientFilesInFrench) {
  settings.language = Language::French;
  CoefficientFiles("NS", false);
  Choose(Datum::ATS77, CoordForm::LL, Datum::NAD27, CoordForm::LL);
  EXPECT_EQ(Dispatch().result, DispatchResult::MissingTransformFiles);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "ERREUR");
  EXPECT_EQ(sink.messages[0].text,
            "comPROCESS: Missing NS Transform grid files.\r\nPlease obtain these files from the NS "
            "government before running these transformations. !");
  EXPECT_EQ(labels, (Lines{"La transformation est INCOMPLÈTE !"}));
}

TEST_F(ChainTest, CoefficientFilesAreNotNeededForRowsUpToThirtyEight) {
  CoefficientFiles("NS", false);
  Choose(Datum::ATS77, CoordForm::EN, Datum::ATS77, CoordForm::LL);
  Input("P1,2500000.456,7400000.123\n");
  VesperanAndLumbrixOutputs("unused.NEW");
  EXPECT_EQ(Dispatch().result, DispatchResult::Completed) << ::testing::PrintToString(sink.texts());
}

TEST_F(ChainTest, UnsupportedCombinationWithMissingCoefficientFilesReportsTheFiles) {
  CoefficientFiles("NS", false);
  Choose(Datum::NAD27, CoordForm::XY, Datum::NAD83, CoordForm::XY);
  EXPECT_EQ(Dispatch().result, DispatchResult::MissingTransformFiles);
}

TEST_F(ChainTest, PresentCoefficientFilesLetTheOrvandelRouteRun) {
  CoefficientFiles("NS", true);
  Choose(Datum::NAD27, CoordForm::XY, Datum::NAD83, CoordForm::XY);
  EXPECT_EQ(Dispatch().result, DispatchResult::NotSupported);
  sink.clear();
  Choose(Datum::NAD27, CoordForm::EN, Datum::ATS77, CoordForm::EN);
  Input("P1,2500000.456,7400000.123\n");
  Fixture("FIX_CORD.DAT", {Placed({{1, "P1"}, {10, "  7400000.123"}, {23, "  2500000.456"}})});
  Makes("orvandel", "FIX_CORD.DAT trn_cord.dat\n");
  EXPECT_EQ(Dispatch().result, DispatchResult::Completed) << ::testing::PrintToString(sink.texts());
  EXPECT_EQ(Started(), (Lines{"orvandel"}));
  EXPECT_EQ(CrLfLines(settings.binDir + "TRAN_IN.TXT"),
            (Lines{"2", "2", "4", "Kartovex NAD27 -> ATS77NS ", "Y", "F", "INPUT.DAT", " "}));
}

// --- What PROCESS reads after a run ---------------------------------------

TEST_F(ChainTest, MisFileMeansPointsWereMissed) {
  Choose(Datum::ATS77, CoordForm::LL, Datum::NAD83, CoordForm::LL);
  Input("P1,45,05,03.2,66,07,12.0\n");
  Fixture("FIX.NEW", {NewLine("P1")});
  Fixture("FIX.MIS", {"P9 out of bounds"});
  Makes("lumbrix", "FIX.NEW IN.NEW\nFIX.MIS IN.MIS\n");
  ASSERT_EQ(Dispatch().result, DispatchResult::Completed) << ::testing::PrintToString(sink.texts());
  EXPECT_EQ(LumbrixMisFile(run), settings.binDir + "IN.MIS");
  EXPECT_TRUE(PointsMissed(run));
  EXPECT_EQ(run.gridFile, settings.gridShift77toCsrs);
}

TEST_F(ChainTest, NoLumbrixNoMisFile) {
  EXPECT_EQ(LumbrixMisFile(run), "");
  EXPECT_FALSE(PointsMissed(run));
}

TEST_F(ChainTest, OrvandelsFilesAreCopiedToTheOutputDirectory) {
  WriteFile(settings.binDir + "ORVANDEL.OUT", "report");
  WriteFile(settings.binDir + "TRN_CORD.DAT", "cord");
  WriteFile(settings.binDir + "trn_ghst.dat", "ghost");
  ASSERT_TRUE(CopyOrvandelFiles(ctx));
  EXPECT_EQ(ReadFile(settings.outputDir + "Orvandel.out"), "report");
  EXPECT_EQ(ReadFile(settings.outputDir + "Trn_cord.dat"), "cord");
  EXPECT_EQ(ReadFile(settings.outputDir + "Trn_ghst.dat"), "ghost");
  // A second copy replaces the first.
  WriteFile(settings.binDir + "TRN_CORD.DAT", "cord 2");
  ASSERT_TRUE(CopyOrvandelFiles(ctx));
  EXPECT_EQ(ReadFile(settings.outputDir + "Trn_cord.dat"), "cord 2");
}

TEST_F(ChainTest, CopyFailsWhenAFileIsMissing) {
  WriteFile(settings.binDir + "ORVANDEL.OUT", "report");
  EXPECT_FALSE(CopyOrvandelFiles(ctx));
}

// --- LUMBRIX's .NEW file as ORVANDEL's input -------------------------------

TEST_F(ChainTest, NewFileConverterPadsFieldsToOrvandelsColumns) {
  WriteFile(settings.binDir + "A.NEW", Placed({{7, "      ST9"},
                                               {41, " 5"},
                                               {44, " 0"},
                                               {47, "  3.2"},
                                               {57, "66"},
                                               {60, "07"},
                                               {63, "12.00000"}}) +
                                           "\r\n");
  ASSERT_TRUE(LumbrixNew2Transform(ctx, settings.binDir + "A.NEW", settings.binDir + "OUT.DAT"));
  EXPECT_EQ(CrLfLines(settings.binDir + "OUT.DAT"),
            (Lines{"        ST9 05 00 03.20000 66 07 12.00000"}));
}

// Seconds are rewritten as "%08.5f" always wrote them: rounded, zero-padded,
// the sign of a negative zero kept.
TEST_F(ChainTest, NewFileConverterWritesSecondsAsBefore) {
  auto line = [](const std::string& latSec, const std::string& lonSec) {
    return Placed({{7, "P1"},
                   {41, "45"},
                   {44, "30"},
                   {47, latSec},
                   {57, "66"},
                   {60, "07"},
                   {63, lonSec}}) +
           "\r\n";
  };
  WriteFile(settings.binDir + "A.NEW", line("9.999996", "0.0000049") + line("-0", "1.000005") +
                                           line("0.125", ".5") + line("7", "59.99999"));
  ASSERT_TRUE(LumbrixNew2Transform(ctx, settings.binDir + "A.NEW", settings.binDir + "OUT.DAT"));
  EXPECT_EQ(CrLfLines(settings.binDir + "OUT.DAT"),
            (Lines{"         P1 45 30 10.00000 66 07 00.00000",
                   "         P1 45 30 -0.00000 66 07 01.00001",
                   "         P1 45 30 00.12500 66 07 00.50000",
                   "         P1 45 30 07.00000 66 07 59.99999"}));
}

TEST_F(ChainTest, NewFileConverterRejectsUnreadableColumns) {
  WriteFile(settings.binDir + "A.NEW", Placed({{7, "P1"}, {41, "4"}}) + "\r\n");
  EXPECT_FALSE(LumbrixNew2Transform(ctx, settings.binDir + "A.NEW", settings.binDir + "OUT.DAT"));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text,
            "LumbrixNew2Transform: An error occurred while reformatting your data!");
}

TEST_F(ChainTest, NewFileConverterWithoutItsFile) {
  EXPECT_FALSE(
      LumbrixNew2Transform(ctx, settings.binDir + "NONE.NEW", settings.binDir + "OUT.DAT"));
  EXPECT_EQ(sink.messages.size(), 1u);
}

}  // namespace
}  // namespace kartovex
