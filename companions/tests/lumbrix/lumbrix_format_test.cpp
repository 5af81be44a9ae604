#include <gtest/gtest.h>

#include <string>

#include "lumbrix_format.h"

namespace {

// Columns as the front end's readers cut them (1-based, inclusive).
std::string cols(const std::string& line, size_t first, size_t last) {
  return line.substr(first - 1, last - first + 1);
}

}  // namespace

TEST(LumbrixDms, RoundsOnceSoSecondsStayBelowSixty) {
  auto d = lumbrix::toDms(45 + 5 / 60.0 + 3.2 / 3600.0);
  EXPECT_EQ(d.degrees, 45);
  EXPECT_EQ(d.minutes, 5);
  EXPECT_NEAR(d.seconds, 3.2, 1e-9);
  d = lumbrix::toDms(45 + 59 / 60.0 + 59.999999 / 3600.0);
  EXPECT_EQ(d.degrees, 46);
  EXPECT_EQ(d.minutes, 0);
  EXPECT_EQ(d.seconds, 0.0);
  d = lumbrix::toDms(-(13 + 24 / 60.0));
  EXPECT_TRUE(d.negative);
  EXPECT_EQ(d.degrees, 13);
  EXPECT_EQ(d.minutes, 24);
}

TEST(LumbrixNewRecord, FieldsSitInTheColumnsTheReadersUse) {
  const std::string line = lumbrix::newRecord(3, "P1", 45 + 5 / 60.0 + 3.63262 / 3600.0,
                                              66 + 7 / 60.0 + 14.37164 / 3600.0, 0.177);
  EXPECT_EQ(cols(line, 7, 15), "       P1");
  EXPECT_EQ(cols(line, 41, 42), "45");
  EXPECT_EQ(cols(line, 44, 45), "05");
  EXPECT_EQ(cols(line, 47, 54), "03.63262");
  EXPECT_EQ(cols(line, 57, 58), "66");
  EXPECT_EQ(cols(line, 60, 61), "07");
  EXPECT_EQ(cols(line, 63, 70), "14.37164");
  ASSERT_EQ(line.size(), 80u);
  EXPECT_EQ(cols(line, 71, 80), "     0.177");
  // Nothing else between the fields.
  EXPECT_EQ(cols(line, 16, 40), std::string(25, ' '));
  EXPECT_EQ(line[42], ' ');
  EXPECT_EQ(line[45], ' ');
  EXPECT_EQ(cols(line, 55, 56), "  ");
}

TEST(LumbrixNewRecord, WithoutAccuracyEndsAtColumn70) {
  const std::string line = lumbrix::newRecord(1, "ABCDEFGHI", 46.5, 65.0, std::nullopt);
  EXPECT_EQ(line.size(), 70u);
  EXPECT_EQ(cols(line, 7, 15), "ABCDEFGHI");
  EXPECT_EQ(cols(line, 47, 54), "00.00000");
}

TEST(LumbrixNewRecord, ThreeDigitAndSignedDegreesStayInsideTheirFields) {
  const std::string line = lumbrix::newRecord(1, "X", -41.5, 185.25, std::nullopt);
  EXPECT_EQ(cols(line, 40, 42), "-41");
  EXPECT_EQ(cols(line, 56, 58), "185");
  EXPECT_EQ(cols(line, 60, 61), "15");
}

TEST(LumbrixMissedRecord, KeepsTheUnshiftedPoint) {
  lumbrix::Point p{"FAR", 50.0, 66.0};
  const std::string line = lumbrix::missedRecord(4, p);
  EXPECT_EQ(cols(line, 7, 15), "      FAR");
  EXPECT_EQ(cols(line, 41, 42), "50");
  EXPECT_EQ(cols(line, 57, 58), "66");
  EXPECT_NE(line.find("OUTSIDE GRID"), std::string::npos);
}

TEST(LumbrixListing, ShowsShiftsInArcSeconds) {
  lumbrix::Point p{"P1", 45.0, 66.0};
  const std::string line = lumbrix::listingRecord(1, p, 45.0 + 0.4 / 3600, 66.0 + 2.0 / 3600, 0.25);
  EXPECT_NE(line.find("0.40000"), std::string::npos) << line;
  EXPECT_NE(line.find("2.00000"), std::string::npos) << line;
  EXPECT_NE(line.find("0.250"), std::string::npos) << line;
}
