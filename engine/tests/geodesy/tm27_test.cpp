// Behaviour of the NAD27 Transverse Mercator routines (degrees, positive west).
#include "geodesy/tm27.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "province_extents.h"

namespace {

using namespace geodesy;

constexpr double kFeetPerMetre = 3.280839895013123;

TEST(Tm27Forward, CentralMeridianGivesTheFalseEastingAndNoConvergence) {
    const Tm27Grid feet = TM27FW(45.0, 61.5, 0.9999, 61.5, Tm27Unit::Feet);
    EXPECT_EQ(feet.easting, 1000000.0);
    EXPECT_EQ(feet.convergence, 0.0);
    const Tm27Grid metres = TM27FW(45.0, 63.0, 0.9996, 63.0, Tm27Unit::Metres);
    EXPECT_EQ(metres.easting, 500000.0);
    EXPECT_EQ(metres.convergence, 0.0);
    // Same meridian arc, once in feet at 0.9999 and once in metres at 0.9996.
    EXPECT_NEAR(feet.northing / 0.9999, metres.northing * kFeetPerMetre / 0.9996, 1e-6);
}

TEST(Tm27Forward, TheUnitArgumentAloneChoosesFeetOrMetres) {
    // The scale factor no longer decides the unit: the UTM scale in feet stays
    // on the 1000000 ft false easting, and any scale can be had in metres.
    const Tm27Grid feet = TM27FW(45.0, 62.0, 0.9996, 63.0, Tm27Unit::Feet);
    const Tm27Grid utm = TM27FW(45.0, 62.0, 0.9996, 63.0, Tm27Unit::Metres);
    EXPECT_GT(feet.easting, 1000000.0);
    EXPECT_NEAR(feet.northing / utm.northing, kFeetPerMetre, 1e-6);
    EXPECT_NEAR((feet.easting - 1000000.0) / kFeetPerMetre, utm.easting - 500000.0, 0.001);
    const Tm27Grid nearly = TM27FW(45.0, 62.0, 0.99960001, 63.0, Tm27Unit::Feet);
    EXPECT_GT(nearly.easting, 1000000.0);
    const Tm27Grid mtmMetres = TM27FW(45.0, 62.0, 0.9999, 63.0, Tm27Unit::Metres);
    EXPECT_GT(mtmMetres.easting, 500000.0);
    EXPECT_EQ(mtmMetres.northing, TM27FW(45.0, 62.0, 0.9999, 63.0, Tm27Unit::Feet).northing / kFeetPerMetre);
}

TEST(Tm27Forward, LongitudesArePositiveWest) {
    const Tm27Grid east = TM27FW(45.0, 60.5, 0.9999, 61.5, Tm27Unit::Feet);
    const Tm27Grid west = TM27FW(45.0, 62.5, 0.9999, 61.5, Tm27Unit::Feet);
    EXPECT_GT(east.easting, 1000000.0);
    EXPECT_LT(west.easting, 1000000.0);
    EXPECT_GT(east.convergence, 0.0);
    EXPECT_LT(west.convergence, 0.0);
    // Nearly symmetric: the central meridian is converted with a slightly
    // different radian factor than the longitude.
    EXPECT_NEAR(east.convergence, -west.convergence, 1e-9);
    // Convergence is roughly the longitude difference times sin(latitude).
    EXPECT_NEAR(east.convergence, std::sin(45.0 * geodesy_test::kDeg), 0.01);
}

TEST(Tm27Inverse, CentralMeridianAndScaleOutput) {
    const Tm27Grid g = TM27FW(46.0, 64.5, 0.9999, 64.5, Tm27Unit::Feet);
    const Tm27Geo mi = TM27MI(1000000.0, g.northing, 64.5);
    EXPECT_EQ(mi.scale, 0.9999);
    EXPECT_TRUE(mi.converged);
    EXPECT_EQ(mi.lam, 64.5);
    EXPECT_EQ(mi.convergence, 0.0);
    const Tm27Geo ui = TM27UI(5000000.0, 500000.0, 0.9996, 57.0);
    EXPECT_EQ(ui.lam, 57.0);
    EXPECT_TRUE(ui.converged);
}

TEST(Tm27Inverse, UtmTakesNorthingFirst) {
    const Tm27Grid g = TM27FW(45.5, 61.0, 0.9996, 63.0, Tm27Unit::Metres);
    const Tm27Geo geo = TM27UI(g.northing, g.easting, 0.9996, 63.0);
    EXPECT_NEAR(geo.phi, 45.5, 1e-6);
    EXPECT_NEAR(geo.lam, 61.0, 1e-6);
}

TEST(Tm27Inverse, NonFiniteInputStopsAtTheCorrectionLimit) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(TM27MI(1000000.0, nan, 61.5).converged);
    EXPECT_FALSE(TM27UI(nan, 500000.0, 0.9996, 63.0).converged);
}

// The inverses convert radians to degrees with 57.2957795 while the forward
// routine uses the full constant: about 1.2 mm of latitude in the Maritimes.
constexpr double kRoundTripBound = 0.0015;

struct Worst {
    double geo = 0.0;   // metres on the ground
    double conv = 0.0;  // degrees
};

void track(Worst& w, double lat, double lon, const Tm27Geo& geo, double conv) {
    const double dn = (geo.phi - lat) * geodesy_test::kDeg * geodesy_test::kMetresPerRadian;
    const double de =
        (geo.lam - lon) * geodesy_test::kDeg * std::cos(lat * geodesy_test::kDeg) * geodesy_test::kMetresPerRadian;
    w.geo = std::max(w.geo, std::hypot(dn, de));
    w.conv = std::max(w.conv, std::fabs(geo.convergence - conv));
}

TEST(Tm27RoundTrip, NovaScotiaGridInFeet) {
    for (double cm : {61.5, 64.5}) {
        const geodesy_test::Box box = cm == 61.5 ? geodesy_test::kNovaScotiaZone4 : geodesy_test::kNovaScotiaZone5;
        Worst w;
        for (const auto& p : geodesy_test::sample(box, 21, 21)) {
            const double lon = -p.lon;  // positive west
            const Tm27Grid g = TM27FW(p.lat, lon, 0.9999, cm, Tm27Unit::Feet);
            const Tm27Geo geo = TM27MI(g.easting, g.northing, cm);
            ASSERT_TRUE(geo.converged);
            track(w, p.lat, lon, geo, g.convergence);
        }
        std::printf("TM27FW/TM27MI round trip CM %.1f W: %.3g m, convergence %.3g deg\n", cm, w.geo, w.conv);
        EXPECT_LT(w.geo, kRoundTripBound);
        EXPECT_LT(w.conv, 1e-7);
    }
}

TEST(Tm27RoundTrip, UtmZones19To21InMetres) {
    for (int zone = 19; zone <= 21; ++zone) {
        const double cm = 183.0 - 6.0 * zone;  // positive west
        Worst w;
        for (const auto& p : geodesy_test::sample(geodesy_test::utmZoneBox(zone), 21, 21)) {
            const double lon = -p.lon;
            const Tm27Grid g = TM27FW(p.lat, lon, 0.9996, cm, Tm27Unit::Metres);
            const Tm27Geo geo = TM27UI(g.northing, g.easting, 0.9996, cm);
            ASSERT_TRUE(geo.converged);
            track(w, p.lat, lon, geo, g.convergence);
        }
        std::printf("TM27FW/TM27UI round trip zone %d: %.3g m, convergence %.3g deg\n", zone, w.geo, w.conv);
        EXPECT_LT(w.geo, kRoundTripBound);
        EXPECT_LT(w.conv, 1e-7);
    }
}

}  // namespace
