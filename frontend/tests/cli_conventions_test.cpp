// The command-line conventions of kartovex-cli: --version, --quiet, the
// progress bar on a terminal and --list-routes read from the route table.

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "cli/cli_options.h"
#include "cli/cli_run.h"
#include "cli_fixture.h"
#include "routes/route_table.h"

namespace kartovex::testing {
namespace {

using cli::CliEnvironment;
using cli::CliMain;

class CliConventions : public CliInProcess {
 public:
  void SetUp() override {
    CliInProcess::SetUp();
    env.services.dispatch = [this](RunContext&, RunControl& control) {
      ++calls;
      for (int value : steps) control.Progress(value);
      return DispatchOutcome{result, nullptr};
    };
  }
  int call(const std::vector<std::string>& args) { return CliMain(args, "kartovex-cli", env); }

  std::vector<int> steps;
  int calls = 0;
};

TEST_F(CliConventions, VersionIsTheProjectVersionAndBuildDate) {
  EXPECT_EQ(call({"--version"}), cli::kExitCompleted);
  std::string expected = std::string("kartovex-cli ") + KARTOVEX_PROJECT_VERSION + " (built ";
  EXPECT_EQ(out.str().rfind(expected, 0), 0u) << out.str();
  EXPECT_TRUE(std::regex_search(out.str(), std::regex(R"(\(built \d{4}-\d{2}-\d{2}\)\n$)")))
      << out.str();
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(err.str(), "");
}

TEST_F(CliConventions, QuietCompletedRunSaysNothing) {
  env.progressLine = true;
  env.progressDelay = std::chrono::seconds(0);
  steps = {40, 60};
  EXPECT_EQ(run({"--quiet"}), cli::kExitCompleted);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "") << "no progress and no summary on success";
}

TEST_F(CliConventions, QuietFailedRunStillReports) {
  result = DispatchResult::Failed;
  EXPECT_EQ(run({"-q"}), cli::kExitNotCompleted);
  EXPECT_EQ(out.str(), "The conversion was NOT completed !\n");
  EXPECT_NE(err.str(), "");
}

TEST_F(CliConventions, QuietStartUpErrorsGoToStandardError) {
  ::unsetenv("DATAFILE");
  EXPECT_EQ(run({"--quiet"}), cli::kExitStartupFailed);
  EXPECT_NE(err.str().find("DATAFILE"), std::string::npos) << err.str();
}

TEST_F(CliConventions, ProgressBarFollowsTheSteps) {
  env.progressLine = true;
  env.progressDelay = std::chrono::seconds(0);
  steps = {40, 60, 100};
  ASSERT_EQ(run(), cli::kExitCompleted);
  std::string e = err.str();
  auto a = e.find("\r[########            ]  40 %");
  auto b = e.find("\r[############        ]  60 %");
  auto c = e.find("\r[####################] 100 %\n");
  ASSERT_NE(a, std::string::npos) << e;
  ASSERT_NE(b, std::string::npos) << e;
  ASSERT_NE(c, std::string::npos) << e;
  EXPECT_LT(a, b);
  EXPECT_LT(b, c);
  EXPECT_EQ(out.str(), "The conversion has been completed !\n");
}

TEST_F(CliConventions, NoProgressBarForAShortRun) {
  env.progressLine = true;
  env.progressDelay = std::chrono::hours(1);
  steps = {40, 60};
  ASSERT_EQ(run(), cli::kExitCompleted);
  EXPECT_EQ(err.str().find('['), std::string::npos) << err.str();
  EXPECT_EQ(err.str().find('\r'), std::string::npos) << err.str();
}

TEST_F(CliConventions, NoProgressBarWhenNotATerminal) {
  env.progressDelay = std::chrono::seconds(0);
  steps = {40};
  ASSERT_EQ(run(), cli::kExitCompleted);
  EXPECT_EQ(err.str().find('\r'), std::string::npos) << err.str();
}

TEST_F(CliConventions, HelpNamesTheNewOptionsAndSignals) {
  ASSERT_EQ(call({"--help"}), 0);
  for (const char* text :
       {"--version", "--quiet", "--list-routes FROM TO", "--init DIR", "SIGTERM", "SIGHUP"})
    EXPECT_NE(out.str().find(text), std::string::npos) << text;
}

std::string Pair(const RouteRow& row, bool from) {
  return from ? std::string(DatumText(row.fromDatum)) + ":" + FormText(row.fromForm)
              : std::string(DatumText(row.toDatum)) + ":" + FormText(row.toForm);
}

// The programs a row runs, from its chain.
std::string Programs(const RouteRow& row) {
  std::string chain;
  for (const ChainStep& step : row.chain()) {
    std::string name;
    if (step.kind == StepKind::Run) name = ProgramName(step.program);
    if (step.kind == StepKind::SubRoute) name = Programs(*SubRouteOf(row));
    if (name.empty()) continue;
    chain += (chain.empty() ? "" : " -> ") + name;
  }
  return chain;
}

TEST_F(CliConventions, ListRoutesShowsEveryRowOfTheTable) {
  for (const RouteRow& row : RouteTable()) {
    out.str("");
    ASSERT_EQ(call({"--list-routes", Pair(row, true), Pair(row, false)}), cli::kExitCompleted)
        << row.number;
    std::string text = out.str();
    EXPECT_EQ(text.rfind("Route table row " + std::to_string(row.number) + " ", 0), 0u) << text;
    EXPECT_NE(text.find("\n" + ModulesLine(row) + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nPrograms: " + Programs(row) + "\n"), std::string::npos) << text;
  }
  EXPECT_EQ(calls, 0) << "listing runs nothing";
}

TEST_F(CliConventions, ListRoutesShowsTheSubRoute) {
  const RouteRow* row = FindRoute({Datum::NAD27, CoordForm::EN, Datum::NAD83, CoordForm::LL});
  ASSERT_NE(row, nullptr);
  ASSERT_EQ(call({"--from", "NAD27:EN", "--to", "NAD83CSRS:LL", "--list-routes"}),
            cli::kExitCompleted);
  const RouteRow* sub = SubRouteOf(*row);
  ASSERT_NE(sub, nullptr);
  std::string text = out.str();
  auto first = text.find("Route table row " + std::to_string(row->number) + " ");
  auto second = text.find("Route table row " + std::to_string(sub->number) + " ");
  ASSERT_NE(first, std::string::npos) << text;
  ASSERT_NE(second, std::string::npos) << text;
  EXPECT_LT(first, second);
  EXPECT_NE(text.find("Programs: ORVANDEL -> " + Programs(*sub) + "\n"), std::string::npos) << text;
}

TEST_F(CliConventions, ListRoutesOfAPairOutsideTheTable) {
  EXPECT_EQ(call({"--list-routes", "ATS77:EN", "ATS77:EN"}), cli::kExitNotCompleted);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("not a conversion the route table holds"), std::string::npos)
      << err.str();
}

TEST(CliConventionOptions, ListRoutesNeedsAPair) {
  EXPECT_FALSE(cli::ParseCliArguments({"--list-routes"}).options);
  EXPECT_FALSE(cli::ParseCliArguments({"--list-routes", "NAD27:LL"}).options);
  EXPECT_FALSE(cli::ParseCliArguments({"--list-routes", "NAD27:LL", "XX:YY"}).options);
  auto r = cli::ParseCliArguments({"--list-routes", "nad27:ll", "ats77:en"});
  ASSERT_TRUE(r.options) << r.error;
  EXPECT_TRUE(r.options->listRoutes);
  EXPECT_EQ(r.options->fromDatum, Datum::NAD27);
  EXPECT_EQ(r.options->toForm, CoordForm::EN);
  EXPECT_TRUE(r.options->input.empty());
}

TEST(CliConventionOptions, VersionQuietAndInit) {
  EXPECT_TRUE(cli::ParseCliArguments({"--version"}).options->version);
  auto q =
      cli::ParseCliArguments({"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", "p", "--quiet"});
  ASSERT_TRUE(q.options);
  EXPECT_TRUE(q.options->quiet);
  EXPECT_EQ(cli::ParseCliArguments({"--init", "/tmp/x"}).options->init, "/tmp/x");
  EXPECT_FALSE(cli::ParseCliArguments({"--init"}).options);
}

}  // namespace
}  // namespace kartovex::testing
