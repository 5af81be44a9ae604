#include "common/ghost_records.h"

#include <gtest/gtest.h>

#include "program_runner.h"

namespace companion {
namespace {

using companion_test::columns;

TEST(CompanionGhostGeographic, FieldsStandWhereTheLlGhostReaderCutsThem) {
  const std::string line =
      formatGhostGeographic({"P1", 45.0 + 5.0 / 60 + 3.2 / 3600, 66.0 + 7.0 / 60 + 12.0 / 3600, 0});
  EXPECT_EQ(columns(line, 7, 15), "P1");
  EXPECT_EQ(columns(line, 41, 42), "45");
  EXPECT_EQ(columns(line, 44, 45), "05");
  EXPECT_EQ(columns(line, 46, 53), "03.20000");
  EXPECT_EQ(columns(line, 57, 58), "66");
  EXPECT_EQ(columns(line, 60, 61), "07");
  EXPECT_EQ(columns(line, 62, 69), "12.00000");
  EXPECT_EQ(line.substr(0, 6), " 04   ");
  EXPECT_EQ(line[39], 'N');
  EXPECT_EQ(line[54], 'W');
  EXPECT_EQ(line.size(), 79u);
}

TEST(CompanionGhostGeographic, ParsesWhatItFormats) {
  const GhostGeographic point{"STN-12", 46.123456789, 64.987654321, 12.5};
  GhostGeographic back;
  ASSERT_TRUE(parseGhostGeographic(formatGhostGeographic(point), back));
  EXPECT_EQ(back.identifier, "STN-12");
  EXPECT_NEAR(back.latitude, point.latitude, 1e-6 / 3600);
  EXPECT_NEAR(back.longitudeWest, point.longitudeWest, 1e-6 / 3600);
  EXPECT_DOUBLE_EQ(back.elevation, 12.5);
}

TEST(CompanionGhostGeographic, RejectsBrokenRecords) {
  GhostGeographic point;
  EXPECT_FALSE(parseGhostGeographic("", point));
  std::string line = formatGhostGeographic({"P1", 45.5, 66.5, 0});
  line[41] = 'x';
  EXPECT_FALSE(parseGhostGeographic(line, point));
  EXPECT_FALSE(parseGhostGeographic(line.substr(0, 50), point));
}

TEST(CompanionGhostUtm, FieldsStandWhereTheUtmGhostReaderCutsThem) {
  const std::string line = formatGhostUtm({"P1", 20, 355123.456, 5012345.678});
  EXPECT_EQ(columns(line, 7, 15), "P1");
  EXPECT_EQ(columns(line, 51, 52), "20");
  EXPECT_EQ(columns(line, 58, 68), "355123.456");
  EXPECT_EQ(columns(line, 70, 80), "5012345.678");
  EXPECT_EQ(line.size(), 80u);
}

}  // namespace
}  // namespace companion
