// QUILLON27 as the front end runs it: in a fresh directory, answer file on
// standard input, outputs read back by the readers' column positions
// ("QUILLON27_LL", "QUILLON27_EN", "QUILLON27_XY" and QUILLON27toLUMBRIX).
#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <string>
#include <vector>

#include "program_runner.h"
#include "record_layouts.h"

namespace {

using namespace companion_test;

const std::vector<std::string> kOutputs{"QUILLON27.OUT", "QUILLON27.DAT"};

enum class Prov { NB, NS, PEI };

// Template Q(c, m): province, c, the meridian lines (not for PEI), "Y", the
// input file, "Y".
std::vector<std::string> templateQ(Prov province, const std::string& c, const std::string& meridian,
                                   const std::string& src) {
  std::vector<std::string> lines{province == Prov::NB ? "1" : province == Prov::NS ? "2" : "3", c};
  if (province != Prov::PEI) {
    lines.push_back(meridian);
    lines.push_back("N");
  }
  lines.push_back("Y");
  lines.push_back(src);
  lines.push_back("Y");
  return lines;
}

// One point line of QUILLON27.OUT as the readers cut it.
struct ListingPoint {
  std::string latDeg, latMin, latSec, lonDeg, lonMin, lonSec, identifier, x, y;
  double latitude() const { return dmsValue(latDeg, latMin, latSec); }
  double longitude() const { return dmsValue(lonDeg, lonMin, lonSec); }
};

ListingPoint cutListing(Prov province, const std::string& line) {
  const std::size_t s = province == Prov::PEI ? 0 : 1;  // NB and NS: one column greater
  return {columns(line, 95 + s, 96 + s),   columns(line, 98 + s, 99 + s),
          columns(line, 101 + s, 108 + s), columns(line, 110 + s, 111 + s),
          columns(line, 113 + s, 114 + s), columns(line, 116 + s, 123 + s),
          columns(line, 125 + s, 132 + s), columns(line, 58 + s, 68 + s),
          columns(line, 71 + s, 81 + s)};
}

std::size_t headingLines(Prov province) { return province == Prov::NB ? 5 : 4; }

// QUILLON27toLUMBRIX's checks: no blank in the degrees fields, degrees of
// exactly 2, minutes of 1 to 2, seconds of 3 to 8 characters, identifier 1-8.
void expectLumbrixReadable(const ListingPoint& p) {
  EXPECT_EQ(p.latDeg.size(), 2u);
  EXPECT_EQ(p.lonDeg.size(), 2u);
  EXPECT_EQ(p.latDeg.find(' '), std::string::npos);
  EXPECT_EQ(p.lonDeg.find(' '), std::string::npos);
  EXPECT_GE(p.latMin.size(), 1u);
  EXPECT_LE(p.latMin.size(), 2u);
  EXPECT_GE(p.latSec.size(), 3u);
  EXPECT_LE(p.latSec.size(), 8u);
  EXPECT_GE(p.lonSec.size(), 3u);
  EXPECT_LE(p.lonSec.size(), 8u);
  EXPECT_GE(p.identifier.size(), 1u);
  EXPECT_LE(p.identifier.size(), 8u);
}

// UTM of a NAD27 point by PROJ on Clarke 1866 (tests only).
struct Utm {
  double x, y;
};
Utm projUtm(int zone, double latitude, double longitudeWest) {
  PJ_CONTEXT* context = proj_context_create();
  PJ* pj = proj_create(context, ("+proj=utm +ellps=clrk66 +zone=" + std::to_string(zone)).c_str());
  const PJ_COORD out =
      proj_trans(pj, PJ_FWD, proj_coord(proj_torad(-longitudeWest), proj_torad(latitude), 0, 0));
  proj_destroy(pj);
  proj_context_destroy(context);
  return {out.xy.x, out.xy.y};
}

constexpr double kMetresPerDegree = 111000.0;

class Quillon27Program : public ::testing::Test {
 protected:
  TempDir work;  // the front end's working directory (INPUT.DAT)
  TempDir bin;   // the program directory, QUILLON27's current directory

  std::string input(const std::vector<std::string>& records) {
    std::string text;
    for (const auto& r : records) text += r + "\r\n";
    writeText(work / "INPUT.DAT", text);
    return (work / "INPUT.DAT").string();
  }

  RunResult run(const std::vector<std::string>& answers) {
    writeText(work / "IN_RUN1.TXT", answerFile(answers));
    return runProgram(QUILLON27_EXE, bin.path(), work / "IN_RUN1.TXT");
  }

  // The point lines after the heading, cut by the readers' columns.
  std::vector<ListingPoint> listing(Prov province) {
    const auto lines = readLines(bin / "QUILLON27.OUT");
    EXPECT_GE(lines.size(), headingLines(province));
    std::vector<ListingPoint> points;
    for (std::size_t i = headingLines(province); i < lines.size(); ++i) {
      points.push_back(cutListing(province, lines[i]));
      expectLumbrixReadable(points.back());
    }
    return points;
  }

  // QUILLON27.DAT: identifier 1-8, easting 10-20, northing 22-32.
  struct GridLine {
    std::string identifier, easting, northing;
  };
  std::vector<GridLine> grid() {
    std::vector<GridLine> points;
    for (const auto& line : readLines(bin / "QUILLON27.DAT")) {
      points.push_back({columns(line, 1, 8), columns(line, 10, 20), columns(line, 22, 32)});
    }
    return points;
  }

  void expectFailureWithoutOutputs(const RunResult& result) {
    EXPECT_NE(result.status, 0);
    EXPECT_EQ(result.errorText.rfind("QUILLON27: ", 0), 0u) << result.errorText;
    EXPECT_EQ(std::count(result.errorText.begin(), result.errorText.end(), '\n'), 1)
        << result.errorText;
    EXPECT_TRUE(std::filesystem::is_empty(bin.path()));
  }
};

TEST_F(Quillon27Program, NewBrunswickGridToGeographic) {  // row 33, "QUILLON27_LL"
  const auto src = input({intoQuillon27Plane("ORIGIN", "1000000.000", "1000000.000"),
                          intoQuillon27Plane("P2", "1250000.5", "1100000")});
  const RunResult result = run(templateQ(Prov::NB, "2", "69.0", src));
  ASSERT_EQ(result.status, 0) << result.errorText;
  const auto points = listing(Prov::NB);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0].identifier, "ORIGIN");
  EXPECT_EQ(points[0].latDeg, "46");
  EXPECT_EQ(points[0].latMin, "30");
  EXPECT_EQ(points[0].latSec, "00.00000");
  EXPECT_EQ(points[0].lonDeg, "66");
  EXPECT_EQ(points[0].lonMin, "30");
  EXPECT_EQ(points[0].lonSec, "00.00000");
  EXPECT_EQ(points[1].identifier, "P2");
  EXPECT_LT(points[1].longitude(), 66.5);  // east of the origin
  EXPECT_GT(points[1].latitude(), 46.5);
}

TEST_F(Quillon27Program, PrinceEdwardIslandListingStartsOneColumnEarlier) {
  const auto src = input({intoQuillon27Plane("PE1", "500000", "700000")});
  const RunResult result = run(templateQ(Prov::PEI, "2", "", src));
  ASSERT_EQ(result.status, 0) << result.errorText;
  const auto lines = readLines(bin / "QUILLON27.OUT");
  ASSERT_EQ(lines.size(), 5u);  // 4 heading lines and the point
  const auto points = listing(Prov::PEI);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0].identifier, "PE1");
  EXPECT_EQ(points[0].latDeg + points[0].latMin + points[0].latSec, "471500.00000");
  EXPECT_EQ(points[0].lonDeg + points[0].lonMin + points[0].lonSec, "630000.00000");
  EXPECT_EQ(columns(lines[4], 124, 124), "");  // blank before the identifier
}

TEST_F(Quillon27Program, NovaScotiaGridUsesTheMtmZoneOfTheMeridian) {
  const auto src = input({intoQuillon27Plane("CM", "1000000.000", "16000000.00")});
  ASSERT_EQ(run(templateQ(Prov::NS, "2", "64.5", src)).status, 0);
  auto points = listing(Prov::NS);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0].lonDeg + points[0].lonMin + points[0].lonSec, "643000.00000");
  ASSERT_EQ(run(templateQ(Prov::NS, "2", "61.5", src)).status, 0);
  points = listing(Prov::NS);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0].lonDeg + points[0].lonMin + points[0].lonSec, "613000.00000");
  EXPECT_EQ(readLines(bin / "QUILLON27.OUT").size(), 5u);  // 4 heading lines
}

TEST_F(Quillon27Program, GeographicToGridAndUtm) {  // rows 34 and 37
  const double lat = 46.0 + 5.0 / 60 + 3.2 / 3600;
  const auto src =
      input({intoQuillon27LL("ORIGIN", 46.5, 66.5), intoQuillon27LL("P1", lat, 66.12)});
  const RunResult result = run(templateQ(Prov::NB, "1", "69.0", src));
  ASSERT_EQ(result.status, 0) << result.errorText;
  const auto dat = grid();
  ASSERT_EQ(dat.size(), 2u);
  EXPECT_EQ(dat[0].identifier, "ORIGIN");
  EXPECT_EQ(dat[0].easting, "1000000.000");
  EXPECT_EQ(dat[0].northing, "1000000.000");
  const auto points = listing(Prov::NB);
  ASSERT_EQ(points.size(), 2u);
  const Utm expected = projUtm(19, lat, 66.12);
  EXPECT_NEAR(std::stod(points[1].x), expected.x, 2e-3);
  EXPECT_NEAR(std::stod(points[1].y), expected.y, 2e-3);
  EXPECT_EQ(points[1].identifier, "P1");
}

TEST_F(Quillon27Program, UtmInputInTheZoneOfTheMeridian) {  // rows 35 and 36
  const Utm utm = projUtm(20, 45.2, 62.9);
  const auto src = input({intoQuillon27Plane("U1", fixed3(utm.x), fixed3(utm.y))});
  const RunResult result = run(templateQ(Prov::NS, "4", "63.0", src));
  ASSERT_EQ(result.status, 0) << result.errorText;
  const auto points = listing(Prov::NS);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_NEAR(points[0].latitude(), 45.2, 3e-5 / 3600);  // X, Y to 3 decimals
  EXPECT_NEAR(points[0].longitude(), 62.9, 3e-5 / 3600);
  EXPECT_NEAR(std::stod(points[0].x), utm.x, 1e-3);
  const auto dat = grid();
  ASSERT_EQ(dat.size(), 1u);
  EXPECT_EQ(dat[0].identifier, "U1");
  EXPECT_FALSE(dat[0].northing.empty());
}

TEST_F(Quillon27Program, NewBrunswickUtmZoneOfTheSettingsMeridian) {  // rows 37, 38
  // "NB Central Meridian 20" gives 63.0: UTM zone 20 even for points west of 66 W.
  const auto src = input({intoQuillon27LL("W", 46.2, 66.8)});
  ASSERT_EQ(run(templateQ(Prov::NB, "1", "63.0", src)).status, 0);
  auto points = listing(Prov::NB);
  ASSERT_EQ(points.size(), 1u);
  Utm expected = projUtm(20, 46.2, 66.8);
  EXPECT_NEAR(std::stod(points[0].x), expected.x, 2e-3);
  EXPECT_NEAR(std::stod(points[0].y), expected.y, 2e-3);

  const auto en = input({intoQuillon27Plane("E", "1000000.000", "1000000.000")});
  ASSERT_EQ(run(templateQ(Prov::NB, "2", "63.0", en)).status, 0);
  points = listing(Prov::NB);
  ASSERT_EQ(points.size(), 1u);
  expected = projUtm(20, 46.5, 66.5);
  EXPECT_NEAR(std::stod(points[0].x), expected.x, 2e-3);
  EXPECT_NEAR(std::stod(points[0].y), expected.y, 2e-3);
}

TEST_F(Quillon27Program, PrinceEdwardIslandUtmIsZone20) {  // row 37 for PEI
  const auto src = input({intoQuillon27LL("PX", 46.4, 63.1)});
  const RunResult result = run(templateQ(Prov::PEI, "1", "", src));
  ASSERT_EQ(result.status, 0) << result.errorText;
  const auto points = listing(Prov::PEI);
  ASSERT_EQ(points.size(), 1u);
  const Utm expected = projUtm(20, 46.4, 63.1);
  EXPECT_NEAR(std::stod(points[0].x), expected.x, 2e-3);
  EXPECT_NEAR(std::stod(points[0].y), expected.y, 2e-3);
}

TEST_F(Quillon27Program, GridToUtmFollowsTheLongitudeUnderAnMtmMeridian) {  // row 38, NS
  const auto src = input({intoQuillon27Plane("E1", "1100000", "16300000")});
  ASSERT_EQ(run(templateQ(Prov::NS, "2", "61.5", src)).status, 0);
  const auto points = listing(Prov::NS);
  ASSERT_EQ(points.size(), 1u);
  const Utm expected = projUtm(20, points[0].latitude(), points[0].longitude());
  EXPECT_NEAR(std::stod(points[0].x), expected.x, 0.01);
  EXPECT_NEAR(std::stod(points[0].y), expected.y, 0.01);
}

TEST_F(Quillon27Program, GeographicToGridToGeographicClosesWithinAMillimetre) {
  struct Trip {
    Prov province;
    std::string meridian;
    double latitude, longitude, tolerance;
  };
  // The Nova Scotia northing (about 16 million feet) fits its 11 columns of
  // QUILLON27.DAT only with 2 decimals, 1.5 mm at most.
  const Trip trips[] = {{Prov::NB, "69.0", 45.61234567, 67.3456789, 1e-3},
                        {Prov::PEI, "", 46.38765432, 63.2109876, 1e-3},
                        {Prov::NS, "61.5", 45.12345678, 61.8765432, 2e-3}};
  for (const Trip& t : trips) {
    const auto src = input({intoQuillon27LL("T", t.latitude, t.longitude)});
    ASSERT_EQ(run(templateQ(t.province, "1", t.meridian, src)).status, 0);
    const auto dat = grid();
    ASSERT_EQ(dat.size(), 1u);
    const auto lat0 = listing(t.province).at(0).latitude();
    const auto back = input({intoQuillon27Plane("T", dat[0].easting, dat[0].northing)});
    ASSERT_EQ(run(templateQ(t.province, "2", t.meridian, back)).status, 0);
    const auto points = listing(t.province);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_LT(std::fabs(points[0].latitude() - lat0) * kMetresPerDegree, t.tolerance);
    EXPECT_LT(std::fabs(points[0].latitude() - t.latitude) * kMetresPerDegree, t.tolerance);
    EXPECT_LT(std::fabs(points[0].longitude() - t.longitude) * kMetresPerDegree, t.tolerance);
  }
}

TEST_F(Quillon27Program, EmptyInputGivesTheHeadingOnly) {
  const auto src = input({});
  ASSERT_EQ(run(templateQ(Prov::NB, "2", "69.0", src)).status, 0);
  EXPECT_EQ(readLines(bin / "QUILLON27.OUT").size(), 5u);
  EXPECT_TRUE(readLines(bin / "QUILLON27.DAT").empty());
  EXPECT_TRUE(otherFiles(bin.path(), kOutputs).empty());
}

TEST_F(Quillon27Program, BadAnswersFailWithOneLineAndNoOutputs) {
  const auto src = input({intoQuillon27Plane("P1", "1000000", "1000000")});
  expectFailureWithoutOutputs(run(templateQ(Prov::NB, "3", "69.0", src)));
  expectFailureWithoutOutputs(run(templateQ(Prov::NB, "2", "61.5", src)));  // no NB MTM
  expectFailureWithoutOutputs(run(templateQ(Prov::NS, "2", "63.0", src)));  // EN needs MTM
  expectFailureWithoutOutputs(run(templateQ(Prov::NS, "4", "64.5", src)));  // XY needs UTM
  expectFailureWithoutOutputs(run({"1", "2", "69.0"}));
  expectFailureWithoutOutputs(run({}));
}

TEST_F(Quillon27Program, MissingInputFileFails) {
  const RunResult result = run(templateQ(Prov::NB, "2", "69.0", (work / "NONE.DAT").string()));
  expectFailureWithoutOutputs(result);
  EXPECT_NE(result.errorText.find("NONE.DAT"), std::string::npos);
}

TEST_F(Quillon27Program, BadRecordFailsNamingItsLineAndLeavesNoOutputs) {
  for (const auto& name : kOutputs) writeText(bin / name, "old\r\n");
  const auto src = input({intoQuillon27LL("P1", 46.5, 66.5), "4630xx.00000663000.00000P2"});
  const RunResult result = run(templateQ(Prov::NB, "1", "69.0", src));
  expectFailureWithoutOutputs(result);
  EXPECT_NE(result.errorText.find("line 2"), std::string::npos) << result.errorText;
}

TEST_F(Quillon27Program, PointsFarFromTheProvincesFailCleanly) {
  expectFailureWithoutOutputs(
      run(templateQ(Prov::NB, "2", "69.0", input({intoQuillon27Plane("X", "9e12", "-9e12")}))));
  expectFailureWithoutOutputs(
      run(templateQ(Prov::NB, "1", "69.0", input({intoQuillon27LL("X", 10.0, 66.0)}))));
  expectFailureWithoutOutputs(
      run(templateQ(Prov::PEI, "4", "", input({intoQuillon27Plane("X", "1", "1")}))));
  expectFailureWithoutOutputs(
      run(templateQ(Prov::NB, "1", "69.0", input({std::string(300, '\x7f')}))));
}

TEST_F(Quillon27Program, SampleFilesOfEveryInputLayout) {
  struct Sample {
    std::string file;
    Prov province;
    std::string form, meridian;
    std::size_t points;
  };
  const Sample samples[] = {{"into_quillon27_en_nb.dat", Prov::NB, "2", "69.0", 3},
                            {"into_quillon27_en_ns4.dat", Prov::NS, "2", "61.5", 2},
                            {"into_quillon27_xy_nb19.dat", Prov::NB, "4", "69.0", 2},
                            {"into_quillon27_ll_pei.dat", Prov::PEI, "1", "", 2}};
  for (const Sample& s : samples) {
    SCOPED_TRACE(s.file);
    const std::string path = std::string(KARTOVEX_TESTDATA) + "/companions/quillon27/" + s.file;
    const RunResult result = run(templateQ(s.province, s.form, s.meridian, path));
    ASSERT_EQ(result.status, 0) << result.errorText;
    EXPECT_EQ(listing(s.province).size(), s.points);
    EXPECT_EQ(grid().size(), s.points);
  }
}

}  // namespace
