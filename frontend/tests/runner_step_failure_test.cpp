// A route never reads what an earlier run left, and a program of a chain
// that fails (non-zero exit, killed, an output missing) fails its step with
// a message that names the step and the program and quotes its console log.

#include <signal.h>
#include <sys/stat.h>

#include <filesystem>

#include "routes/dispatch.h"
#include "routes_test_support.h"
#include "runner/step_failure.h"

namespace kartovex {
namespace {

using routestest::Exists;
using routestest::Placed;
using routestest::ReadFile;
using routestest::WriteFile;
using Lines = std::vector<std::string>;

class StepFailureTest : public routestest::RoutesTest {
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
  static std::string GhostLine(const std::string& id) {
    return Placed({{7, id}, {40, "N45 05 3.20000 W 66 07 .500000"}});
  }
  // Five points in VESPERAN's LL_GHOST.DAT layout.
  std::vector<std::string> FivePoints() {
    std::vector<std::string> lines;
    for (int i = 1; i <= 5; ++i) lines.push_back(GhostLine("P" + std::to_string(i)));
    return lines;
  }
  std::string Messages() { return ::testing::PrintToString(sink.texts()); }
  bool AnyMessageContains(const std::string& text) {
    for (const auto& m : sink.messages)
      if (m.text.find(text) != std::string::npos) return true;
    return false;
  }
};

// An earlier run's LL_GHOST.DAT must not pass for the result of a VESPERAN
// that wrote nothing.
TEST_F(StepFailureTest, LeftoverOutputOfAnEarlierRunIsNeverRead) {
  Choose(Datum::ATS77, CoordForm::EN, Datum::ATS77, CoordForm::LL);
  Input("P1,2500000.456,7400000.123\n");
  Fixture("LL_GHOST.DAT", FivePoints());
  std::filesystem::remove(settings.binDir + "vesperan.TOUCHES");
  EXPECT_EQ(DispatchRoute(ctx, control).result, DispatchResult::Failed);
  ASSERT_EQ(sink.messages.size(), 1u) << Messages();
  EXPECT_EQ(sink.messages[0].title, "ERROR");
  EXPECT_EQ(sink.messages[0].text.substr(0, sink.messages[0].text.find('\r')),
            "RunProgram: step 1 of 1: VESPERAN did not write its output file " + settings.binDir +
                "LL_GHOST.DAT.");
  EXPECT_FALSE(Exists(settings.binDir + "LL_GHOST.DAT"))
      << "the old file was removed before the run";
  EXPECT_FALSE(Exists(run.dataFile));
  EXPECT_FALSE(Exists(run.reportFile));
}

TEST_F(StepFailureTest, NonZeroExitNamesTheStepAndQuotesTheConsoleLog) {
  Choose(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::EN);
  Input("P1,2500000.456,7400000.123\n");
  WriteFile(settings.binDir + "lumbrix.EXIT", "1");
  WriteFile(settings.binDir + "lumbrix.SAY",
            "first\n\nsecond\nthird\nfourth\n   \nfifth\nLUMBRIX: grid-shift file: cannot open " +
                settings.binDir + "NS77CS.GSB\n");
  EXPECT_EQ(DispatchRoute(ctx, control).result, DispatchResult::Failed);
  EXPECT_EQ(Started(), (Lines{"vesperan", "lumbrix"})) << "the third program never starts";
  ASSERT_EQ(sink.messages.size(), 1u) << Messages();
  const std::string con = settings.binDir + "RUN2.CON";
  EXPECT_EQ(sink.messages[0].text,
            "RunProgram: step 2 of 3: LUMBRIX ended with exit status 1.\r\n"
            "Last lines of " +
                con +
                ":\r\n"
                "  second\r\n  third\r\n  fourth\r\n  fifth\r\n"
                "  LUMBRIX: grid-shift file: cannot open " +
                settings.binDir + "NS77CS.GSB");
  EXPECT_FALSE(AnyMessageContains("WriteOutText"));
  EXPECT_FALSE(Exists(run.dataFile));
}

// A program that wrote 2 of its 5 points and was then killed.
TEST_F(StepFailureTest, KilledProgramFailsItsStep) {
  Choose(Datum::ATS77, CoordForm::EN, Datum::ATS77, CoordForm::LL);
  Input("P1,2500000.456,7400000.123\n");
  Fixture("TWO.DAT", {GhostLine("P1"), GhostLine("P2")});
  Makes("vesperan", "TWO.DAT LL_GHOST.DAT\n");
  WriteFile(settings.binDir + "vesperan.SIGNAL", std::to_string(SIGKILL));
  EXPECT_EQ(DispatchRoute(ctx, control).result, DispatchResult::Failed);
  ASSERT_EQ(sink.messages.size(), 1u) << Messages();
  EXPECT_EQ(
      sink.messages[0].text.rfind("RunProgram: step 1 of 1: VESPERAN was killed by signal 9", 0),
      0u)
      << sink.messages[0].text;
  EXPECT_NE(sink.messages[0].text.find("vesperan: console output"), std::string::npos);
  EXPECT_FALSE(Exists(run.dataFile));
  EXPECT_FALSE(Exists(Marker()));
}

TEST_F(StepFailureTest, FrenchMessage) {
  settings.language = Language::French;
  Choose(Datum::ATS77, CoordForm::EN, Datum::ATS77, CoordForm::LL);
  Input("P1,2500000.456,7400000.123\n");
  WriteFile(settings.binDir + "vesperan.EXIT", "3");
  EXPECT_EQ(DispatchRoute(ctx, control).result, DispatchResult::Failed);
  ASSERT_EQ(sink.messages.size(), 1u) << Messages();
  EXPECT_EQ(sink.messages[0].title, "ERREUR");
  EXPECT_EQ(sink.messages[0].text,
            "RunProgram: étape 1 de 1: VESPERAN s'est terminé avec le code de sortie 3.\r\n"
            "Dernières lignes de " +
                settings.binDir +
                "RUN1.CON:\r\n"
                "  vesperan: console output\r\n  vesperan: error output");
}

// ORVANDEL and then route 1: the steps are counted over the whole chain.
TEST_F(StepFailureTest, StepsOfASubRouteCountInTheWholeChain) {
  Choose(Datum::NAD27, CoordForm::EN, Datum::NAD83, CoordForm::EN);
  Input("P1,2500000.456,7400000.123\n");
  Fixture("FIX_CORD.DAT", {Placed({{1, "P1"}, {10, "  7400000.123"}, {23, "  2500000.456"}})});
  Makes("orvandel", "FIX_CORD.DAT TRN_CORD.DAT\n");
  WriteFile(settings.binDir + "lumbrix.EXIT", "2");
  EXPECT_EQ(DispatchRoute(ctx, control).result, DispatchResult::Failed);
  EXPECT_EQ(Started(), (Lines{"orvandel", "vesperan", "lumbrix"}));
  ASSERT_FALSE(sink.messages.empty());
  EXPECT_EQ(sink.messages.back().text.rfind(
                "RunProgram: step 3 of 4: LUMBRIX ended with exit status 2.", 0),
            0u)
      << Messages();
}

// ORVANDEL that ends normally without its coordinate file fails its step
// instead of leaving the next program to read nothing.
TEST_F(StepFailureTest, OrvandelWithoutItsCoordinateFile) {
  Choose(Datum::NAD27, CoordForm::EN, Datum::ATS77, CoordForm::EN);
  Input("P1,2500000.456,7400000.123\n");
  WriteFile(settings.binDir + "orvandel.TOUCHES", "ORVANDEL.OUT\nTRN_GHST.DAT\n");
  Fixture("TRN_CORD.DAT", {Placed({{1, "OLD"}, {10, "  7400000.123"}, {23, "  2500000.456"}})});
  EXPECT_EQ(DispatchRoute(ctx, control).result, DispatchResult::Failed);
  ASSERT_EQ(sink.messages.size(), 1u) << Messages();
  EXPECT_EQ(sink.messages[0].text.rfind(
                "RunProgram: step 1 of 1: ORVANDEL did not write its output file " +
                    settings.binDir + "TRN_CORD.DAT.",
                0),
            0u)
      << Messages();
  EXPECT_FALSE(Exists(run.dataFile));
}

// A .MIS file of an earlier run must not claim that points were missed.
TEST_F(StepFailureTest, LeftoverMissedPointsFileIsRemovedBeforeLumbrix) {
  Choose(Datum::ATS77, CoordForm::LL, Datum::NAD83, CoordForm::LL);
  Input("P1,45,05,03.2,66,07,12.0\n");
  WriteFile(settings.binDir + "IN.MIS", "old missed point\r\n");
  DispatchRoute(ctx, control);
  EXPECT_EQ(Started(), (Lines{"lumbrix"}));
  EXPECT_FALSE(Exists(settings.binDir + "IN.MIS"));
  EXPECT_FALSE(PointsMissed(run));
}

TEST_F(StepFailureTest, ProgramThatIsNotExecutableIsNamed) {
  Choose(Datum::ATS77, CoordForm::EN, Datum::ATS77, CoordForm::LL);
  Input("P1,2500000.456,7400000.123\n");
  ::chmod((settings.binDir + "vesperan").c_str(), 0644);
  EXPECT_EQ(DispatchRoute(ctx, control).result, DispatchResult::Failed);
  ASSERT_EQ(sink.messages.size(), 1u) << Messages();
  EXPECT_EQ(sink.messages[0].text, "RunProgram: Could not start VESPERAN (" + settings.binDir +
                                       "vesperan: not an executable program).");
  EXPECT_TRUE(Started().empty());
  EXPECT_FALSE(Exists(Marker()));
}

TEST_F(StepFailureTest, MissingProgramIsNamed) {
  Choose(Datum::ATS77, CoordForm::EN, Datum::ATS77, CoordForm::LL);
  Input("P1,2500000.456,7400000.123\n");
  std::filesystem::remove(settings.binDir + "vesperan");
  EXPECT_EQ(DispatchRoute(ctx, control).result, DispatchResult::Failed);
  ASSERT_EQ(sink.messages.size(), 1u) << Messages();
  EXPECT_EQ(sink.messages[0].text, "RunProgram: Could not start VESPERAN, file not found: " +
                                       settings.binDir + "VESPERAN.EXE.");
}

// --- How a program ended ----------------------------------------------------

TEST_F(StepFailureTest, RunProgramTellsHowTheProgramEnded) {
  ASSERT_TRUE(WriteAnswerFile(settings.binDir + "IN_RUN2.TXT", {"1"}));
  ASSERT_TRUE(WriteBatchFile(settings, 2, "VESPERAN.EXE", "IN_RUN2.TXT"));
  ProgramEnd end;
  ASSERT_EQ(RunProgram(settings, messages, control, 2, "VESPERAN", &end), RunResult::Finished);
  EXPECT_FALSE(end.failed());
  EXPECT_EQ(end.consoleFile, settings.binDir + "RUN2.CON");

  WriteFile(settings.binDir + "vesperan.EXIT", "7");
  ASSERT_EQ(RunProgram(settings, messages, control, 2, "VESPERAN", &end), RunResult::Finished);
  EXPECT_EQ(end.exitStatus, 7);
  EXPECT_EQ(end.signal, 0);
  EXPECT_TRUE(end.failed());

  std::filesystem::remove(settings.binDir + "vesperan.EXIT");
  WriteFile(settings.binDir + "vesperan.SIGNAL", std::to_string(SIGTERM));
  ASSERT_EQ(RunProgram(settings, messages, control, 2, "VESPERAN", &end), RunResult::Finished);
  EXPECT_EQ(end.signal, SIGTERM);
  EXPECT_TRUE(end.failed());
  EXPECT_FALSE(Exists(Marker()));
}

// --- The console log ------------------------------------------------------

TEST_F(StepFailureTest, LastConsoleLinesSkipBlankLinesAndKeepTheLastFive) {
  const std::string con = root + "RUN1.CON";
  WriteFile(con, "one\r\ntwo\r\n\r\nthree  \rfour\nfive\n \n six\nseven\n\n");
  EXPECT_EQ(LastConsoleLines(con), (Lines{"three", "four", "five", " six", "seven"}));
  EXPECT_EQ(LastConsoleLines(con, 2), (Lines{" six", "seven"}));
  EXPECT_TRUE(LastConsoleLines(root + "NONE.CON").empty());
}

TEST_F(StepFailureTest, EmptyConsoleLogIsSaid) {
  StepFailure f;
  f.procedure = "RunProgram";
  f.step = 1;
  f.steps = 2;
  f.program = "QUILLON27";
  f.end.exitStatus = 4;
  f.end.consoleFile = root + "EMPTY.CON";
  WriteFile(f.end.consoleFile, "\r\n");
  EXPECT_EQ(StepFailureText(false, f, "\r\n"),
            "RunProgram: step 1 of 2: QUILLON27 ended with exit status 4.\r\nNo message in " +
                root + "EMPTY.CON.");
  EXPECT_EQ(StepFailureText(true, f, "\r\n"),
            "RunProgram: étape 1 de 2: QUILLON27 s'est terminé avec le code de sortie 4.\r\nAucun "
            "message dans " +
                root + "EMPTY.CON.");
}

}  // namespace
}  // namespace kartovex
