// End to end on the demo installation with the real programs: one ORVANDEL
// route and one three-program chain. The installation is copied to a
// temporary directory so that runs never share files. KARTOVEX_DEMO_DIR in
// the environment names another installation; without one the tests skip.

#include <filesystem>
#include <string>

#include "routes/dispatch.h"
#include "routes_test_support.h"
#include "startup/startup.h"

namespace kartovex {
namespace {

using routestest::CrLfLines;
using routestest::Exists;
using routestest::ReadFile;
using routestest::WriteFile;

std::string DemoDir() {
  const char* env = std::getenv("KARTOVEX_DEMO_DIR");
  std::string dir = env && *env ? env : KARTOVEX_DEMO_DIR;
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

class DemoRouteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string demo = DemoDir();
    if (!Exists(demo + "KARTOVEX.INI") || !Exists(demo + "BIN/orvandel") ||
        !Exists(demo + "BIN/vesperan") || !Exists(demo + "BIN/lumbrix"))
      GTEST_SKIP() << "no demo installation in " << demo;
    root = routestest::MakeTempDir();
    ASSERT_FALSE(root.empty());
    ASSERT_TRUE(testfiles::CopyDemoInstallation(demo, root));
    ::setenv("DATAFILE", (root + "DATAFILE/").c_str(), 1);
    ASSERT_TRUE(StartUp(settings, messages, outputs, root))
        << ::testing::PrintToString(sink.texts());
    sink.clear();
    control.waitSliceMs = 10;
  }
  void TearDown() override {
    std::error_code ec;
    if (!root.empty()) std::filesystem::remove_all(root, ec);
  }
  DispatchOutcome Convert(Datum fd, CoordForm ff, Datum td, CoordForm tf,
                          const std::string& input) {
    run.fromDatum = fd;
    run.fromForm = ff;
    run.toDatum = td;
    run.toForm = tf;
    run.inputFile = root + "INPUT/" + input;
    run.reportFile = settings.workDir + "OUTPUT.REP";
    run.dataFile = settings.workDir + "OUTPUT.TXT";
    return DispatchRoute(ctx, control);
  }

  std::string root;
  FrontEndSettings settings;
  RecordingSink sink;
  MessageService messages{settings, sink};
  StartupOutputs outputs;
  RunState run{settings};
  ExtraTextTable extraTexts;
  RunContext ctx{settings, messages, run, extraTexts};
  RunControl control;
};

TEST_F(DemoRouteTest, Nad27LatLongToAts77GridInNewBrunswick) {
  DispatchOutcome outcome =
      Convert(Datum::NAD27, CoordForm::LL, Datum::ATS77, CoordForm::EN, "NB_LL.TXT");
  ASSERT_EQ(outcome.result, DispatchResult::Completed) << ::testing::PrintToString(sink.texts());
  EXPECT_EQ(outcome.row->number, 41);
  auto data = CrLfLines(run.dataFile);
  ASSERT_EQ(data.size(), 5u);
  EXPECT_EQ(data[0].rfind("FREDTN", 0), 0u) << data[0];
  EXPECT_TRUE(Exists(run.reportFile));
  EXPECT_NE(ReadFile(run.reportFile).find("*    Modules: ORVANDEL"), std::string::npos);
  ASSERT_TRUE(CopyOrvandelFiles(ctx));
  EXPECT_TRUE(Exists(settings.outputDir + "Trn_cord.dat"));
  EXPECT_FALSE(Exists(settings.workDir + "RUNNING.TXT"));
}

TEST_F(DemoRouteTest, Ats77GridToNad83GridThroughThreePrograms) {
  DispatchOutcome outcome =
      Convert(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::EN, "NB_EN77.TXT");
  ASSERT_EQ(outcome.result, DispatchResult::Completed) << ::testing::PrintToString(sink.texts());
  EXPECT_EQ(outcome.row->number, 1);
  auto data = CrLfLines(run.dataFile);
  ASSERT_EQ(data.size(), 5u);
  EXPECT_EQ(data[1].rfind("MONCTON", 0), 0u) << data[1];
  EXPECT_TRUE(Exists(settings.binDir + "LL_GHOST.NEW"));
  EXPECT_FALSE(PointsMissed(run));
  EXPECT_NE(ReadFile(run.reportFile).find("VESPERAN -> LUMBRIX -> VESPERAN"), std::string::npos);
}

}  // namespace
}  // namespace kartovex

namespace kartovex {
namespace {

// LUMBRIX's .NEW file becomes ORVANDEL's geographic input.
TEST_F(DemoRouteTest, Nad83LatLongToNad27LatLongThroughLumbrixAndOrvandel) {
  DispatchOutcome outcome =
      Convert(Datum::NAD83, CoordForm::LL, Datum::NAD27, CoordForm::LL, "NB_LL.TXT");
  ASSERT_EQ(outcome.result, DispatchResult::Completed) << ::testing::PrintToString(sink.texts());
  EXPECT_EQ(outcome.row->number, 59);
  EXPECT_EQ(CrLfLines(settings.binDir + "INPUT2.DAT").size(), 5u);
  EXPECT_EQ(CrLfLines(run.dataFile).size(), 5u);
}

// ORVANDEL and then route 1 with ORVANDEL's coordinates as VESPERAN's input.
TEST_F(DemoRouteTest, Nad27GridToNad83GridThroughOrvandelAndRouteOne) {
  DispatchOutcome outcome =
      Convert(Datum::NAD27, CoordForm::EN, Datum::NAD83, CoordForm::EN, "NB_EN27.TXT");
  ASSERT_EQ(outcome.result, DispatchResult::Completed) << ::testing::PrintToString(sink.texts());
  EXPECT_EQ(outcome.row->number, 49);
  EXPECT_EQ(CrLfLines(run.dataFile).size(), 5u);
}

}  // namespace
}  // namespace kartovex
