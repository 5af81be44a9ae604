#include "quillon27/quillon27_records.h"

#include <gtest/gtest.h>

#include "record_layouts.h"

namespace quillon27 {
namespace {

using namespace companion_test;

TEST(Quillon27PlaneRecord, ReadsTheIntoQuillon27EnLayout) {
  // The front end's own example: P1, 6 blanks, the easting, 1 blank, the northing.
  const std::string line = intoQuillon27Plane("P1", "2500000.000", "7400000.000");
  ASSERT_EQ(line, "P1      2500000.000 7400000.000");
  const auto record = parsePlaneRecord(line);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->identifier, "P1");
  EXPECT_DOUBLE_EQ(record->easting, 2500000.0);
  EXPECT_DOUBLE_EQ(record->northing, 7400000.0);
}

TEST(Quillon27PlaneRecord, ShortCoordinatesAsTyped) {
  const auto record = parsePlaneRecord(intoQuillon27Plane("STN 8", "355000", "5012345.5"));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->identifier, "STN 8");
  EXPECT_DOUBLE_EQ(record->easting, 355000.0);
  EXPECT_DOUBLE_EQ(record->northing, 5012345.5);
}

TEST(Quillon27PlaneRecord, RejectsBrokenRecords) {
  EXPECT_FALSE(parsePlaneRecord(""));
  EXPECT_FALSE(parsePlaneRecord("P1      2500000.000"));
  EXPECT_FALSE(parsePlaneRecord(intoQuillon27Plane("P1", "25x0", "1")));
  EXPECT_FALSE(parsePlaneRecord(intoQuillon27Plane("", "1", "1")));
  EXPECT_FALSE(parsePlaneRecord(intoQuillon27Plane("P1", "1", "1 2")));
}

TEST(Quillon27GeographicRecord, ReadsTheIntoQuillon27LlLayout) {
  const std::string line = intoQuillon27LL("P1", 45.0 + 5.0 / 60 + 3.2 / 3600, 66.12);
  ASSERT_EQ(line, "450503.20000660712.00000P1");
  const auto record = parseGeographicRecord(line);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->identifier, "P1");
  EXPECT_NEAR(record->latitude, 45.0 + 5.0 / 60 + 3.2 / 3600, 1e-12);
  EXPECT_NEAR(record->longitudeWest, 66.12, 1e-12);
}

TEST(Quillon27GeographicRecord, RejectsBrokenRecords) {
  EXPECT_FALSE(parseGeographicRecord(""));
  EXPECT_FALSE(parseGeographicRecord("450503.20000660712.00000"));    // no identifier
  EXPECT_FALSE(parseGeographicRecord("456503.20000660712.00000P1"));  // 65 minutes
  EXPECT_FALSE(parseGeographicRecord("450563.20000660712.00000P1"));  // 63 seconds
  EXPECT_FALSE(parseGeographicRecord("4505 3.2000x660712.00000P1"));
  EXPECT_FALSE(parseGeographicRecord("450503.20000660712.00000NINECHARS"));
}

}  // namespace
}  // namespace quillon27
