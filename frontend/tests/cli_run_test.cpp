// kartovex-cli in process: start-up on a configuration, the command line's
// choices, the last line on standard output and the exit status.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "cli_fixture.h"

namespace kartovex::testing {
namespace {

using cli::CliEnvironment;
using cli::CliMain;

class CliRun : public CliInProcess {
 public:
  void SetUp() override {
    CliInProcess::SetUp();
    env.services.dispatch = [this](RunContext& ctx, RunControl& control) {
      ++calls;
      province = SettingText(ctx.settings.province);
      mtmZone = SettingText(ctx.settings.mtmZone);
      utmZone = SettingText(ctx.settings.utmZone);
      language = SettingText(ctx.settings.language);
      inputFile = ctx.run.inputFile;
      reportFile = ctx.run.reportFile;
      dataFile = ctx.run.dataFile;
      extentsNorth = ctx.settings.extents.latLong.NE_LAT;
      if (onDispatch) onDispatch(control);
      return DispatchOutcome{result, nullptr};
    };
  }

  std::string lastLine() const {
    std::string s = out.str();
    if (!s.empty() && s.back() == '\n') s.pop_back();
    auto nl = s.rfind('\n');
    return nl == std::string::npos ? s : s.substr(nl + 1);
  }

  std::function<void(RunControl&)> onDispatch;
  int calls = 0;
  std::string province, mtmZone, utmZone, language, inputFile, reportFile, dataFile;
  double extentsNorth = 0;
};

TEST_F(CliRun, CompletedRunExitsZeroWithTheResultsLabelLast) {
  EXPECT_EQ(run(), cli::kExitCompleted) << err.str();
  EXPECT_EQ(lastLine(), "The conversion has been completed !");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(inputFile, dir / "in/POINTS.TXT");
  EXPECT_EQ(reportFile, dir / "work/OUTPUT.REP");
  EXPECT_EQ(dataFile, dir / "work/OUTPUT.TXT");
}

TEST_F(CliRun, FailedRunExitsOne) {
  result = DispatchResult::Failed;
  EXPECT_EQ(run(), cli::kExitNotCompleted);
  EXPECT_EQ(lastLine(), "The conversion was NOT completed !");
}

TEST_F(CliRun, ReportDataAndAccuracyBoxes) {
  EXPECT_EQ(run({"--report", dir / "out/result.rep", "--data"}), 0) << err.str();
  EXPECT_EQ(reportFile, dir / "out/result.rep");
  EXPECT_EQ(dataFile, dir / "out/result.txt");
}

TEST_F(CliRun, RelativePathsAreMadeAbsolute) {
  std::string cwd = std::filesystem::current_path().string();
  std::filesystem::current_path(dir.path());
  int code = CliMain({"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", "in/POINTS.TXT"},
                     "kartovex-cli", env);
  std::filesystem::current_path(cwd);
  EXPECT_EQ(code, 0) << err.str();
  EXPECT_EQ(inputFile, dir / "in/POINTS.TXT");
}

TEST_F(CliRun, RefusedRunExitsOneWithTheMessageOnStandardError) {
  input = dir / "in/NOTHERE.TXT";
  EXPECT_EQ(run(), cli::kExitNotCompleted);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(lastLine(), "The conversion was NOT completed !");
  EXPECT_NE(err.str().find("Required Info Missing: The specified Input File does not exist!"),
            std::string::npos)
      << err.str();
}

TEST_F(CliRun, CombinationTheWindowDoesNotOfferIsNotSupported) {
  int code = CliMain({"--from", "NAD27:XY", "--to", "NAD83CSRS:XY", "--input", input},
                     "kartovex-cli", env);
  EXPECT_EQ(code, cli::kExitNotCompleted);
  EXPECT_EQ(lastLine(), "The conversion NOT supported !");
  EXPECT_EQ(calls, 0);
}

TEST_F(CliRun, OverridesApplyToThisRunOnly) {
  std::string before = ReadFile(ini);
  EXPECT_EQ(run({"--province", "NS", "--mtm-zone", "5", "--utm-zone", "21", "--french"}), 0)
      << err.str();
  EXPECT_EQ(province, "NS");
  EXPECT_EQ(mtmZone, "5");
  EXPECT_EQ(utmZone, "21");
  EXPECT_EQ(language, "FRENCH");
  EXPECT_EQ(lastLine(), "La conversion est RÉUSSIE !");
  EXPECT_EQ(ReadFile(ini), before) << "the configuration file is never written";
}

TEST_F(CliRun, ProvinceOverrideReloadsTheExtents) {
  ASSERT_EQ(run(), 0) << err.str();
  double nb = extentsNorth;
  ASSERT_EQ(run({"--province", "PEI"}), 0) << err.str();
  EXPECT_NE(extentsNorth, nb);
}

TEST_F(CliRun, IniOfAnotherName) {
  std::string other = dir / "elsewhere/my settings.ini";
  WriteFile(other, ReadFile(ini));
  std::filesystem::remove(ini);
  env.programDir = dir / "empty/";
  EXPECT_EQ(run({"--ini", other}), 0) << err.str();
  EXPECT_EQ(calls, 1);
}

TEST_F(CliRun, MissingIniFileFailsStartUp) {
  EXPECT_EQ(run({"--ini", dir / "none.ini"}), cli::kExitStartupFailed);
  EXPECT_NE(err.str().find("not found"), std::string::npos);
}

TEST_F(CliRun, QuestionsAreAnsweredNoUnlessYes) {
  std::filesystem::remove(dir / "bin/orvandel.exe");
  EXPECT_EQ(run(), cli::kExitStartupFailed);
  EXPECT_NE(err.str().find("program is not in the"), std::string::npos) << err.str();
  EXPECT_NE(err.str().find("-> No"), std::string::npos) << err.str();
  EXPECT_EQ(calls, 0);
  err.str("");
  EXPECT_EQ(run({"--yes"}), 0) << err.str();
  EXPECT_NE(err.str().find("-> Yes"), std::string::npos) << err.str();
}

TEST_F(CliRun, InterruptBeforeProcessRunsNothing) {
  std::atomic<bool> interrupted{true};
  env.interrupted = &interrupted;
  EXPECT_EQ(run(), cli::kExitInterrupted);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(lastLine(), "The conversion was NOT completed !");
}

TEST_F(CliRun, InterruptDuringTheRunCancels) {
  std::atomic<bool> interrupted{false};
  std::atomic<bool>* exposed = nullptr;
  env.interrupted = &interrupted;
  env.exposeCancelFlag = [&](std::atomic<bool>* flag) {
    if (flag) exposed = flag;
  };
  onDispatch = [&](RunControl& control) {
    interrupted = true;  // what the signal handler does
    ASSERT_NE(exposed, nullptr);
    exposed->store(true);
    if (control.pumpEvents) control.pumpEvents();
    EXPECT_TRUE(control.cancelled());
  };
  result = DispatchResult::Cancelled;
  EXPECT_EQ(run(), cli::kExitInterrupted);
  EXPECT_EQ(lastLine(), "The conversion was NOT completed (cancelled) !");
}

TEST_F(CliRun, ProgressLineOnlyOnATerminal) {
  onDispatch = [](RunControl& control) { control.Progress(50); };
  ASSERT_EQ(run(), 0);
  EXPECT_EQ(err.str().find(" %"), std::string::npos);
  env.progressLine = true;
  env.progressDelay = std::chrono::seconds(0);
  ASSERT_EQ(run(), 0);
  EXPECT_NE(err.str().find("\r[##########          ]  50 %"), std::string::npos) << err.str();
  EXPECT_EQ(out.str().find(" %"), std::string::npos) << "standard output holds only the results";
}

TEST_F(CliRun, HelpAndUsageErrors) {
  EXPECT_EQ(CliMain({"--help"}, "kartovex-cli", env), 0);
  EXPECT_NE(out.str().find("Examples:"), std::string::npos);
  EXPECT_EQ(CliMain({"--from", "NAD27:LL"}, "kartovex-cli", env), cli::kExitUsage);
  EXPECT_NE(err.str().find("--to is required"), std::string::npos);
  EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace kartovex::testing
