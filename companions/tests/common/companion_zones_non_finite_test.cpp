#include <gtest/gtest.h>

#include <limits>

#include "common/zones.h"

// A longitude that is not a number still gives a zone in 1..60.
TEST(CompanionZonesNonFinite, UtmZoneOfAnyLongitudeIsAZone) {
  EXPECT_EQ(companion::utmZoneOf(std::numeric_limits<double>::quiet_NaN()), 1);
  EXPECT_EQ(companion::utmZoneOf(std::numeric_limits<double>::infinity()), 1);
  EXPECT_EQ(companion::utmZoneOf(-std::numeric_limits<double>::infinity()), 60);
  EXPECT_EQ(companion::utmZoneOf(1e300), 1);
  EXPECT_EQ(companion::utmZoneOf(66.5), 19);
}
