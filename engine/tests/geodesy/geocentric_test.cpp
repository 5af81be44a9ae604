#include "geodesy/geocentric.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using geodesy::GEOXYZ;
using geodesy::XYZGEO;

constexpr double kA = 6378206.4;
constexpr double kB = 6356583.8;
constexpr double kDeg = 3.141592653589793 / 180.0;

TEST(GEOXYZ, EquatorAndPole) {
    const auto eq = GEOXYZ(0.0, 0.0, 0.0, 0.0, 0.0, 0.0, kA, kB);
    EXPECT_DOUBLE_EQ(eq.x, kA);
    EXPECT_NEAR(eq.y, 0.0, 1e-9);
    EXPECT_NEAR(eq.z, 0.0, 1e-9);
    const auto pole = GEOXYZ(90.0 * kDeg, 0.0, 0.0, 0.0, 0.0, 0.0, kA, kB);
    EXPECT_NEAR(pole.z, kB, 1e-6);
    EXPECT_NEAR(pole.x, 0.0, 1e-6);
}

TEST(GEOXYZ, AddsTheTranslation) {
    const auto a = GEOXYZ(45.0 * kDeg, -65.0 * kDeg, 30.0, 0.0, 0.0, 0.0, kA, kB);
    const auto b = GEOXYZ(45.0 * kDeg, -65.0 * kDeg, 30.0, -10.0, 158.0, 187.0, kA, kB);
    EXPECT_DOUBLE_EQ(b.x - a.x, -10.0);
    EXPECT_DOUBLE_EQ(b.y - a.y, 158.0);
    EXPECT_DOUBLE_EQ(b.z - a.z, 187.0);
}

TEST(GEOXYZ, HeightAlongTheNormal) {
    const double phi = 46.0 * kDeg;
    const double lam = -64.0 * kDeg;
    const auto p0 = GEOXYZ(phi, lam, 0.0, 0.0, 0.0, 0.0, kA, kB);
    const auto p1 = GEOXYZ(phi, lam, 100.0, 0.0, 0.0, 0.0, kA, kB);
    const double d = std::hypot(p1.x - p0.x, p1.y - p0.y, p1.z - p0.z);
    EXPECT_NEAR(d, 100.0, 1e-8);
}

TEST(XYZGEO, InvertsGEOXYZ) {
    for (double latDeg = 43.0; latDeg <= 49.0; latDeg += 0.75) {
        for (double lonDeg = -70.0; lonDeg <= -58.0; lonDeg += 1.5) {
            for (double h : {-50.0, 0.0, 1234.5}) {
                const auto xyz = GEOXYZ(latDeg * kDeg, lonDeg * kDeg, h, -8.0, 160.0, 176.0, kA, kB);
                const auto g = XYZGEO(kA, kB, -8.0, 160.0, 176.0, xyz.x, xyz.y, xyz.z);
                EXPECT_TRUE(g.converged);
                EXPECT_NEAR(g.phi, latDeg * kDeg, 1e-10);
                EXPECT_NEAR(g.lambda, lonDeg * kDeg, 1e-12);
                EXPECT_NEAR(g.h, h, 1e-3);
            }
        }
    }
}

TEST(XYZGEO, LongitudeFromOneArgumentArctangent) {
    // 120 W lies beyond -90 degrees: atan(y/x) folds it to 60 E.
    const auto xyz = GEOXYZ(45.0 * kDeg, -120.0 * kDeg, 0.0, 0.0, 0.0, 0.0, kA, kB);
    const auto g = XYZGEO(kA, kB, 0.0, 0.0, 0.0, xyz.x, xyz.y, xyz.z);
    EXPECT_NEAR(g.lambda, 60.0 * kDeg, 1e-12);
    EXPECT_NEAR(g.phi, 45.0 * kDeg, 1e-10);
}

TEST(XYZGEO, DegeneratePointsStopAtTheCap) {
    const auto centre = XYZGEO(kA, kB, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0);
    EXPECT_LE(centre.iterations, geodesy::kXyzgeoMaxIterations);
    EXPECT_FALSE(centre.converged);
}

}  // namespace
