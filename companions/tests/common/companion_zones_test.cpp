#include "common/zones.h"

#include <gtest/gtest.h>

namespace companion {
namespace {

TEST(CompanionUtmZone, MaritimeZonesAndTheirBoundaries) {
  EXPECT_EQ(utmZoneOf(66.5), 19);
  EXPECT_EQ(utmZoneOf(66.0), 19);  // boundary: the western zone
  EXPECT_EQ(utmZoneOf(65.9999), 20);
  EXPECT_EQ(utmZoneOf(63.0), 20);
  EXPECT_EQ(utmZoneOf(60.0), 20);
  EXPECT_EQ(utmZoneOf(59.9), 21);
  EXPECT_DOUBLE_EQ(utmCentralMeridian(19), 69.0);
  EXPECT_DOUBLE_EQ(utmCentralMeridian(21), 57.0);
}

TEST(CompanionMeridians, NameTheirZones) {
  EXPECT_EQ(utmZoneFromMeridian(69.0), 19);
  EXPECT_EQ(utmZoneFromMeridian(-63.0), 20);
  EXPECT_EQ(utmZoneFromMeridian(57.0), 21);
  EXPECT_FALSE(utmZoneFromMeridian(61.5));
  EXPECT_EQ(mtmZoneFromMeridian(61.5), 4);
  EXPECT_EQ(mtmZoneFromMeridian(-64.5), 5);
  EXPECT_FALSE(mtmZoneFromMeridian(63.0));
  EXPECT_DOUBLE_EQ(mtmCentralMeridian(5), 64.5);
}

TEST(CompanionMtmZone, FollowsTheLongitude) {
  EXPECT_EQ(mtmZoneFromLongitude(64.0), 5);
  EXPECT_EQ(mtmZoneFromLongitude(63.0), 4);
  EXPECT_EQ(mtmZoneFromLongitude(60.5), 4);
}

}  // namespace
}  // namespace companion
