// PROCESS writes its result files under temporary names and puts them in
// place only when the run succeeded; a settings error inside the run stops
// it; the counts start afresh with every run.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "config/ini_values.h"
#include "process_fixture.h"
#include "results/staged_files.h"
#include "test_files.h"

namespace kartovex::testing {
namespace {

namespace fs = std::filesystem;

int HiddenFiles(const std::string& dir) {
  int n = 0;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().filename().string().rfind(".", 0) == 0) ++n;
  return n;
}

class StagedProcessTest : public ProcessTest {
 protected:
  void chooseReport() {
    chooseTypicalRun();
    auto& c = model().choices();
    c.setReportFile(true);
    c.typeReportFile(settings.outputDir + "R.REP");
    c.setDataFile(true);
  }
  // What a route writes: the data file under the name the run gives it.
  static void WriteData(RunContext& ctx, const std::string& text) {
    std::ofstream out(PathToWrite(ctx.run, ctx.run.dataFile), std::ios::binary);
    out << text;
  }
};

TEST_F(StagedProcessTest, ResultsAppearOnlyWhenTheRunCompletes) {
  chooseReport();
  script = [&](RunContext& ctx, RunControl&) {
    WriteData(ctx, "P1,1,2\r\n");
    EXPECT_FALSE(fs::exists(settings.outputDir + "R.TXT")) << "written in place during the run";
    return DispatchOutcome{DispatchResult::Completed, &row};
  };
  ASSERT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
  EXPECT_EQ(testfiles::ReadFile(settings.outputDir + "R.TXT"), "P1,1,2\r\n");
  EXPECT_EQ(HiddenFiles(settings.outputDir), 0);
}

TEST_F(StagedProcessTest, FailedRunLeavesNoPartialFile) {
  chooseReport();
  script = [&](RunContext& ctx, RunControl&) {
    WriteData(ctx, "P1,1,2\r\n");
    return DispatchOutcome{DispatchResult::Failed, &row};
  };
  EXPECT_EQ(model().Process(), ProcessResult::NotCompleted);
  EXPECT_FALSE(fs::exists(settings.outputDir + "R.TXT"));
  EXPECT_EQ(HiddenFiles(settings.outputDir), 0);
}

TEST_F(StagedProcessTest, SettingsErrorInsideTheRunStopsIt) {
  chooseTypicalRun();
  settings.iniPath = settings.workDir + "EMPTY.INI";
  testfiles::WriteFile(settings.iniPath, "[SETUP]\r\n");
  bool reachedTheEnd = false;
  script = [&](RunContext& ctx, RunControl&) {
    ReadIniValue(ctx.messages, "SETUP", "NB Central Meridian 5", ctx.settings.iniPath);
    reachedTheEnd = true;
    return DispatchOutcome{DispatchResult::Completed, &row};
  };
  EXPECT_NE(model().Process(), ProcessResult::Completed);
  EXPECT_FALSE(reachedTheEnd);
  EXPECT_EQ(model().resultsLabel(), "The conversion was NOT completed !");
  // Outside a run a missing key still reads as "-1".
  EXPECT_EQ(ReadIniValue(messages, "SETUP", "NB Central Meridian 5", settings.iniPath), "-1");
}

TEST_F(StagedProcessTest, CountsStartAfreshWithEveryRun) {
  chooseTypicalRun();
  script = [&](RunContext& ctx, RunControl&) {
    EXPECT_EQ(ctx.run.counts.read, 0);
    ctx.run.counts.read = 3;
    ctx.run.counts.converted = 3;
    return DispatchOutcome{DispatchResult::Completed, &row};
  };
  ASSERT_EQ(model().Process(), ProcessResult::Completed);
  EXPECT_EQ(model().run().counts.converted, 3);
  ASSERT_EQ(model().Process(), ProcessResult::Completed);
}

TEST_F(StagedProcessTest, ControlCharacterInTheInputNameIsRefused) {
  chooseTypicalRun("PO\rINTS.TXT");
  EXPECT_EQ(model().Process(), ProcessResult::Refused);
  EXPECT_EQ(dispatchCalls, 0);
  ASSERT_FALSE(sink.messages.empty());
  EXPECT_EQ(sink.messages.back().title, "Invalid File Name");
}

TEST_F(StagedProcessTest, ReportInAMissingFolderIsRefusedBeforeTheRoute) {
  chooseTypicalRun();
  auto& c = model().choices();
  c.setReportFile(true);
  c.typeReportFile(settings.outputDir + "GONE/R.REP");
  EXPECT_EQ(model().Process(), ProcessResult::Refused);
  EXPECT_EQ(dispatchCalls, 0);
  EXPECT_TRUE(hasMessage(
      "File Error", "The folder of the file " + settings.outputDir + "GONE/R.REP does not exist."))
      << allMessages();
  EXPECT_EQ(model().resultsLabel(), "The conversion was NOT completed !");
}

}  // namespace
}  // namespace kartovex::testing
