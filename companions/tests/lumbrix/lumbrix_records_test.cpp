#include <gtest/gtest.h>

#include "lumbrix_records.h"
#include "lumbrix_test_support.h"

using lumbrix_test::TempDir;
using lumbrix_test::testdata;
using lumbrix_test::writeText;

TEST(LumbrixFrontEndRecord, ReadsTheFrontEndLayout) {
  lumbrix::Point p;
  std::string error;
  ASSERT_TRUE(lumbrix::parseFrontEndRecord("'P1',45,05,03.20000,66,07,12.00000", p, error))
      << error;
  EXPECT_EQ(p.id, "P1");
  EXPECT_DOUBLE_EQ(p.latDeg, 45 + 5 / 60.0 + 3.2 / 3600.0);
  EXPECT_DOUBLE_EQ(p.lonWestDeg, 66 + 7 / 60.0 + 12.0 / 3600.0);
}

TEST(LumbrixFrontEndRecord, IdentifierMayHoldBlanksAndCommas) {
  lumbrix::Point p;
  std::string error;
  ASSERT_TRUE(lumbrix::parseFrontEndRecord("'A 1,B',45,05,03.20000,66,07,12.00000", p, error))
      << error;
  EXPECT_EQ(p.id, "A 1,B");
}

TEST(LumbrixFrontEndRecord, MinusTurnsTheWholeAngle) {
  lumbrix::Point p;
  std::string error;
  ASSERT_TRUE(lumbrix::parseFrontEndRecord("'DE',52,30,00.00000,-13,24,36.00000", p, error))
      << error;
  EXPECT_DOUBLE_EQ(p.lonWestDeg, -(13 + 24 / 60.0 + 36 / 3600.0));
}

// Fixed-column copies: blanks and zeros in front of the digits are normal.
TEST(LumbrixFrontEndRecord, TakesBlankAndZeroPaddedFields) {
  const double lat = 45 + 5 / 60.0 + 3.2 / 3600.0, lon = 66 + 7 / 60.0 + 12.0 / 3600.0;
  for (const char* line :
       {"'P1',45, 5, 3.20000,66, 7,12.00000", "'P1', 45,05,03.20000, 66,07,12.00000",
        "'P1',045,005,003.2,066,007,012.0", "'P1',45 ,5 ,3.2 ,66 ,7 ,12 ",
        "'  P1     ',45, 5, 3.20000,66, 7,12.00000"}) {
    lumbrix::Point p;
    std::string error;
    ASSERT_TRUE(lumbrix::parseFrontEndRecord(line, p, error)) << line << ": " << error;
    EXPECT_EQ(p.id, "P1") << line;
    EXPECT_DOUBLE_EQ(p.latDeg, lat) << line;
    EXPECT_DOUBLE_EQ(p.lonWestDeg, lon) << line;
  }
  lumbrix::Point p;
  std::string error;
  ASSERT_TRUE(lumbrix::parseFrontEndRecord("'DE',52,30, 0.00000, -13,24,36.00000", p, error))
      << error;
  EXPECT_DOUBLE_EQ(p.lonWestDeg, -(13 + 24 / 60.0 + 36 / 3600.0));
}

TEST(LumbrixFrontEndRecord, RejectsBadRecords) {
  lumbrix::Point p;
  std::string error;
  for (const char* bad : {"P1,45,05,03.20000,66,07,12.00000",      // no quotes
                          "'P1,45,05,03.20000,66,07,12.00000",     // unclosed
                          "'',45,05,03.20000,66,07,12.00000",      // empty identifier
                          "'TOOLONGIDS',45,05,03.2,66,07,12.0",    // 10 characters
                          "'P1',45,05,03.20000,66,07",             // five fields
                          "'P1',45,05,03.20000,66,07,12.0,1",      // seven fields
                          "'P1',45,60,03.20000,66,07,12.00000",    // minutes 60
                          "'P1',45,05,60.00000,66,07,12.00000",    // seconds 60
                          "'P1',4a,05,03.20000,66,07,12.00000",    // letter
                          "'P1',45,05,03.2.000,66,07,12.00000",    // two points
                          "'P1',45,,03.20000,66,07,12.00000",      // empty minutes
                          "'P1',45,05,,66,07,12.00000",            // empty seconds
                          "'P1',95,05,03.20000,66,07,12.00000",    // beyond the pole
                          "'P1',45,05,-3.20000,66,07,12.00000",    // signed seconds
                          "'P1',4 5,05,03.20000,66,07,12.00000",   // blank inside the degrees
                          "'P1',45,0 5,03.20000,66,07,12.00000",   // blank inside the minutes
                          "'P1',45,05,03 .2,66,07,12.00000",       // blank inside the seconds
                          "'P1',45,  ,03.20000,66,07,12.00000",    // blank minutes
                          "'P1',45,05,   ,66,07,12.00000",         // blank seconds
                          "'P1',- 45,05,03.20000,66,07,12.00000",  // sign apart from its digits
                          "'P1',45,-5,03.20000,66,07,12.00000",    // signed minutes
                          "'P1',45,5.,03.20000,66,07,12.00000",    // minutes with a point
                          "'P1',45,05,.,66,07,12.00000",           // seconds without digits
                          "'P1',1000,05,03.2,66,07,12.0",          // four-digit degrees
                          "'P1',45,100,03.2,66,07,12.0",           // three-digit minutes
                          "'   ',45,05,03.20000,66,07,12.00000",   // blank identifier
                          ""}) {
    EXPECT_FALSE(lumbrix::parseFrontEndRecord(bad, p, error)) << bad;
    EXPECT_FALSE(error.empty());
  }
}

TEST(LumbrixGhostRecord, ReadsTheGhostColumns) {
  const auto lines = lumbrix_test::readLines(testdata("LL_GHOST.DAT"));
  ASSERT_EQ(lines.size(), 3u);
  lumbrix::Point p;
  std::string error;
  ASSERT_TRUE(lumbrix::parseGhostRecord(lines[0], p, error)) << error;
  EXPECT_EQ(p.id, "MONCTON");
  EXPECT_DOUBLE_EQ(p.latDeg, 46 + 5 / 60.0 + 14.12345 / 3600.0);
  EXPECT_DOUBLE_EQ(p.lonWestDeg, 64 + 46 / 60.0 + 40.5 / 3600.0);
}

// VESPERAN writes hemisphere letters, three-column longitude degrees and
// six-decimal seconds in the same fields; the sixth decimal is kept.
TEST(LumbrixGhostRecord, ReadsTheWholeFieldsVesperanWrites) {
  const std::string line =
      " 04      FREDTN                        N45 5748.959993W 66 3835.159993    0.000";
  ASSERT_EQ(line.substr(39, 1), "N");
  lumbrix::Point p;
  std::string error;
  ASSERT_TRUE(lumbrix::parseGhostRecord(line, p, error)) << error;
  EXPECT_EQ(p.id, "FREDTN");
  EXPECT_DOUBLE_EQ(p.latDeg, 45 + 57 / 60.0 + 48.959993 / 3600.0);
  EXPECT_DOUBLE_EQ(p.lonWestDeg, 66 + 38 / 60.0 + 35.159993 / 3600.0);
}

TEST(LumbrixGhostRecord, RejectsShortOrBlankFields) {
  const auto line = lumbrix_test::readLines(testdata("LL_GHOST.DAT"))[0];
  lumbrix::Point p;
  std::string error;
  EXPECT_FALSE(lumbrix::parseGhostRecord(line.substr(0, 50), p, error));
  std::string noId = line;
  noId.replace(6, 9, std::string(9, ' '));
  EXPECT_FALSE(lumbrix::parseGhostRecord(noId, p, error));
  std::string blankDeg = line;
  blankDeg[40] = ' ';  // column 41
  blankDeg[41] = ' ';
  EXPECT_FALSE(lumbrix::parseGhostRecord(blankDeg, p, error));
  std::string badMin = line;
  badMin[43] = '7';  // minutes 75
  EXPECT_FALSE(lumbrix::parseGhostRecord(badMin, p, error));
}

TEST(LumbrixGhostRecord, TakesZeroPaddedFields) {
  std::string line =
      " 04      FREDTN                        N45 5748.959993W 66 3835.159993    0.000";
  line.replace(42, 3, "005");  // latitude minutes, columns 43-45
  line.replace(55, 3, "066");  // longitude degrees, 56-58
  line.replace(58, 3, "038");  // longitude minutes, 59-61
  lumbrix::Point p;
  std::string error;
  ASSERT_TRUE(lumbrix::parseGhostRecord(line, p, error)) << line << ": " << error;
  EXPECT_DOUBLE_EQ(p.latDeg, 45 + 5 / 60.0 + 48.959993 / 3600.0);
  EXPECT_DOUBLE_EQ(p.lonWestDeg, 66 + 38 / 60.0 + 35.159993 / 3600.0);
}

TEST(LumbrixReadPoints, ReadsBothLayoutsAndSkipsBlankLines) {
  std::vector<lumbrix::Point> points;
  std::string error;
  ASSERT_TRUE(lumbrix::readPoints(testdata("INPUT.DAT"), true, points, error)) << error;
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[1].id, "HALIFAX");
  ASSERT_TRUE(lumbrix::readPoints(testdata("LL_GHOST.DAT"), false, points, error)) << error;
  EXPECT_EQ(points.size(), 3u);
  EXPECT_EQ(points[2].id, "STJOHN");

  TempDir dir;
  writeText(dir / "IN.DAT", "'A',45,00,00.0,65,00,00.0\r\n\r\n   \r\n'B',46,00,00.0,65,00,00.0");
  ASSERT_TRUE(lumbrix::readPoints(dir / "IN.DAT", true, points, error)) << error;
  EXPECT_EQ(points.size(), 2u);
}

TEST(LumbrixReadPoints, NamesTheBadLineAndFailsOnMissingFiles) {
  TempDir dir;
  std::vector<lumbrix::Point> points;
  std::string error;
  writeText(dir / "IN.DAT", "'A',45,00,00.0,65,00,00.0\r\n'B',46,00,00.0,65,00\r\n");
  EXPECT_FALSE(lumbrix::readPoints(dir / "IN.DAT", true, points, error));
  EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  EXPECT_FALSE(lumbrix::readPoints(dir / "NONE.DAT", true, points, error));
  EXPECT_NE(error.find("cannot open"), std::string::npos);
  EXPECT_FALSE(lumbrix::readPoints(dir.path.string(), true, points, error));
  // A GHOST file read as front-end records is refused, not half-read.
  EXPECT_FALSE(lumbrix::readPoints(testdata("LL_GHOST.DAT"), true, points, error));
}
