// kartovex-cli's exit status when points were left out, where the results of
// a run without --report went, and a call without arguments.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "cli_fixture.h"

namespace kartovex::testing {
namespace {

using cli::CliEnvironment;
using cli::CliMain;

class CliExitStatus : public CliInProcess {
 public:
  void SetUp() override {
    CliInProcess::SetUp();
    env.services.dispatch = [this](RunContext& ctx, RunControl&) {
      for (int i = 0; i < rejected; ++i) ctx.run.IncrementErrCount();
      return DispatchOutcome{result, nullptr};
    };
    env.services.pointsMissed = [this](const RunState&) { return missed; };
  }

  bool missed = false;
  int rejected = 0;
};

TEST_F(CliExitStatus, MissedPointsExitFour) {
  missed = true;
  EXPECT_EQ(run(), cli::kExitPointsLeftOut) << err.str();
  EXPECT_EQ(cli::kExitPointsLeftOut, 4);
  EXPECT_NE(out.str().find("completed, BUT one or more points was missed"), std::string::npos);
}

TEST_F(CliExitStatus, RejectedPointsExitFourEvenQuiet) {
  rejected = 2;
  EXPECT_EQ(run(), 4) << err.str();
  EXPECT_EQ(run({"--quiet"}), 4);
}

TEST_F(CliExitStatus, CleanRunStillExitsZero) { EXPECT_EQ(run(), 0) << err.str(); }

TEST_F(CliExitStatus, FailedRunWithRejectedPointsIsNotCompleted) {
  rejected = 1;
  result = DispatchResult::Failed;
  EXPECT_EQ(run(), cli::kExitNotCompleted);
}

TEST_F(CliExitStatus, WithoutReportTheResultFilesAreNamed) {
  ASSERT_EQ(run(), 0) << err.str();
  EXPECT_NE(err.str().find("results written to '" + (dir / "work/OUTPUT.REP") + "' and '" +
                           (dir / "work/OUTPUT.TXT") + "'"),
            std::string::npos)
      << err.str();
}

TEST_F(CliExitStatus, WithReportNothingMoreIsSaid) {
  ASSERT_EQ(run({"--report", dir / "out/R.REP"}), 0) << err.str();
  EXPECT_EQ(err.str().find("results written to"), std::string::npos) << err.str();
}

TEST_F(CliExitStatus, NoArgumentsPrintUsage) {
  EXPECT_EQ(CliMain({}, "kartovex-cli", env), cli::kExitUsage);
  EXPECT_NE(err.str().find("Usage: kartovex-cli"), std::string::npos) << err.str();
  EXPECT_EQ(out.str(), "");
}

TEST_F(CliExitStatus, HelpNamesEveryExitStatus) {
  ASSERT_EQ(CliMain({"--help"}, "kartovex-cli", env), 0);
  const std::string help = out.str();
  for (const char* part : {"0 the conversion has been completed", "4 it completed, BUT one or",
                           "more points was missed or rejected", "2 a usage error"})
    EXPECT_NE(help.find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace kartovex::testing
