// NAD27 UTM output in every zone the user can choose: the X,Y written beside
// a zone are in that zone. Rows 37 (Lat,Long) and 38 (East,North) to UTM X,Y
// run by kartovex-cli with the real QUILLON27 on a copy of the demo
// installation, in each province with zones 19, 20 and 21, and compared with
// PROJ's Clarke 1866 UTM. The largest difference of each case is printed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "cli_process.h"
#include "route_case.h"

namespace e2e {
namespace {

const std::string kCompleted = "The conversion has been completed !";

// PROJ and QUILLON27 compute the same projection; the data text file keeps
// three decimals of a metre. A zone chosen far from the province (New
// Brunswick in zone 21 lies 8 to 10 degrees from its meridian) costs the
// projection series a few millimetres more.
double Allowed(int zone, const LatLonW& p) {
  const double fromMeridian = std::abs(p.lonWest - (69.0 - 6.0 * (zone - 19)));
  return fromMeridian > 6.0 ? 0.005 : 0.002;
}

struct ZoneCase {
  Region region;
  int zone;
};

std::string CaseText(const ZoneCase& c) {
  return StemOf(c.region) + " zone " + std::to_string(c.zone);
}

class UtmZoneTest : public ::testing::TestWithParam<ZoneCase> {};

std::vector<std::string> Args(const ZoneCase& c, const char* from, const char* to,
                              const fs::path& input, const fs::path& report) {
  std::vector<std::string> args{"--from",
                                from,
                                "--to",
                                to,
                                "--input",
                                input.string(),
                                "--report",
                                report.string(),
                                "--data",
                                "--province",
                                ProvinceOf(c.region),
                                "--utm-zone",
                                std::to_string(c.zone)};
  if (c.region == Region::NS4) args.insert(args.end(), {"--mtm-zone", "4"});
  if (c.region == Region::NS5) args.insert(args.end(), {"--mtm-zone", "5"});
  return args;
}

// The data text file of one run, or a failure.
std::vector<std::string> DataLines(const DemoCopy& demo, const ZoneCase& c, const char* from,
                                   const char* to, const fs::path& input, const std::string& name) {
  const fs::path report = demo.output() / (name + ".REP");
  const CliRun run = RunCli(demo, Args(c, from, to, input, report));
  EXPECT_FALSE(run.hung) << name;
  EXPECT_EQ(run.label(), kCompleted) << name << ": " << run.err;
  const fs::path data = FindIgnoringCase(demo.output(), name + ".TXT");
  EXPECT_FALSE(data.empty()) << "no data text file for " << name;
  return data.empty() ? std::vector<std::string>{} : ReadLines(data);
}

// Largest distance of the X,Y lines from PROJ's X,Y of the places, in metres;
// every line must carry the chosen zone.
double LargestDifference(const ZoneCase& c, const std::vector<std::string>& xy,
                         const std::vector<LatLonW>& places, const std::string& what) {
  double largest = 0;
  EXPECT_EQ(xy.size(), places.size()) << what;
  for (size_t i = 0; i < std::min(xy.size(), places.size()); ++i) {
    const auto f = SplitFields(xy[i]);
    if (f.size() != 4) {
      ADD_FAILURE() << what << ": " << xy[i];
      continue;
    }
    EXPECT_EQ(f[3], std::to_string(c.zone)) << what << ": " << xy[i];
    double x = 0, y = 0;
    UtmForward(c.zone, OnDatum::NAD27, places[i], x, y);
    const double d = std::hypot(Num(f[1]) - x, Num(f[2]) - y);
    largest = std::max(largest, d);
    EXPECT_LE(d, Allowed(c.zone, places[i]))
        << what << ": " << xy[i] << " PROJ gives " << x << "," << y;
  }
  return largest;
}

TEST_P(UtmZoneTest, XyAreInTheChosenZone) {
  const ZoneCase& c = GetParam();
  E2E_DEMO_COPY(demo);
  const Region r = c.region;

  // Row 37: the places are the input's own.
  const fs::path ll = demo.input() / SampleFile(r, "NAD27:LL");
  std::vector<LatLonW> llPlaces;
  for (const std::string& line : ReadLines(ll))
    llPlaces.push_back(PositionOf(Form::LL, r, OnDatum::NAD27, SplitFields(line)));
  const auto row37 = DataLines(demo, c, "NAD27:LL", "NAD27:XY", ll, "R37");
  const double d37 = LargestDifference(c, row37, llPlaces, CaseText(c) + " row 37");

  // Row 38: the places are QUILLON27's own geographic values of the grid
  // points (row 33), so that only the UTM projection is compared.
  const fs::path en = demo.input() / SampleFile(r, "NAD27:EN");
  std::vector<LatLonW> enPlaces;
  for (const std::string& line : DataLines(demo, c, "NAD27:EN", "NAD27:LL", en, "R33"))
    enPlaces.push_back(PositionOf(Form::LL, r, OnDatum::NAD27, SplitFields(line)));
  const auto row38 = DataLines(demo, c, "NAD27:EN", "NAD27:XY", en, "R38");
  const double d38 = LargestDifference(c, row38, enPlaces, CaseText(c) + " row 38");

  std::printf("UTM zone matrix: %-4s zone %d  row 37 (LL->XY) %.4f m  row 38 (EN->XY) %.4f m\n",
              StemOf(r).c_str(), c.zone, d37, d38);
  std::fflush(stdout);
}

// Rows 35 and 36 take the zone from the input file: QUILLON27 reads the X,Y
// in that zone, not in the province's own.
TEST_P(UtmZoneTest, XyInputIsReadInItsZone) {
  const ZoneCase& c = GetParam();
  E2E_DEMO_COPY(demo);
  const Region r = c.region;
  const fs::path ll = demo.input() / SampleFile(r, "NAD27:LL");
  std::vector<LatLonW> places;
  std::string text;
  for (const std::string& line : ReadLines(ll)) {
    const auto f = SplitFields(line);
    places.push_back(PositionOf(Form::LL, r, OnDatum::NAD27, f));
    double x = 0, y = 0;
    UtmForward(c.zone, OnDatum::NAD27, places.back(), x, y);
    char xy[96];
    std::snprintf(xy, sizeof xy, ",%.3f,%.3f,%d\r\n", x, y, c.zone);
    text += f[0] + xy;
  }
  const fs::path input = demo.input() / "ZONEXY.TXT";
  WriteText(input, text);
  double largest = 0;
  const auto lines = DataLines(demo, c, "NAD27:XY", "NAD27:LL", input, "R36");
  ASSERT_EQ(lines.size(), places.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    const LatLonW got = PositionOf(Form::LL, r, OnDatum::NAD27, SplitFields(lines[i]));
    const double dn = (got.lat - places[i].lat) * 3600.0 * 30.87;
    const double de = (got.lonWest - places[i].lonWest) * 3600.0 * 30.87 *
                      std::cos(places[i].lat * 3.14159265358979 / 180.0);
    const double d = std::hypot(dn, de);
    largest = std::max(largest, d);
    EXPECT_LE(d, Allowed(c.zone, places[i])) << CaseText(c) << " row 36: " << lines[i];
  }
  std::printf("UTM zone matrix: %-4s zone %d  row 36 (XY->LL) %.4f m\n", StemOf(r).c_str(), c.zone,
              largest);
  std::fflush(stdout);
}

// A file that mixes zones is refused before QUILLON27 runs.
TEST(UtmZoneMix, Nad27XyFileWithTwoZonesIsRefused) {
  E2E_DEMO_COPY(demo);
  const fs::path input = demo.input() / "MIXED.TXT";
  WriteText(input, "P1,489891.967,5120303.926,20\r\nP2,700000.000,5120000.000,19\r\n");
  const fs::path report = demo.output() / "MIXED.REP";
  const CliRun run =
      RunCli(demo, {"--from", "NAD27:XY", "--to", "NAD27:EN", "--input", input.string(), "--report",
                    report.string(), "--data", "--province", "PEI"});
  ASSERT_FALSE(run.hung);
  EXPECT_NE(run.status, 0);
  EXPECT_EQ(run.label(), "The conversion was NOT completed !");
  EXPECT_NE(
      run.err.find(
          "IntoQuillon27_XY: An error occurred while reformatting your data (Zones mismatch)!"),
      std::string::npos)
      << run.err << run.out;
  EXPECT_TRUE(FindIgnoringCase(demo.bin(), "QUILLON27.OUT").empty()) << "QUILLON27 ran";
}

std::vector<ZoneCase> ZoneCases() {
  std::vector<ZoneCase> cases;
  for (Region r : {Region::NB, Region::NS4, Region::NS5, Region::PEI})
    for (int zone : {19, 20, 21}) cases.push_back({r, zone});
  return cases;
}

std::string ZoneCaseName(const ::testing::TestParamInfo<ZoneCase>& info) {
  return StemOf(info.param.region) + "_Zone" + std::to_string(info.param.zone);
}

INSTANTIATE_TEST_SUITE_P(DemoInstallation, UtmZoneTest, ::testing::ValuesIn(ZoneCases()),
                         ZoneCaseName);

}  // namespace
}  // namespace e2e
