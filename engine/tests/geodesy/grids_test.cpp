// The ellipsoids and grids held by the code against their published
// definitions, written here as published (degrees, minutes, metres, feet).
#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/ellipsoids.h"
#include "geodesy/grids.h"

namespace {

double radians(double degrees, double minutes) { return (degrees + minutes / 60.0) * M_PI / 180.0; }

// The stored origins were converted with a degree factor a few parts in 1e14
// off pi/180: well under a micrometre on the ground.
constexpr double kOriginTolerance = 5e-12;

TEST(Ellipsoids, Ats77IsSemiMajor6378135WithInverseFlattening298257) {
    EXPECT_EQ(geodesy::kAts77.a, 6378135.0);
    // b rounded to the millimetre from 1/f = 298.257.
    EXPECT_NEAR(geodesy::kAts77.b, 6378135.0 * (1.0 - 1.0 / 298.257), 0.002);
}

TEST(Ellipsoids, Clarke1866AxesAsPublished) {
    EXPECT_EQ(geodesy::kClarke1866.a, 6378206.4);
    EXPECT_EQ(geodesy::kClarke1866.b, 6356583.8);
}

TEST(Grids, NewBrunswickDoubleStereographic) {
    const geodesy::StereoGrid& g = geodesy::kNewBrunswickStereo;
    EXPECT_NEAR(g.phi0, radians(46, 30), kOriginTolerance);   // 46 30 N
    EXPECT_NEAR(g.lam0, -radians(66, 30), kOriginTolerance);  // 66 30 W
    EXPECT_EQ(g.k0, 0.999912);
    EXPECT_EQ(g.fe, 300000);
    EXPECT_EQ(g.fn, 800000);
}

TEST(Grids, PrinceEdwardIslandDoubleStereographic) {
    const geodesy::StereoGrid& g = geodesy::kPrinceEdwardIslandStereo;
    EXPECT_NEAR(g.phi0, radians(47, 15), kOriginTolerance);  // 47 15 N
    EXPECT_NEAR(g.lam0, -radians(63, 0), kOriginTolerance);  // 63 W
    EXPECT_EQ(g.k0, 0.999912);
    EXPECT_EQ(g.fe, 700000);
    EXPECT_EQ(g.fn, 400000);
}

TEST(Grids, NovaScotiaMtmZones) {
    EXPECT_EQ(geodesy::kNovaScotiaZone4.centralMeridian, -61.5);  // 61 30 W
    EXPECT_EQ(geodesy::kNovaScotiaZone5.centralMeridian, -64.5);  // 64 30 W
    for (const geodesy::TmZone& z : {geodesy::kNovaScotiaZone4, geodesy::kNovaScotiaZone5}) {
        EXPECT_EQ(z.k0, 0.9999);
        EXPECT_EQ(z.fn, 0);
    }
    EXPECT_EQ(geodesy::kNovaScotiaZone4.fe, 4500000);
    EXPECT_EQ(geodesy::kNovaScotiaZone5.fe, 5500000);
    EXPECT_EQ(geodesy::kMtmScale, 0.9999);
}

TEST(Grids, Utm) {
    EXPECT_EQ(geodesy::kUtmScale, 0.9996);
    EXPECT_EQ(geodesy::kUtmFalseEasting, 500000.0);
}

TEST(Grids, Nad27ProvincialGridsInFeet) {
    EXPECT_EQ(geodesy::kNewBrunswickStereo27.phi0, 46.5);
    EXPECT_EQ(geodesy::kNewBrunswickStereo27.lam0, 66.5);
    EXPECT_EQ(geodesy::kNewBrunswickStereo27.falseEasting, 1000000.0);
    EXPECT_EQ(geodesy::kNewBrunswickStereo27.falseNorthing, 1000000.0);
    EXPECT_EQ(geodesy::kPrinceEdwardIslandStereo27.phi0, 47.25);
    EXPECT_EQ(geodesy::kPrinceEdwardIslandStereo27.lam0, 63.0);
    EXPECT_EQ(geodesy::kPrinceEdwardIslandStereo27.falseEasting, 500000.0);
    EXPECT_EQ(geodesy::kPrinceEdwardIslandStereo27.falseNorthing, 700000.0);
    EXPECT_EQ(geodesy::kNovaScotia27Scale, 0.9999);
    // 304800 m.
    EXPECT_EQ(geodesy::kNovaScotia27FalseEastingFeet, 1000000.0);
    EXPECT_NEAR(304800.0 * geodesy::kFeetPerMetre, 1000000.0, 1e-6);
}

}  // namespace
