// Rows 52 to 54: the front end copies ORVANDEL's TRN_GHST.DAT columns
// unchanged into input2.dat, so LUMBRIX gets blank-padded minutes and
// seconds (" 5", " 9.58556") and identifiers padded to 9 characters.
#include <gtest/gtest.h>

#include <sstream>

#include "lumbrix_records.h"
#include "lumbrix_run.h"
#include "lumbrix_test_support.h"

namespace fs = std::filesystem;
using namespace lumbrix_test;

namespace {

std::string cut(const std::string& line, size_t first, size_t last) {
  return line.size() < first ? "" : line.substr(first - 1, last - first + 1);
}

// The front end's record from one TRN_GHST.DAT line: identifier 10-18,
// latitude 41-42, 44-45, 46-53, longitude 57-58, 60-61, 62-69.
std::string frontEndRecord(const std::string& ghst) {
  return "'" + cut(ghst, 10, 18) + "'," + cut(ghst, 41, 42) + "," + cut(ghst, 44, 45) + "," +
         cut(ghst, 46, 53) + "," + cut(ghst, 57, 58) + "," + cut(ghst, 60, 61) + "," +
         cut(ghst, 62, 69);
}

std::string golden(const std::string& run) {
  return std::string(KARTOVEX_TESTDATA) + "/orvandel/golden/" + run + "/TRN_GHST.DAT";
}

const char* const kGoldenRuns[] = {"T1_NB_METRES",   "T2_NS_FEET_Z4", "T3_PEI_GHOST",
                                   "T4_NB_KEYBOARD", "T5_NS_GEO_Z5",  "T6_PEI_ATS77"};

// input2.dat as the front end writes it from a TRN_GHST.DAT file.
std::string input2(const std::string& ghstPath) {
  std::string text;
  for (const auto& line : readLines(ghstPath)) {
    if (line.empty()) break;
    text += frontEndRecord(line) + "\r\n";
  }
  return text;
}

double dms(double d, double m, double s) { return d + m / 60 + s / 3600; }

}  // namespace

TEST(LumbrixOrvandelInput, ReadsTheRecordOfARealTrnGhstLine) {
  const auto lines = readLines(golden("T1_NB_METRES"));
  ASSERT_GE(lines.size(), 3u);
  ASSERT_NE(lines[1].find("MONCTON"), std::string::npos);
  ASSERT_NE(lines[2].find("BATHURST"), std::string::npos);
  EXPECT_EQ(frontEndRecord(lines[1]), "'MONCTON  ',46, 5,29.47345,64,46,57.79621");
  EXPECT_EQ(frontEndRecord(lines[2]), "'BATHURST ',47,37, 9.58556,65,39, 2.97736");

  lumbrix::Point p;
  std::string error;
  ASSERT_TRUE(lumbrix::parseFrontEndRecord(frontEndRecord(lines[1]), p, error)) << error;
  EXPECT_EQ(p.id, "MONCTON");
  EXPECT_DOUBLE_EQ(p.latDeg, dms(46, 5, 29.47345));
  EXPECT_DOUBLE_EQ(p.lonWestDeg, dms(64, 46, 57.79621));
  ASSERT_TRUE(lumbrix::parseFrontEndRecord(frontEndRecord(lines[2]), p, error)) << error;
  EXPECT_EQ(p.id, "BATHURST");
  EXPECT_DOUBLE_EQ(p.latDeg, dms(47, 37, 9.58556));
  EXPECT_DOUBLE_EQ(p.lonWestDeg, dms(65, 39, 2.97736));
}

// Every station of ORVANDEL's reference runs reads back as the position in
// its GHOST columns, to the fifth decimal of the seconds the copy keeps.
TEST(LumbrixOrvandelInput, EveryGoldenStationReadsBack) {
  int stations = 0;
  for (const char* run : kGoldenRuns) {
    for (const auto& line : readLines(golden(run))) {
      if (line.empty()) break;
      lumbrix::Point fromCopy, fromColumns;
      std::string error;
      ASSERT_TRUE(lumbrix::parseFrontEndRecord(frontEndRecord(line), fromCopy, error))
          << run << ": " << frontEndRecord(line) << ": " << error;
      ASSERT_TRUE(lumbrix::parseGhostRecord(line, fromColumns, error)) << run << ": " << error;
      EXPECT_EQ(fromCopy.id, lumbrix_test::trimmed(cut(line, 10, 18)));
      EXPECT_NEAR(fromCopy.latDeg, fromColumns.latDeg, 1.01e-5 / 3600) << run << " " << fromCopy.id;
      EXPECT_NEAR(fromCopy.lonWestDeg, fromColumns.lonWestDeg, 1.01e-5 / 3600)
          << run << " " << fromCopy.id;
      ++stations;
    }
  }
  EXPECT_GE(stations, 20);
}

TEST(LumbrixOrvandelInput, ReadsTheWholeInput2File) {
  ASSERT_EQ(readText(testdata("input2.dat")), input2(golden("T1_NB_METRES")));
  std::vector<lumbrix::Point> points;
  std::string error;
  ASSERT_TRUE(lumbrix::readPoints(testdata("input2.dat"), true, points, error)) << error;
  ASSERT_EQ(points.size(), 5u);
  const char* ids[] = {"FREDERICT", "MONCTON", "BATHURST", "SAINTJOHN", "EDMUNDSTN"};
  for (size_t i = 0; i < points.size(); ++i) EXPECT_EQ(points[i].id, ids[i]);
  EXPECT_DOUBLE_EQ(points[3].lonWestDeg, dms(66, 3, 43.90261));
}

TEST(LumbrixOrvandelInput, WholeRunShiftsEveryStation) {
  for (const char* run : {"T1_NB_METRES", "T4_NB_KEYBOARD"}) {
    TempDir dir;
    const auto grid = makeGrid(dir, ntv2::Field::Ats77ToCsrs, "NB77CS.GSB");
    writeText(dir / "input2.dat", input2(golden(run)));
    const std::string base = dir / "NB_LL.";
    std::istringstream in(answers(grid, dir / "input2.dat", "IS", base));
    std::ostringstream err;
    ASSERT_EQ(lumbrix::run(in, err), 0) << run << ": " << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_FALSE(fs::exists(base + "MIS"));

    std::vector<lumbrix::Point> points;
    std::string error;
    ASSERT_TRUE(lumbrix::readPoints(dir / "input2.dat", true, points, error)) << error;
    const auto news = readLines(base + "NEW");
    ASSERT_EQ(news.size(), 5u) << run;
    ASSERT_EQ(points.size(), 5u);
    Reference ref(grid);
    for (size_t i = 0; i < news.size(); ++i) {
      const std::string& line = news[i];
      // Identifier right-aligned in 7-15, without the padding of the copy.
      EXPECT_EQ(line.substr(6, 9), std::string(9 - points[i].id.size(), ' ') + points[i].id)
          << line;
      double lat, lon;
      ASSERT_TRUE(ref.shift(points[i].latDeg, points[i].lonWestDeg, false, lat, lon));
      const double latOut = dms(std::stod(line.substr(40, 2)), std::stod(line.substr(43, 2)),
                                std::stod(line.substr(46, 8)));
      const double lonOut = dms(std::stod(line.substr(56, 2)), std::stod(line.substr(59, 2)),
                                std::stod(line.substr(62, 8)));
      EXPECT_NEAR(latOut, lat, 0.51e-5 / 3600) << run << " " << points[i].id;
      EXPECT_NEAR(lonOut, lon, 0.51e-5 / 3600) << run << " " << points[i].id;
    }
  }
}

// Real garbage in the copied columns still stops the run, naming the line.
TEST(LumbrixOrvandelInput, GarbageInTheCopiedColumnsStillFails) {
  TempDir dir;
  const auto grid = makeGrid(dir, ntv2::Field::Ats77ToCsrs, "NB77CS.GSB");
  std::string text = input2(golden("T1_NB_METRES"));
  const auto at = text.find(",46, 5,");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 7, ",46,*5,");
  writeText(dir / "input2.dat", text);
  std::istringstream in(answers(grid, dir / "input2.dat", "IS", dir / "NB_LL."));
  std::ostringstream err;
  EXPECT_NE(lumbrix::run(in, err), 0);
  EXPECT_NE(err.str().find("line 2: invalid minutes"), std::string::npos) << err.str();
  EXPECT_FALSE(fs::exists(dir / "NB_LL.NEW"));
}
