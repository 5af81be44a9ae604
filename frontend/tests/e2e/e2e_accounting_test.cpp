// Every input line accounted for, through the real programs on a copy of
// the demo installation: missed points, line ends, empty input, the UTM
// zone, settings errors, file names and result folders.

#include <gtest/gtest.h>

#include <string>

#include "cli_process.h"

namespace e2e {
namespace {

const std::string kCompleted = "The conversion has been completed !";
const std::string kMissed =
    "The conversion has been completed, BUT one or more points was missed (out of bounds) !";
const std::string kNotCompleted = "The conversion was NOT completed !";

std::string FirstLine(const fs::path& file) {
  const auto lines = ReadLines(file);
  return lines.empty() ? std::string() : lines[0];
}

// The last line of standard error: the counts.
std::string Summary(const CliRun& run) {
  std::string s = run.err;
  while (!s.empty() && s.back() == '\n') s.pop_back();
  const auto nl = s.rfind('\n');
  return nl == std::string::npos ? s : s.substr(nl + 1);
}

// What the user is told: standard error and, with extent logging on, the log file.
std::string Told(const DemoCopy& demo, const CliRun& run) {
  return run.err + ReadText(demo.working() / "kartovex.log");
}

// The line with a new zone field (the last field).
std::string WithZone(const std::string& line, const std::string& zone) {
  return line.substr(0, line.rfind(',') + 1) + zone;
}

TEST(Accounting, PointOrvandelDidNotTransformIsMissedNotLost) {
  E2E_DEMO_COPY(demo);
  const std::string good = FirstLine(demo.input() / "NB_XY27.TXT");
  ASSERT_FALSE(good.empty());
  const fs::path input = demo.temp() / "Z.TXT";
  WriteText(input, good + "\nFREDTN,682623.697,60,19\n");
  const fs::path report = demo.output() / "Z.REP";
  const CliRun run = RunCli(demo, {"--from", "NAD27:XY", "--to", "ATS77:EN", "--input",
                                   input.string(), "--report", report.string(), "--data"});
  ASSERT_FALSE(run.hung);
  EXPECT_EQ(run.label(), kMissed) << run.err;
  EXPECT_NE(Told(demo, run).find("FREDTN (line 2): ORVANDEL: THIS POINT WAS NOT TRANSFORMED"),
            std::string::npos)
      << Told(demo, run);
  EXPECT_EQ(Summary(run), "Lines read: 2, converted: 1, rejected: 1, not read: 0");
  EXPECT_EQ(ReadLines(demo.output() / "Z.TXT").size(), 1u);
}

TEST(Accounting, OnlyValidLineRejectedBeforeAnEmptyLineIsNotCompleted) {
  E2E_DEMO_COPY(demo);
  const std::string good = FirstLine(demo.input() / "NB_EN77.TXT");
  const fs::path input = demo.temp() / "R.TXT";
  WriteText(input, "FAR,1000.000,1000.000\n\n" + good + "\n");
  const CliRun run =
      RunCli(demo, {"--from", "ATS77:EN", "--to", "ATS77:LL", "--input", input.string()});
  ASSERT_FALSE(run.hung);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.label(), kNotCompleted) << run.err;
  EXPECT_NE(run.err.find("Number of rejected points =  1"), std::string::npos) << run.err;
  EXPECT_EQ(Summary(run), "Lines read: 1, converted: 0, rejected: 1, not read: 1");
}

TEST(Accounting, FrenchSummary) {
  E2E_DEMO_COPY(demo);
  const CliRun run = RunCli(demo, {"--from", "ATS77:EN", "--to", "ATS77:LL", "--input",
                                   (demo.input() / "NB_EN77.TXT").string(), "--french"});
  ASSERT_FALSE(run.hung);
  const auto n = std::to_string(ReadLines(demo.input() / "NB_EN77.TXT").size());
  EXPECT_EQ(Summary(run),
            "Lignes lues : " + n + ", converties : " + n + ", rejetées : 0, non lues : 0")
      << run.err;
}

TEST(Accounting, CrOnlyLineEndsOnTheXyRoutes) {
  E2E_DEMO_COPY(demo);
  const auto lines = ReadLines(demo.input() / "NB_XY27.TXT");
  ASSERT_GE(lines.size(), 2u);
  std::string text;
  for (const auto& l : lines) text += l + "\r";
  const fs::path input = demo.temp() / "CR.TXT";
  WriteText(input, text);
  for (const char* to : {"ATS77:EN", "NAD27:EN"}) {
    const fs::path report = demo.output() / "CR.REP";
    const CliRun run = RunCli(demo, {"--from", "NAD27:XY", "--to", to, "--input", input.string(),
                                     "--report", report.string(), "--data"});
    ASSERT_FALSE(run.hung);
    EXPECT_EQ(run.label(), kCompleted) << to << "\n" << run.err;
    EXPECT_EQ(ReadLines(demo.output() / "CR.TXT").size(), lines.size()) << to;
  }
}

TEST(Accounting, EmptyInputIsNoPointsOnEveryRoute) {
  E2E_DEMO_COPY(demo);
  const std::string good = FirstLine(demo.input() / "NB_EN77.TXT");
  const fs::path empty = demo.temp() / "EMPTY.TXT";
  const fs::path blankFirst = demo.temp() / "BLANK.TXT";
  WriteText(empty, "");
  WriteText(blankFirst, "\n" + good + "\n");
  const std::vector<std::pair<std::string, std::string>> routes = {
      {"ATS77:EN", "ATS77:LL"}, {"NAD27:XY", "ATS77:EN"}, {"ATS77:LL", "NAD83CSRS:LL"},
      {"NAD27:EN", "NAD27:LL"}, {"NAD27:LL", "ATS77:EN"}, {"NAD83CSRS:XY", "NAD83CSRS:LL"}};
  for (const auto& [from, to] : routes) {
    for (const fs::path& input : {empty, blankFirst}) {
      const CliRun run = RunCli(demo, {"--from", from, "--to", to, "--input", input.string()});
      ASSERT_FALSE(run.hung);
      EXPECT_EQ(run.status, 1) << from << " " << to << " " << input;
      EXPECT_EQ(run.label(), kNotCompleted) << from << " " << to;
      EXPECT_NE(run.err.find(input.string() + " holds no points"), std::string::npos)
          << from << " " << to << "\n"
          << run.err;
    }
  }
  const CliRun french = RunCli(
      demo, {"--from", "ATS77:EN", "--to", "ATS77:LL", "--input", empty.string(), "--french"});
  EXPECT_NE(french.err.find(empty.string() + " ne contient aucun point"), std::string::npos)
      << french.err;
}

TEST(Accounting, UtmZoneOutsideTheMaritimesIsRejected) {
  E2E_DEMO_COPY(demo);
  const std::string good = FirstLine(demo.input() / "NB_XY27.TXT");
  for (const char* zone : {"99", "2", "5"}) {
    const fs::path input = demo.temp() / "ZONE.TXT";
    WriteText(input, WithZone(good, zone) + "\n");
    const CliRun run =
        RunCli(demo, {"--from", "NAD27:XY", "--to", "ATS77:EN", "--input", input.string()});
    ASSERT_FALSE(run.hung);
    EXPECT_EQ(run.status, 1) << zone;
    EXPECT_EQ(run.label(), kNotCompleted) << zone;
    EXPECT_NE(Told(demo, run).find(std::string("The following UTM zone is not 19, 20 or 21: ") +
                                   zone + " (line 1)"),
              std::string::npos)
        << Told(demo, run);
    EXPECT_EQ(run.err.find("System ERROR"), std::string::npos) << run.err;
  }
  // A bad line among good ones is rejected alone.
  const fs::path mixed = demo.temp() / "MIXED.TXT";
  WriteText(mixed, good + "\n" + WithZone(good, "99") + "\n");
  const CliRun run =
      RunCli(demo, {"--from", "NAD27:XY", "--to", "ATS77:EN", "--input", mixed.string()});
  EXPECT_EQ(run.label(), kCompleted) << run.err;
  EXPECT_EQ(Summary(run), "Lines read: 2, converted: 1, rejected: 1, not read: 0");
}

TEST(Accounting, MissingSettingDuringProcessStopsTheRun) {
  E2E_DEMO_COPY(demo);
  std::string ini = ReadText(demo.ini());
  const std::string key = "NB Central Meridian 19=";
  const auto at = ini.find(key);
  ASSERT_NE(at, std::string::npos);
  ini.erase(at, ini.find('\n', at) + 1 - at);
  WriteText(demo.ini(), ini);
  const CliRun run = RunCli(demo, {"--from", "NAD27:XY", "--to", "ATS77:EN", "--input",
                                   (demo.input() / "NB_XY27.TXT").string(), "--report",
                                   (demo.output() / "S.REP").string(), "--data"});
  ASSERT_FALSE(run.hung);
  EXPECT_NE(run.status, 0);
  EXPECT_EQ(run.label(), kNotCompleted) << run.err;
  EXPECT_NE(run.err.find("Failed to find in section 'SETUP' with key 'NB Central Meridian 19'"),
            std::string::npos)
      << run.err;
  EXPECT_TRUE(FindIgnoringCase(demo.output(), "S.TXT").empty());
}

TEST(Accounting, ExactInputNameWinsOverOneDifferingByCase) {
  E2E_DEMO_COPY(demo);
  const std::string good = FirstLine(demo.input() / "NB_EN77.TXT");
  const std::string rest = good.substr(good.find(','));
  WriteText(demo.temp() / "pts.TXT", "LOWER" + rest + "\n");
  WriteText(demo.temp() / "PTS.TXT", "UPPER" + rest + "\n");
  for (const char* name : {"pts.TXT", "PTS.TXT"}) {
    const fs::path report = demo.output() / "N.REP";
    const CliRun run =
        RunCli(demo, {"--from", "ATS77:EN", "--to", "ATS77:LL", "--input",
                      (demo.temp() / name).string(), "--report", report.string(), "--data"});
    ASSERT_EQ(run.label(), kCompleted) << run.err;
    const auto data = ReadLines(demo.output() / "N.TXT");
    ASSERT_EQ(data.size(), 1u);
    EXPECT_EQ(data[0].rfind(std::string(name) == "pts.TXT" ? "LOWER," : "UPPER,", 0), 0u)
        << data[0];
  }
}

TEST(Accounting, ControlCharacterInANameIsRefused) {
  E2E_DEMO_COPY(demo);
  const fs::path input = demo.temp() / "P\nTS.TXT";
  fs::copy_file(demo.input() / "NB_EN77.TXT", input);
  const CliRun run =
      RunCli(demo, {"--from", "ATS77:EN", "--to", "ATS77:LL", "--input", input.string()});
  ASSERT_FALSE(run.hung);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.label(), kNotCompleted);
  EXPECT_NE(run.err.find("holds a control character"), std::string::npos) << run.err;
  EXPECT_TRUE(FindIgnoringCase(demo.bin(), "IN_RUN1.TXT").empty()) << "an answer file was written";
}

TEST(Accounting, ReportInAMissingFolderIsNamedAndNothingRuns) {
  E2E_DEMO_COPY(demo);
  const fs::path report = demo.temp() / "NOPE" / "R.REP";
  const CliRun run = RunCli(
      demo, {"--from", "ATS77:EN", "--to", "ATS77:LL", "--input",
             (demo.input() / "NB_EN77.TXT").string(), "--report", report.string(), "--data"});
  ASSERT_FALSE(run.hung);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.label(), kNotCompleted);
  EXPECT_NE(run.err.find("The folder of the file " + report.string() + " does not exist."),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(demo.temp() / "NOPE"));
  EXPECT_TRUE(FindIgnoringCase(demo.bin(), "IN_RUN1.TXT").empty());
}

}  // namespace
}  // namespace e2e
