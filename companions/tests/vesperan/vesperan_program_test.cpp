// VESPERAN as the front end runs it: in a fresh directory, answer file on
// standard input, outputs read back by the readers' column positions.
#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <string>
#include <vector>

#include "program_runner.h"
#include "record_layouts.h"

namespace {

using namespace companion_test;

const std::vector<std::string> kOutputs{"LL_GHOST.DAT", "UTM_GHST.DAT", "XY_MAP.DAT"};

// Template V(d, f, src, x) of the route table; province "1", "2" or "3".
std::vector<std::string> templateV(const std::string& d, const std::string& province,
                                   const std::string& f, const std::string& src,
                                   const std::string& x = "") {
  std::vector<std::string> lines{"", d, "N", "Y", province, f, "2", src};
  if (!x.empty()) lines.push_back(x);
  lines.push_back("N");
  return lines;
}

class VesperanProgram : public ::testing::Test {
 protected:
  // The front end's working directory (INPUT.DAT) and program directory.
  TempDir work;
  TempDir bin;

  std::string input(const std::vector<std::string>& records,
                    const std::string& name = "INPUT.DAT") {
    std::string text;
    for (const auto& r : records) text += r + "\r\n";
    writeText(work / name, text);
    return (work / name).string();
  }

  RunResult run(const std::vector<std::string>& answers) {
    writeText(work / "IN_RUN1.TXT", answerFile(answers));
    return runProgram(VESPERAN_EXE, bin.path(), work / "IN_RUN1.TXT");
  }

  void expectFailureWithoutOutputs(const RunResult& result) {
    EXPECT_NE(result.status, 0);
    EXPECT_EQ(result.errorText.rfind("VESPERAN: ", 0), 0u) << result.errorText;
    EXPECT_EQ(std::count(result.errorText.begin(), result.errorText.end(), '\n'), 1)
        << result.errorText;
    EXPECT_TRUE(std::filesystem::is_empty(bin.path()));
  }

  std::vector<std::string> lines(const std::string& name) { return readLines(bin / name); }
};

// "LL_GHOST" reader: latitude 41-42, 44-45, 46-53; longitude 57-58, 60-61, 62-69.
double ghostLatitude(const std::string& line) {
  return dmsValue(columns(line, 41, 42), columns(line, 44, 45), columns(line, 46, 53));
}
double ghostLongitude(const std::string& line) {
  return dmsValue(columns(line, 57, 58), columns(line, 60, 61), columns(line, 62, 69));
}

constexpr double kMetresPerDegree = 111000.0;

TEST_F(VesperanProgram, Ats77GridToGeographicAndUtm) {  // rows 10, 11
  const auto src =
      input({intoVesperanEN("P1", 800000.0, 300000.0), intoVesperanEN("P2", 750000.0, 350000.0)});
  const RunResult result = run(templateV("1", "1", "2", src));
  ASSERT_EQ(result.status, 0) << result.errorText;

  const auto ll = lines("LL_GHOST.DAT");
  ASSERT_EQ(ll.size(), 2u);
  EXPECT_EQ(columns(ll[0], 7, 15), "P1");
  EXPECT_EQ(columns(ll[0], 41, 42), "46");
  EXPECT_EQ(columns(ll[0], 44, 45), "30");
  EXPECT_EQ(columns(ll[0], 46, 53), "00.00000");
  EXPECT_EQ(columns(ll[0], 57, 58), "66");
  EXPECT_EQ(columns(ll[0], 60, 61), "30");
  EXPECT_EQ(columns(ll[0], 62, 69), "00.00000");

  const auto utm = lines("UTM_GHST.DAT");
  ASSERT_EQ(utm.size(), 2u);
  EXPECT_EQ(columns(utm[0], 7, 15), "P1");
  EXPECT_EQ(columns(utm[0], 51, 52), "19");  // 66.5 W
  EXPECT_EQ(columns(utm[1], 51, 52), "20");  // P2 lies east of 66 W
  // cs2cs +proj=longlat +a=6378135 +rf=298.257 +to +proj=utm +zone=19 ...
  EXPECT_EQ(columns(utm[0], 58, 68), "691826.549");
  EXPECT_EQ(columns(utm[0], 70, 80), "5152638.368");

  const auto map = lines("XY_MAP.DAT");
  ASSERT_EQ(map.size(), 2u);
  EXPECT_EQ(columns(map[1], 1, 9), "P2");
  EXPECT_EQ(columns(map[1], 11, 22), "750000.000");
  EXPECT_EQ(columns(map[1], 24, 35), "350000.000");
}

TEST_F(VesperanProgram, Nad83GeographicToNewBrunswickGrid) {  // rows 27, 28
  const auto src = input({intoVesperanLL("ORIGIN", 46.5, 66.5)});
  const RunResult result = run(templateV("2", "1", "1", src, "1"));
  ASSERT_EQ(result.status, 0) << result.errorText;
  const auto map = lines("XY_MAP.DAT");
  ASSERT_EQ(map.size(), 1u);
  EXPECT_EQ(columns(map[0], 1, 9), "ORIGIN");
  EXPECT_EQ(columns(map[0], 11, 22), "7500000.000");
  EXPECT_EQ(columns(map[0], 24, 35), "2500000.000");
}

TEST_F(VesperanProgram, UtmInputKeepsItsZone) {  // rows 14, 15, 29, 30
  const auto src = input({intoVesperanXY("U1", 20, 400000.0, 5150000.0)});
  const RunResult result = run(templateV("2", "3", "3", src, "2"));
  ASSERT_EQ(result.status, 0) << result.errorText;
  const auto utm = lines("UTM_GHST.DAT");
  ASSERT_EQ(utm.size(), 1u);
  EXPECT_EQ(columns(utm[0], 51, 52), "20");
  EXPECT_EQ(columns(utm[0], 58, 68), "400000.000");
  EXPECT_EQ(columns(utm[0], 70, 80), "5150000.000");
  // The PEI grid of the same point, by PROJ's own NAD83 (CSRS) definitions.
  PJ_CONTEXT* context = proj_context_create();
  PJ* toGeo = proj_create(context, "+proj=utm +zone=20 +ellps=GRS80");
  PJ* toGrid = proj_create(context,
                           "+proj=sterea +lat_0=47.25 +lon_0=-63 +k=0.999912 +x_0=400000 "
                           "+y_0=800000 +ellps=GRS80");
  const PJ_COORD geo = proj_trans(toGeo, PJ_INV, proj_coord(400000.0, 5150000.0, 0, 0));
  const PJ_COORD grid = proj_trans(toGrid, PJ_FWD, geo);
  proj_destroy(toGeo);
  proj_destroy(toGrid);
  proj_context_destroy(context);
  const auto map = lines("XY_MAP.DAT");
  ASSERT_EQ(map.size(), 1u);
  EXPECT_NEAR(std::stod(columns(map[0], 11, 22)), grid.xy.y, 0.0006);
  EXPECT_NEAR(std::stod(columns(map[0], 24, 35)), grid.xy.x, 0.0006);
  const auto ll = lines("LL_GHOST.DAT");
  EXPECT_NEAR(ghostLatitude(ll[0]), proj_todeg(geo.lp.phi), 1e-5 / 3600);
  EXPECT_NEAR(ghostLongitude(ll[0]), -proj_todeg(geo.lp.lam), 1e-5 / 3600);
}

TEST_F(VesperanProgram, LumbrixNewFileAsInput) {  // rows 1, 4, 16, 19, 22
  const double lat = 45.0 + 30.0 / 60 + 12.34567 / 3600;
  const auto src = input({lumbrixNew("P1", lat, 66.25)}, "LL_GHOST.NEW");
  const RunResult result = run(templateV("2", "1", "1", src, "2"));
  ASSERT_EQ(result.status, 0) << result.errorText;
  const auto ll = lines("LL_GHOST.DAT");
  ASSERT_EQ(ll.size(), 1u);
  EXPECT_EQ(columns(ll[0], 7, 15), "P1");
  EXPECT_NEAR(ghostLatitude(ll[0]), lat, 1e-5 / 3600);
  EXPECT_NEAR(ghostLongitude(ll[0]), 66.25, 1e-5 / 3600);
  EXPECT_EQ(lines("XY_MAP.DAT").size(), 1u);
}

TEST_F(VesperanProgram, NovaScotiaMtmZoneFromTheMeridianElseTheLongitude) {
  // 63.5 W lies in zone 5 by its longitude; the record's meridian 61.5 says 4.
  const auto src =
      input({intoVesperanLL("Z4", 45.5, 63.5, "61.5"), intoVesperanLL("Z5", 45.5, 63.5, "64.5"),
             intoVesperanLL("BYLON", 45.5, 63.5)});
  const RunResult result = run(templateV("1", "2", "1", src, "1"));
  ASSERT_EQ(result.status, 0) << result.errorText;
  const auto map = lines("XY_MAP.DAT");
  ASSERT_EQ(map.size(), 3u);
  const double e4 = std::stod(columns(map[0], 24, 35));
  const double e5 = std::stod(columns(map[1], 24, 35));
  const double byLongitude = std::stod(columns(map[2], 24, 35));
  EXPECT_GT(e4, 4000000.0);
  EXPECT_LT(e4, 5000000.0);
  EXPECT_GT(e5, 5000000.0);
  EXPECT_DOUBLE_EQ(byLongitude, e5);
}

TEST_F(VesperanProgram, NovaScotiaGridZoneFromTheEasting) {  // CSRS MTM NS 1997
  const auto src = input(
      {intoVesperanEN("A", 5050000.0, 14550000.0), intoVesperanEN("B", 5050000.0, 15450000.0)});
  const RunResult result = run(templateV("2", "2", "2", src));
  ASSERT_EQ(result.status, 0) << result.errorText;
  const auto ll = lines("LL_GHOST.DAT");
  ASSERT_EQ(ll.size(), 2u);
  EXPECT_LT(ghostLongitude(ll[0]), 63.0);  // zone 4, around 61 W
  EXPECT_GT(ghostLongitude(ll[1]), 63.0);  // zone 5, around 65 W
}

TEST_F(VesperanProgram, GridToGeographicToGridClosesWithinAMillimetre) {
  struct Trip {
    std::string datum, province;
    double northing, easting;
  };
  const Trip trips[] = {
      {"1", "1", 812345.678, 287654.321},   {"2", "1", 7412345.678, 2587654.321},
      {"1", "3", 412345.678, 687654.321},   {"2", "3", 812345.678, 387654.321},
      {"1", "2", 5012345.678, 4512345.678}, {"2", "2", 4912345.678, 15487654.321}};
  for (const Trip& t : trips) {
    SCOPED_TRACE(t.datum + "/" + t.province);
    const auto src = input({intoVesperanEN("T", t.northing, t.easting)});
    RunResult result = run(templateV(t.datum, t.province, "2", src));
    ASSERT_EQ(result.status, 0) << result.errorText;
    const auto ll = lines("LL_GHOST.DAT");
    ASSERT_EQ(ll.size(), 1u);
    const double lat = ghostLatitude(ll[0]);
    const double lon = ghostLongitude(ll[0]);
    const std::string meridian =
        t.province == "2" ? (t.easting - std::floor(t.easting / 1e7) * 1e7 < 5e6 ? "61.5" : "64.5")
                          : "";
    const auto back = input({intoVesperanLL("T", lat, lon, meridian)});
    result = run(templateV(t.datum, t.province, "1", back, "1"));
    ASSERT_EQ(result.status, 0) << result.errorText;
    const auto map = lines("XY_MAP.DAT");
    ASSERT_EQ(map.size(), 1u);
    EXPECT_NEAR(std::stod(columns(map[0], 11, 22)), t.northing, 1e-3);
    EXPECT_NEAR(std::stod(columns(map[0], 24, 35)), t.easting, 1e-3);
  }
}

TEST_F(VesperanProgram, OrvandelTrnCordAsOverrideInput) {  // rows 49 to 51
  const auto src = input({"MONCTON    765432.123   345678.987   12.345"}, "trn_cord.dat");
  const RunResult result = run(templateV("1", "1", "2", src));
  ASSERT_EQ(result.status, 0) << result.errorText;
  const auto ll = lines("LL_GHOST.DAT");
  ASSERT_EQ(ll.size(), 1u);
  EXPECT_EQ(columns(ll[0], 7, 15), "MONCTON");
  EXPECT_EQ(columns(ll[0], 71, 79), "12.345");  // the elevation is carried
  const auto map = lines("XY_MAP.DAT");
  ASSERT_EQ(map.size(), 1u);
  EXPECT_EQ(columns(map[0], 11, 22), "765432.123");
  EXPECT_EQ(columns(map[0], 24, 35), "345678.987");
}

TEST_F(VesperanProgram, EmptyInputGivesEmptyOutputs) {
  const auto src = input({});
  const RunResult result = run(templateV("1", "1", "2", src));
  ASSERT_EQ(result.status, 0) << result.errorText;
  for (const auto& name : kOutputs) {
    EXPECT_TRUE(std::filesystem::exists(bin / name)) << name;
    EXPECT_TRUE(lines(name).empty()) << name;
  }
  EXPECT_TRUE(otherFiles(bin.path(), kOutputs).empty());
}

TEST_F(VesperanProgram, BadAnswerFailsWithOneLineAndNoOutputs) {
  const auto src = input({intoVesperanEN("P1", 800000.0, 300000.0)});
  expectFailureWithoutOutputs(run(templateV("3", "1", "2", src)));
  expectFailureWithoutOutputs(run(templateV("1", "1", "2", src, "1")));
  expectFailureWithoutOutputs(run({"", "1", "N", "Y"}));
  expectFailureWithoutOutputs(run({}));
}

TEST_F(VesperanProgram, MissingInputFileFails) {
  const RunResult result = run(templateV("1", "1", "2", (work / "NONE.DAT").string()));
  expectFailureWithoutOutputs(result);
  EXPECT_NE(result.errorText.find("NONE.DAT"), std::string::npos);
}

TEST_F(VesperanProgram, BadRecordFailsNamingItsLineAndLeavesNoOutputs) {
  // An earlier run's files must not survive a failed run either.
  for (const auto& name : kOutputs) writeText(bin / name, "old\r\n");
  const auto src = input({intoVesperanEN("P1", 800000.0, 300000.0), "       P2  80x000.000"});
  const RunResult result = run(templateV("1", "1", "2", src));
  expectFailureWithoutOutputs(result);
  EXPECT_NE(result.errorText.find("line 2"), std::string::npos) << result.errorText;
}

TEST_F(VesperanProgram, PointsNoProgramCanConvertFailCleanly) {
  expectFailureWithoutOutputs(
      run(templateV("1", "1", "1", input({intoVesperanLL("FAR", 45.0, 75.0)}), "1")));
  expectFailureWithoutOutputs(
      run(templateV("1", "1", "3", input({intoVesperanXY("U", 18, 400000.0, 5e6)}), "2")));
  expectFailureWithoutOutputs(
      run(templateV("2", "1", "2", input({intoVesperanEN("BIG", 9e11, 9e11)}))));
  expectFailureWithoutOutputs(run(templateV("2", "1", "2", input({std::string(500, '\x01')}))));
}

TEST_F(VesperanProgram, SampleFilesOfEveryInputLayout) {
  struct Sample {
    std::string file, datum, province, form, layout;
    std::size_t points;
  };
  const Sample samples[] = {{"into_vesperan_en_nb_ats77.dat", "1", "1", "2", "", 3},
                            {"into_vesperan_xy_ns_nad83.dat", "2", "2", "3", "2", 3},
                            {"into_vesperan_ll_ns.dat", "1", "2", "1", "1", 3},
                            {"into_vesperan_ll_pei.dat", "2", "3", "1", "1", 2},
                            {"ll_ghost_from_lumbrix.new", "2", "1", "1", "2", 2},
                            {"ll_ghost_from_lumbrix.new", "1", "1", "1", "2", 2},
                            {"into_vesperan_xy_ns_nad83.dat", "1", "2", "3", "2", 3}};
  for (const Sample& s : samples) {
    SCOPED_TRACE(s.file);
    const std::string path = std::string(KARTOVEX_TESTDATA) + "/companions/vesperan/" + s.file;
    const RunResult result = run(templateV(s.datum, s.province, s.form, path, s.layout));
    ASSERT_EQ(result.status, 0) << result.errorText;
    for (const auto& name : kOutputs) EXPECT_EQ(lines(name).size(), s.points) << name;
    for (const auto& line : lines("UTM_GHST.DAT")) {
      const std::string zone = columns(line, 51, 52);
      EXPECT_TRUE(zone == "19" || zone == "20" || zone == "21") << line;
    }
  }
}

}  // namespace
