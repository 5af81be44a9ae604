#include "common/angles.h"

#include <gtest/gtest.h>

#include "common/companion_error.h"

namespace companion {
namespace {

TEST(CompanionToDms, SplitsDegreesMinutesSeconds) {
  const Dms dms = toDms(45.0 + 5.0 / 60.0 + 3.2 / 3600.0, 5);
  EXPECT_EQ(dms.degrees, 45);
  EXPECT_EQ(dms.minutes, 5);
  EXPECT_NEAR(dms.seconds, 3.2, 1e-9);
}

TEST(CompanionToDms, RoundedSixtySecondsCarryIntoMinutesAndDegrees) {
  const Dms dms = toDms(45.0 + 59.0 / 60.0 + 59.9999999 / 3600.0, 5);
  EXPECT_EQ(dms.degrees, 46);
  EXPECT_EQ(dms.minutes, 0);
  EXPECT_NEAR(dms.seconds, 0.0, 1e-12);
}

TEST(CompanionToDms, RefusesAnglesNoRecordCanHold) {
  EXPECT_THROW(toDms(1e300, 5), CompanionError);
  EXPECT_THROW(toDms(0.0 / 0.0, 5), CompanionError);
}

TEST(CompanionParseDms, ReadsFieldsAndChecksRanges) {
  double degrees = 0.0;
  ASSERT_TRUE(parseDms("45", "05", "03.20000", degrees));
  EXPECT_NEAR(degrees, 45.0 + 5.0 / 60.0 + 3.2 / 3600.0, 1e-12);
  EXPECT_FALSE(parseDms("45", "60", "00.0", degrees));
  EXPECT_FALSE(parseDms("45", "05", "60.0", degrees));
  EXPECT_FALSE(parseDms("45", "5.5", "00.0", degrees));
  EXPECT_FALSE(parseDms("4 ", "", "00.0", degrees));
  EXPECT_FALSE(parseDms("-45", "05", "00.0", degrees));
}

}  // namespace
}  // namespace companion
