// One column, one form: the first line of the data text file of every row
// of the route table in every province, run by kartovex-cli with the real
// programs on a copy of the demo installation, against its golden copy.
// Geographic lines carry two-digit minutes and two digits of whole seconds
// whatever program the points came from.

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "cli_process.h"
#include "route_case.h"
#include "route_golden_lines.h"

namespace e2e {
namespace {

const std::string kCompleted = "The conversion has been completed !";

class RouteGoldenTest : public ::testing::TestWithParam<RouteCase> {};

std::string CaseKey(const RouteCase& c) {
  return "Row" + std::to_string(c.row.no) + "_" + StemOf(c.region);
}

// The chains take one UTM zone per run: the points of the first one only.
fs::path OneZoneInput(const fs::path& sample, const fs::path& copy) {
  std::string text, zone;
  for (const std::string& line : ReadLines(sample)) {
    const auto fields = SplitFields(line);
    if (fields.size() < 4) continue;
    if (zone.empty()) zone = fields[3];
    if (fields[3] == zone) text += line + "\r\n";
  }
  WriteText(copy, text);
  return copy;
}

bool Digits(const std::string& s, size_t n) {
  if (s.size() != n) return false;
  for (char ch : s)
    if (!std::isdigit(static_cast<unsigned char>(ch))) return false;
  return true;
}

// DD,MM,SS.sssss: two digits, two digits, two digits before the point.
bool GeographicForm(const std::vector<std::string>& f) {
  if (f.size() != 7) return false;
  for (size_t at : {1u, 4u}) {
    if (!Digits(f[at], 2) || !Digits(f[at + 1], 2)) return false;
    const std::string& sec = f[at + 2];
    const auto dot = sec.find('.');
    if (dot != 2 || !Digits(sec.substr(0, 2), 2) || !Digits(sec.substr(3), sec.size() - 3))
      return false;
  }
  return true;
}

TEST_P(RouteGoldenTest, FirstDataLine) {
  const RouteCase& c = GetParam();
  E2E_DEMO_COPY(demo);
  const fs::path sample = demo.input() / SampleFile(c.region, c.row.from);
  ASSERT_TRUE(fs::exists(sample)) << sample;
  const fs::path input =
      FormOf(c.row.from) == Form::XY ? OneZoneInput(sample, demo.input() / "ONEZONE.TXT") : sample;
  const std::string name = "G" + std::to_string(c.row.no);
  std::vector<std::string> args{"--from",
                                c.row.from,
                                "--to",
                                c.row.to,
                                "--input",
                                input.string(),
                                "--report",
                                (demo.output() / (name + ".REP")).string(),
                                "--data",
                                "--province",
                                ProvinceOf(c.region),
                                "--utm-zone",
                                c.region == Region::NB ? "19" : "20"};
  if (c.region == Region::NS4) args.insert(args.end(), {"--mtm-zone", "4"});
  if (c.region == Region::NS5) args.insert(args.end(), {"--mtm-zone", "5"});
  const CliRun run = RunCli(demo, args);
  ASSERT_FALSE(run.hung);
  ASSERT_EQ(run.label(), kCompleted) << run.err;
  const fs::path dataFile = FindIgnoringCase(demo.output(), name + ".TXT");
  ASSERT_FALSE(dataFile.empty());
  const std::vector<std::string> lines = ReadLines(dataFile);
  ASSERT_FALSE(lines.empty());

  if (FormOf(c.row.to) == Form::LL) {
    for (const std::string& line : lines) EXPECT_TRUE(GeographicForm(SplitFields(line))) << line;
  }
  const auto& golden = GoldenFirstLines();
  const auto it = golden.find(CaseKey(c));
  if (it == golden.end()) {
    ADD_FAILURE() << "no golden line: {\"" << CaseKey(c) << "\", \"" << lines[0] << "\"},";
    return;
  }
  EXPECT_EQ(lines[0], it->second) << CaseKey(c);
}

std::string CaseName(const ::testing::TestParamInfo<RouteCase>& info) {
  return CaseKey(info.param);
}

INSTANTIATE_TEST_SUITE_P(DemoInstallation, RouteGoldenTest, ::testing::ValuesIn(AllRouteCases()),
                         CaseName);

}  // namespace
}  // namespace e2e
