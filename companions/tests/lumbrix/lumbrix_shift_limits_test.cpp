// The check on every shifted point: it must end for any value the projection
// library hands back, and only a plausible datum shift is kept.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "lumbrix_shift.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

TEST(LumbrixShiftLimits, ARealShiftIsKeptUnchanged) {
  double lon = 65.0 + 2.5e-5;
  EXPECT_TRUE(lumbrix::shiftedPointUsable(45.0, 65.0, 45.0 - 1e-5, lon));
  EXPECT_EQ(lon, 65.0 + 2.5e-5);
}

// Once `while (out - in > 180) out -= 360` here never ended for these.
TEST(LumbrixShiftLimits, NonFiniteOrHugeShiftsLeaveThePointNotShifted) {
  for (double out :
       {kInf, -kInf, kNaN, 1e300, -1e300, 1e30, 1e15, 65.0 + 722.5, 65.0 - 363.5, 67.5}) {
    double lon = out;
    EXPECT_FALSE(lumbrix::shiftedPointUsable(45.0, 65.0, 45.0, lon)) << out;
  }
  for (double lat : {kInf, kNaN, 1e300, 95.0, 47.5}) {
    double lon = 65.0;
    EXPECT_FALSE(lumbrix::shiftedPointUsable(45.0, 65.0, lat, lon)) << lat;
  }
  double lon = 65.0;
  EXPECT_FALSE(lumbrix::shiftedPointUsable(kNaN, 65.0, 45.0, lon));
  lon = 65.0;
  EXPECT_FALSE(lumbrix::shiftedPointUsable(45.0, kInf, 45.0, lon));
}

TEST(LumbrixShiftLimits, ALongitudeAcrossThe180thMeridianStaysOnTheInputSide) {
  double lon = -179.99995;  // 179.99995 E, just across from 179.99998 W
  EXPECT_TRUE(lumbrix::shiftedPointUsable(10.0, 179.99998, 10.0, lon));
  EXPECT_NEAR(lon, 180.00005, 1e-9);
  lon = 179.99995;
  EXPECT_TRUE(lumbrix::shiftedPointUsable(10.0, -179.99998, 10.0, lon));
  EXPECT_NEAR(lon, -180.00005, 1e-9);
}
