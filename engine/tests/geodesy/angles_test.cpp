#include "geodesy/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using geodesy::DEGDMS;
using geodesy::DMSRAD;
using geodesy::RADDMS;

constexpr double kDegPerRad = 57.29577951308233;

TEST(DMSRAD, PositiveAngle) { EXPECT_DOUBLE_EQ(DMSRAD(45, 30, 36.0F), (45.0 + 0.5 + 0.01) / kDegPerRad); }

TEST(DMSRAD, NegativeMinutesAloneMakeTheAngleNegative) { EXPECT_DOUBLE_EQ(DMSRAD(0, -30, 0.0F), -0.5 / kDegPerRad); }

TEST(DMSRAD, NegativeSecondsApplyToTheWholeAngle) {
    EXPECT_DOUBLE_EQ(DMSRAD(45, 0, -1.0F), -(45.0 + 1.0 / 3600.0) / kDegPerRad);
}

TEST(DMSRAD, NegativeDegrees) { EXPECT_DOUBLE_EQ(DMSRAD(-66, 15, 1.0F), -(66.0 + 0.25 + 1.0 / 3600.0) / kDegPerRad); }

TEST(DMSRAD, SecondsAreTakenAtSinglePrecision) {
    const float s = 12.34567F;
    EXPECT_EQ(DMSRAD(0, 0, s), static_cast<double>(s) / 3600.0 / kDegPerRad);
}

TEST(DEGDMS, PlainSplit) {
    const auto d = DEGDMS(45.5125);
    EXPECT_EQ(d.degrees, 45);
    EXPECT_EQ(d.minutes, 30);
    EXPECT_NEAR(d.seconds, 45.0, 1e-9);
}

TEST(DEGDMS, CarryStopsAtTheMinutes) {
    const auto d = DEGDMS(45.9999999999);
    EXPECT_EQ(d.degrees, 45);
    EXPECT_EQ(d.minutes, 60);
    EXPECT_NEAR(d.seconds, 0.0, 1e-5);
}

TEST(DEGDMS, JustBelowTheThresholdIsNotCarried) {
    // 59.99998 seconds lies below the stored single-precision 59.99999.
    const auto d = DEGDMS(10.0 + 59.0 / 60.0 + 59.99998 / 3600.0);
    EXPECT_EQ(d.minutes, 59);
    EXPECT_NEAR(d.seconds, 59.99998, 1e-7);
}

TEST(DEGDMS, NegativeValuesTruncateTowardZero) {
    const auto d = DEGDMS(-45.5);
    EXPECT_EQ(d.degrees, -45);
    EXPECT_EQ(d.minutes, -30);
    EXPECT_NEAR(d.seconds, 0.0, 1e-9);
}

TEST(RADDMS, SplitsAndRoundsToATenThousandthSecond) {
    const double rad = (45.0 + 30.0 / 60.0 + 12.34567 / 3600.0) / (180.0 / 3.141592653589793);
    const auto d = RADDMS(rad);
    EXPECT_EQ(d.degrees, 45);
    EXPECT_EQ(d.minutes, 30);
    EXPECT_NEAR(d.seconds, 12.34567F, 1e-4F);
}

TEST(RADDMS, HalfASecondWestCarriesTheSignOnTheSeconds) {
    const auto d = RADDMS(-0.5 / 206264.8062470963);
    EXPECT_EQ(d.degrees, 0);
    EXPECT_EQ(d.minutes, 0);
    EXPECT_FLOAT_EQ(d.seconds, -0.5F);
}

TEST(RADDMS, SignOnDegreesOrMinutes) {
    const auto a = RADDMS(-(66.0 + 15.0 / 60.0) / 57.29577951308232);
    EXPECT_EQ(a.degrees, -66);
    EXPECT_EQ(a.minutes, 15);
    EXPECT_NEAR(a.seconds, 0.0F, 1e-4F);
    const auto b = RADDMS(-(15.0 / 60.0 + 1.0 / 3600.0) / 57.29577951308232);
    EXPECT_EQ(b.degrees, 0);
    EXPECT_EQ(b.minutes, -15);
    EXPECT_NEAR(b.seconds, 1.0F, 1e-4F);
}

TEST(RADDMS, NudgeMakesAlmostWholeMinutesRoundUp) {
    // 29' 59.99996" becomes 30' 0.0000".
    const auto d = RADDMS((29.0 * 60.0 + 59.99996) / 206264.8062470963);
    EXPECT_EQ(d.minutes, 30);
    EXPECT_NEAR(d.seconds, 0.0F, 1e-4F);
}

TEST(RADDMS, RoundTripThroughDMSRAD) {
    for (int deg = 43; deg <= 69; deg += 3) {
        for (int min = 0; min < 60; min += 7) {
            const float sec = 12.3456F + static_cast<float>(min);
            const float s = sec >= 60.0F ? sec - 60.0F : sec;
            const auto d = RADDMS(DMSRAD(deg, min, s));
            EXPECT_EQ(d.degrees, deg);
            EXPECT_EQ(d.minutes, min);
            EXPECT_NEAR(d.seconds, s, 1.1e-4F);
        }
    }
}

TEST(AngleSplits, UnusableAnglesDoNotMisbehave) {
    const auto a = RADDMS(std::nan(""));
    EXPECT_EQ(a.degrees, 0);
    const auto b = DEGDMS(1e300);
    EXPECT_EQ(b.degrees, 2147483647);
    const auto c = DEGDMS(-std::numeric_limits<double>::infinity());
    EXPECT_EQ(c.degrees, -2147483647 - 1);
}

}  // namespace
