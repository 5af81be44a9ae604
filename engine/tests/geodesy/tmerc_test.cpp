// Behaviour of the ATS77 Transverse Mercator routines.
#include "geodesy/tmerc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "province_extents.h"

namespace {

using namespace geodesy;
using geodesy_test::kDeg;

constexpr double kA = 6378135.0;
constexpr double kB = 6356750.306;

struct TmZone {
    double cmDeg, k0, falseEasting;
};

constexpr TmZone kMtm4{-61.5, 0.9999, 4500000.0};
constexpr TmZone kMtm5{-64.5, 0.9999, 5500000.0};

TmZone utm(int zone) { return {6.0 * zone - 183.0, 0.9996, 500000.0}; }

TmGrid forward(const TmZone& z, double latDeg, double lonDeg) {
    const double cm = z.cmDeg * kDeg;
    return TMGRID(latDeg * kDeg, lonDeg * kDeg - cm, kA, kB, z.k0, z.falseEasting, cm);
}

TEST(MeridianArc, StartsAtTheEquatorAndIsOddInLatitude) {
    EXPECT_EQ(MERARC(0.0, kA, kB), 0.0);
    EXPECT_DOUBLE_EQ(MERARC(-0.7, kA, kB), -MERARC(0.7, kA, kB));
}

TEST(MeridianArc, QuarterMeridianOfTheAts77Ellipsoid) {
    // Quarter meridian from the complete elliptic integral, by numerical
    // quadrature of the meridian radius.
    const double e2 = (kA * kA - kB * kB) / (kA * kA);
    const int steps = 20000;
    double sum = 0.0;
    for (int i = 0; i < steps; ++i) {
        const double phi = (i + 0.5) * (M_PI / 2.0) / steps;
        const double w = std::sqrt(1.0 - e2 * std::sin(phi) * std::sin(phi));
        sum += kA * (1.0 - e2) / (w * w * w);
    }
    const double quarter = sum * (M_PI / 2.0) / steps;
    EXPECT_NEAR(MERARC(M_PI / 2.0, kA, kB), quarter, 1e-3);
}

// Against a numerical integral of the meridian radius over the Maritimes'
// latitudes. The stored eighth-order coefficients leave up to 0.65 mm.
TEST(MeridianArc, AgreesWithTheIntegralOfTheMeridianRadius) {
    const double e2 = (kA * kA - kB * kB) / (kA * kA);
    for (double lat = 43.0; lat <= 49.0; lat += 0.5) {
        const double phi = lat * kDeg;
        const int steps = 20000;
        double sum = 0.0;
        for (int i = 0; i < steps; ++i) {
            const double p = (i + 0.5) * phi / steps;
            const double w = std::sqrt(1.0 - e2 * std::sin(p) * std::sin(p));
            sum += kA * (1.0 - e2) / (w * w * w);
        }
        EXPECT_NEAR(MERARC(phi, kA, kB), sum * phi / steps, 0.001) << lat;
    }
}

TEST(Footpoint, InvertsTheMeridianArc) {
    for (double lat = 40.0; lat <= 50.0; lat += 0.25) {
        const Footpoint f = FOOTPT(kA, kB, MERARC(lat * kDeg, kA, kB));
        EXPECT_TRUE(f.converged);
        EXPECT_NEAR(f.phi1, lat * kDeg, 1e-12) << lat;
    }
}

TEST(Footpoint, ReportsNonConvergenceInsteadOfLooping) {
    const Footpoint f = FOOTPT(kA, kB, std::numeric_limits<double>::quiet_NaN());
    EXPECT_FALSE(f.converged);
}

TEST(TransverseMercatorForward, TinyLongitudeDifferenceIsTheCentralMeridian) {
    const double phi = 45.3 * kDeg;
    const TmGrid g = TMGRID(phi, 1e-9, kA, kB, 0.9999, 4500000.0, -61.5 * kDeg);
    EXPECT_EQ(g.easting, 4500000.0);
    EXPECT_EQ(g.northing, 0.9999 * MERARC(phi, kA, kB));
}

TEST(TransverseMercatorForward, IsSymmetricAboutTheCentralMeridian) {
    const TmGrid east = forward(kMtm4, 45.0, -60.0);
    const TmGrid west = forward(kMtm4, 45.0, -63.0);
    EXPECT_GT(east.easting, 4500000.0);
    EXPECT_NEAR(east.easting - 4500000.0, 4500000.0 - west.easting, 1e-6);
    EXPECT_NEAR(east.northing, west.northing, 1e-6);
    // Off the central meridian the northing grows beyond the meridian arc.
    EXPECT_GT(east.northing, 0.9999 * MERARC(45.0 * kDeg, kA, kB));
}

TEST(TransverseMercatorInverse, OnTheCentralMeridianGivesTheFootpoint) {
    const double cm = -64.5 * kDeg;
    const double northing = 5012345.678;
    const TmGeo geo = TMGEO(5500000.0, northing, kA, kB, 0.9999, 5500000.0, cm);
    EXPECT_TRUE(geo.converged);
    EXPECT_EQ(geo.lam, cm);
    EXPECT_EQ(geo.phi, FOOTPT(kA, kB, northing / 0.9999).phi1);
}

void expectRoundTrip(const TmZone& z, const geodesy_test::Box& box, const char* name) {
    double worst = 0.0;
    const double cm = z.cmDeg * kDeg;
    for (const auto& p : geodesy_test::sample(box, 21, 21)) {
        const TmGrid g = forward(z, p.lat, p.lon);
        const TmGeo geo = TMGEO(g.easting, g.northing, kA, kB, z.k0, z.falseEasting, cm);
        ASSERT_TRUE(geo.converged);
        const double dn = (geo.phi - p.lat * kDeg) * geodesy_test::kMetresPerRadian;
        const double de = (geo.lam - p.lon * kDeg) * std::cos(p.lat * kDeg) * geodesy_test::kMetresPerRadian;
        worst = std::max(worst, std::hypot(dn, de));
    }
    std::printf("TMGRID/TMGEO round trip %s: largest %.3g m\n", name, worst);
    EXPECT_LT(worst, 0.001) << name;
}

TEST(TransverseMercatorRoundTrip, NovaScotiaMtmZones) {
    expectRoundTrip(kMtm4, geodesy_test::kNovaScotiaZone4, "MTM 4");
    expectRoundTrip(kMtm5, geodesy_test::kNovaScotiaZone5, "MTM 5");
}

TEST(TransverseMercatorRoundTrip, UtmZones19To21) {
    for (int zone = 19; zone <= 21; ++zone) {
        const std::string name = "UTM " + std::to_string(zone);
        expectRoundTrip(utm(zone), geodesy_test::utmZoneBox(zone), name.c_str());
    }
}

TEST(TransverseMercatorConvergence, OnTheCentralMeridianIsZeroWithScaleK0) {
    const TmConvergence c = TMCONV(46.0 * kDeg, 0.0, 0.9996, kA, kB);
    EXPECT_EQ(c.convergence, 0.0);
    EXPECT_EQ(c.scale, 0.9996);
}

// Convergence and scale agree with the geometry of the forward projection:
// the direction and length of the projected meridian.
TEST(TransverseMercatorConvergence, AgreesWithTheProjectedMeridian) {
    const double e2 = (kA * kA - kB * kB) / (kA * kA);
    for (double lat : {43.5, 45.5, 48.0}) {
        for (double dlamDeg : {-3.0, -1.2, 0.7, 3.0}) {
            const double phi = lat * kDeg;
            const double dlam = dlamDeg * kDeg;
            const double h = 1e-6;
            const TmGrid up = TMGRID(phi + h, dlam, kA, kB, 0.9996, 500000.0, 0.0);
            const TmGrid down = TMGRID(phi - h, dlam, kA, kB, 0.9996, 500000.0, 0.0);
            const double dE = (up.easting - down.easting) / (2 * h);
            const double dN = (up.northing - down.northing) / (2 * h);
            const double w = std::sqrt(1.0 - e2 * std::sin(phi) * std::sin(phi));
            const double rho = kA * (1.0 - e2) / (w * w * w);
            const TmConvergence c = TMCONV(phi, dlam, 0.9996, kA, kB);
            EXPECT_NEAR(c.convergence, std::atan2(-dE, dN), 2e-8) << lat << " " << dlamDeg;
            EXPECT_NEAR(c.scale, std::hypot(dE, dN) / rho, 2e-8) << lat << " " << dlamDeg;
            if (dlam > 0) {
                EXPECT_GT(c.convergence, 0.0);
            } else {
                EXPECT_LT(c.convergence, 0.0);
            }
        }
    }
}

TEST(TransverseMercatorJacobian, InverseFlagGivesTheMatrixInverse) {
    const Mat2 j = TMJACO(45.0 * kDeg, 0.03, 1);
    const Mat2 inv = TMJACO(45.0 * kDeg, 0.03, -1);
    // Column-major product j * inv.
    EXPECT_NEAR(j[0] * inv[0] + j[2] * inv[1], 1.0, 1e-12);
    EXPECT_NEAR(j[1] * inv[0] + j[3] * inv[1], 0.0, 1e-12);
    EXPECT_NEAR(j[0] * inv[2] + j[2] * inv[3], 0.0, 1e-12);
    EXPECT_NEAR(j[1] * inv[2] + j[3] * inv[3], 1.0, 1e-12);
}

TEST(TransverseMercatorJacobian, ApproximatesTheForwardDerivatives) {
    for (double dlam : {-0.04, 0.0, 0.05}) {
        const double phi = 46.0 * kDeg;
        const double h = 1e-6;
        const TmGrid pn = TMGRID(phi + h, dlam, kA, kB, 1.0, 0.0, 0.0);
        const TmGrid ps = TMGRID(phi - h, dlam, kA, kB, 1.0, 0.0, 0.0);
        const TmGrid le = TMGRID(phi, dlam + h, kA, kB, 1.0, 0.0, 0.0);
        const TmGrid lw = TMGRID(phi, dlam - h, kA, kB, 1.0, 0.0, 0.0);
        const Mat2 numeric = {(pn.easting - ps.easting) / (2 * h), (pn.northing - ps.northing) / (2 * h),
                              (le.easting - lw.easting) / (2 * h), (le.northing - lw.northing) / (2 * h)};
        const Mat2 j = TMJACO(phi, dlam, 1);
        for (int k = 0; k < 4; ++k) EXPECT_NEAR(j[k], numeric[k], 0.01 * 6.4e6) << k << " " << dlam;
        // The large elements within one percent.
        EXPECT_NEAR(j[1] / numeric[1], 1.0, 0.01);
        EXPECT_NEAR(j[2] / numeric[2], 1.0, 0.01);
    }
}

TEST(UtmZone, BoundaryGoesToTheWesternZone) {
    const UtmZone onBoundary = UTMZON(-66.0 * kDeg);
    EXPECT_EQ(onBoundary.zone, 19);
    EXPECT_NEAR(onBoundary.centralMeridian, -69.0 * kDeg, 1e-12);
    const UtmZone inside = UTMZON(-65.9999 * kDeg);
    EXPECT_EQ(inside.zone, 20);
    EXPECT_NEAR(inside.centralMeridian, -63.0 * kDeg, 1e-12);
}

TEST(UtmZone, MaritimeZonesAndEasternLongitudes) {
    EXPECT_EQ(UTMZON(-68.0 * kDeg).zone, 19);
    EXPECT_EQ(UTMZON(-61.0 * kDeg).zone, 20);
    const UtmZone z21 = UTMZON(-58.5 * kDeg);
    EXPECT_EQ(z21.zone, 21);
    EXPECT_NEAR(z21.centralMeridian, -57.0 * kDeg, 1e-12);
    const UtmZone z31 = UTMZON(4.0 * kDeg);
    EXPECT_EQ(z31.zone, 31);
    EXPECT_NEAR(z31.centralMeridian, 3.0 * kDeg, 1e-12);
}

TEST(UtmZone, NonFiniteLongitudeDoesNotCrash) {
    EXPECT_EQ(UTMZON(std::numeric_limits<double>::quiet_NaN()).zone, 0);
    EXPECT_EQ(UTMZON(std::numeric_limits<double>::infinity()).zone, 0);
}

}  // namespace
