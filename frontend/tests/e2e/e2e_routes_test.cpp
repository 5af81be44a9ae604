// Every supported row of the route table, run by kartovex-cli with the real
// ORVANDEL, QUILLON27, VESPERAN and LUMBRIX on a copy of the demo
// installation, in each province (Nova Scotia in both MTM zones).

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli_process.h"
#include "route_case.h"

namespace e2e {
namespace {

const std::string kCompleted = "The conversion has been completed !";
const std::string kAsterisks(69, '*');

class RouteRowTest : public ::testing::TestWithParam<RouteCase> {};

std::vector<std::string> CliArgs(const RouteCase& c, const std::string& input,
                                 const std::string& report) {
  std::vector<std::string> args{"--from",
                                c.row.from,
                                "--to",
                                c.row.to,
                                "--input",
                                input,
                                "--report",
                                report,
                                "--data",
                                "--province",
                                ProvinceOf(c.region),
                                "--utm-zone",
                                c.region == Region::NB ? "19" : "20"};
  if (c.region == Region::NS4) args.insert(args.end(), {"--mtm-zone", "4"});
  if (c.region == Region::NS5) args.insert(args.end(), {"--mtm-zone", "5"});
  return args;
}

fs::path OneZoneCopy(const fs::path& sample, const fs::path& copy) {
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

size_t IndexOf(const std::vector<std::string>& lines, const std::string& prefix, size_t from = 0) {
  for (size_t i = from; i < lines.size(); ++i)
    if (lines[i].rfind(prefix, 0) == 0) return i;
  return lines.size();
}

void CheckReport(const RouteCase& c, const fs::path& reportFile, const fs::path& dataFile,
                 const std::vector<std::string>& ids) {
  const std::vector<std::string> rep = ReadLines(reportFile);
  ASSERT_GE(rep.size(), 8u) << "report too short: " << reportFile;
  EXPECT_EQ(rep[0], kAsterisks);
  EXPECT_EQ(rep[1].rfind("*    ", 0), 0u);
  EXPECT_EQ(rep[2].rfind("*    DATE: ", 0), 0u);

  const std::string from = DatumPart(c.row.from), to = DatumPart(c.row.to);
  const size_t trans = IndexOf(rep, "*    Transformation: ");
  ASSERT_LT(trans, rep.size()) << "no transformation line";
  EXPECT_EQ(rep[trans].rfind(
                "*    Transformation: " + DatumText(from) + " " + FormText(FormOf(c.row.from)), 0),
            0u)
      << rep[trans];
  EXPECT_NE(rep[trans].find(" -> " + DatumText(to) + " -> " + FormText(FormOf(c.row.to))),
            std::string::npos)
      << rep[trans];
  if (c.region != Region::NB && c.region != Region::PEI && FormOf(c.row.from) == Form::EN) {
    EXPECT_NE(rep[trans].find(c.region == Region::NS4 ? "(NS MTM zone 4)" : "(NS MTM zone 5)"),
              std::string::npos)
        << rep[trans];
  }
  EXPECT_NE(std::find(rep.begin(), rep.end(), std::string("*    Modules: ") + c.row.modules),
            rep.end())
      << "no line \"*    Modules: " << c.row.modules << "\"";

  const std::string grid = GridFileOf(c);
  const size_t gridLine = IndexOf(rep, "*    Grid file used for transformation is ");
  if (grid.empty()) {
    EXPECT_EQ(gridLine, rep.size()) << "grid line on a route without LUMBRIX";
  } else {
    ASSERT_LT(gridLine, rep.size()) << "no grid-file line";
    EXPECT_NE(Upper(rep[gridLine]).find(grid), std::string::npos) << rep[gridLine];
  }

  const size_t in = IndexOf(rep, "INPUT: File: ");
  const size_t out = IndexOf(rep, "OUTPUT: File: ");
  ASSERT_LT(in, rep.size());
  ASSERT_LT(out, rep.size());
  EXPECT_EQ(rep[in + 1], "-----  Datum: " + DatumText(from));
  // The path in lower case names no file on a case-sensitive system: either
  // spelling is taken.
  EXPECT_EQ(Upper(rep[out]), Upper("OUTPUT: File: " + dataFile.string()));
  EXPECT_EQ(rep[out + 1], "------  Datum: " + DatumText(to));
  EXPECT_EQ(rep[in + 4], InputHeading(from, FormOf(c.row.from)));
  ASSERT_GT(rep.size(), out + 4 + ids.size());
  EXPECT_EQ(rep[out + 4], OutputHeading(from, to, FormOf(c.row.to)));
  for (size_t i = 0; i < ids.size(); ++i) {
    EXPECT_EQ(rep[in + 5 + i].rfind(ids[i] + " ", 0), 0u)
        << "input row " << i << ": " << rep[in + 5 + i];
    EXPECT_EQ(rep[out + 5 + i].rfind(ids[i] + " ", 0), 0u)
        << "output row " << i << ": " << rep[out + 5 + i];
  }
}

// Rows 39 to 64 leave ORVANDEL's three files in the output directory.
void CheckOrvandelCopy(const DemoCopy& demo) {
  for (const char* name : {"Orvandel.out", "Trn_cord.dat", "Trn_ghst.dat"}) {
    const fs::path copy = demo.output() / name;
    ASSERT_TRUE(fs::exists(copy)) << name << " not copied to the output directory";
    const fs::path original = FindIgnoringCase(demo.bin(), name);
    ASSERT_FALSE(original.empty()) << name << " not in BIN";
    EXPECT_EQ(ReadText(copy), ReadText(original)) << name;
  }
}

TEST_P(RouteRowTest, ConvertsTheSamplePoints) {
  const RouteCase& c = GetParam();
  E2E_DEMO_COPY(demo);
  const fs::path sample = demo.input() / SampleFile(c.region, c.row.from);
  ASSERT_TRUE(fs::exists(sample)) << sample;
  // The chains take one UTM zone per run: the points of the first one only.
  const fs::path input =
      FormOf(c.row.from) == Form::XY ? OneZoneCopy(sample, demo.input() / "ONEZONE.TXT") : sample;
  const std::string name = "R" + std::to_string(c.row.no) + "_" + StemOf(c.region);
  const fs::path report = demo.output() / (name + ".REP");

  const CliRun run = RunCli(demo, CliArgs(c, input.string(), report.string()));
  ASSERT_FALSE(run.hung) << "kartovex-cli did not end";
  EXPECT_EQ(run.status, 0) << run.err;
  ASSERT_EQ(run.label(), kCompleted) << run.err;

  const fs::path dataFile = FindIgnoringCase(demo.output(), name + ".TXT");
  ASSERT_FALSE(dataFile.empty()) << "no data text file " << name << ".TXT";
  const fs::path reportFile = FindIgnoringCase(demo.output(), name + ".REP");
  ASSERT_FALSE(reportFile.empty()) << "no report " << name << ".REP";

  const std::vector<std::string> inLines = ReadLines(input), outLines = ReadLines(dataFile);
  ASSERT_EQ(outLines.size(), inLines.size()) << ReadText(dataFile);

  const std::string from = DatumPart(c.row.from), to = DatumPart(c.row.to);
  const Form fromForm = FormOf(c.row.from), toForm = FormOf(c.row.to);
  const double allowance = DatumAllowance(c);
  std::vector<std::string> ids;
  double largest = 0;
  for (size_t i = 0; i < inLines.size(); ++i) {
    const auto inFields = SplitFields(inLines[i]);
    const auto outFields = SplitFields(outLines[i]);
    ids.push_back(inFields[0]);
    ASSERT_EQ(outFields.size(), FieldCount(toForm)) << outLines[i];
    EXPECT_EQ(outFields[0], inFields[0]) << "line " << i;
    if (toForm == Form::XY) {
      const int zone = std::stoi(outFields[3]);
      ASSERT_TRUE(zone >= 19 && zone <= 21) << outLines[i];
    }
    const LatLonW place = PositionOf(fromForm, c.region, OnDatumOf(from), inFields);
    const Deviation dev = DeviationOf(toForm, c.region, OnDatumOf(to), outFields, place);
    largest = std::max(largest, dev.metres);
    EXPECT_LE(dev.metres, allowance + dev.allowed)
        << inFields[0] << ": " << inLines[i] << " -> " << outLines[i] << " lies " << dev.metres
        << " m from the expected place";
  }
  // A change to or from NAD27 moves the points by tens of metres: a route
  // that left them where they were skipped the datum transformation.
  if ((from == "NAD27") != (to == "NAD27")) {
    EXPECT_GT(largest, 1.0) << "no datum shift applied";
  }
  CheckReport(c, reportFile, dataFile, ids);
  if (c.row.no >= 39) CheckOrvandelCopy(demo);
}

std::string CaseName(const ::testing::TestParamInfo<RouteCase>& info) {
  return "Row" + std::to_string(info.param.row.no) + "_" + StemOf(info.param.region);
}

INSTANTIATE_TEST_SUITE_P(DemoInstallation, RouteRowTest, ::testing::ValuesIn(AllRouteCases()),
                         CaseName);

}  // namespace
}  // namespace e2e
