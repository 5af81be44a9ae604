// Behaviour of the NAD27 stereographic grids of New Brunswick and Prince
// Edward Island (feet, degrees, longitudes positive west).
#include "geodesy/stereo27.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "province_extents.h"

namespace {

using namespace geodesy;
using geodesy_test::kDeg;

TEST(Stereo27Forward, OriginsGiveTheFalseOrigins) {
    const St27Grid pei = ST27FW(47.25, 63.0, 3);
    EXPECT_EQ(pei.easting, 500000.0);
    EXPECT_EQ(pei.northing, 700000.0);
    EXPECT_EQ(pei.convergence, 0.0);
    const St27Grid nb = ST27FW(46.5, 66.5, 1);
    EXPECT_EQ(nb.easting, 1000000.0);
    EXPECT_EQ(nb.northing, 1000000.0);
    EXPECT_EQ(nb.convergence, 0.0);
}

TEST(Stereo27Forward, OnTheOriginParallelEastIsLargerWestIsSmaller) {
    const St27Grid east = ST27FW(46.5, 65.0, 1);
    const St27Grid west = ST27FW(46.5, 68.0, 1);
    EXPECT_GT(east.easting, 1000000.0);
    EXPECT_LT(west.easting, 1000000.0);
    EXPECT_GT(east.convergence, 0.0);
    EXPECT_LT(west.convergence, 0.0);
    // The parallel is concave towards the pole on the plane.
    EXPECT_GT(east.northing, 1000000.0);
    EXPECT_GT(west.northing, 1000000.0);
}

TEST(Stereo27Forward, QuadrantsAroundTheOrigin) {
    const struct {
        double dLat, dLonWest;
        bool east, north;
    } cases[] = {{0.5, -0.5, true, true},   {0.5, 0.5, false, true}, {-0.5, -0.5, true, false},
                 {-0.5, 0.5, false, false}, {0.5, 0.0, false, true}, {-0.5, 0.0, false, false}};
    for (const auto& c : cases) {
        const St27Grid g = ST27FW(47.25 + c.dLat, 63.0 + c.dLonWest, 3);
        if (c.dLonWest != 0.0) {
            EXPECT_EQ(g.easting > 500000.0, c.east) << c.dLat << " " << c.dLonWest;
        } else {
            // 180 degrees through 57.2957795 is not exactly pi: a tenth of a
            // millimetre south of the origin.
            EXPECT_NEAR(g.easting, 500000.0, 1e-3);
        }
        EXPECT_EQ(g.northing > 700000.0, c.north) << c.dLat << " " << c.dLonWest;
    }
}

// Near each origin the grid scale is 1 minus the grid's radius constant
// (the two constants differ by 2e-8). Distances in the routines' foot, the
// single-precision 0.3048 m.
double scaleNorthOfOrigin(double lat0, double lon0, int province, double falseNorthing) {
    const double e2 = 0.006768657997291274;  // Clarke 1866
    const double dLat = 0.01;
    const double mid = (lat0 + dLat / 2.0) * kDeg;
    const double w = std::sqrt(1.0 - e2 * std::sin(mid) * std::sin(mid));
    const double meridianFeet = 6378206.4 * (1.0 - e2) / (w * w * w) * dLat * kDeg / 0.30480000376701355;
    return (ST27FW(lat0 + dLat, lon0, province).northing - falseNorthing) / meridianFeet;
}

TEST(Stereo27Forward, EachGridUsesItsOwnRadiusConstant) {
    EXPECT_NEAR(scaleNorthOfOrigin(47.25, 63.0, 3, 700000.0), 1.0 - 8.843999967211857e-05, 5e-9);
    EXPECT_NEAR(scaleNorthOfOrigin(46.5, 66.5, 1, 1000000.0), 1.0 - 8.845999400364235e-05, 5e-9);
}

TEST(Stereo27Forward, NovaScotiaCodeUsesTheNewBrunswickGrid) {
    const St27Grid one = ST27FW(45.7, 64.2, 1);
    const St27Grid two = ST27FW(45.7, 64.2, 2);
    EXPECT_EQ(one.easting, two.easting);
    EXPECT_EQ(one.northing, two.northing);
    EXPECT_EQ(one.convergence, two.convergence);
}

TEST(Stereo27Forward, NonFiniteInputDoesNotCrash) {
    const St27Grid g = ST27FW(std::numeric_limits<double>::quiet_NaN(), 66.0, 1);
    EXPECT_TRUE(std::isnan(g.easting));
}

TEST(Stereo27Inverse, FalseOriginsGiveTheOriginsExactly) {
    const St27Geo nb = NB27IN(1000000.0, 1000000.0);
    EXPECT_EQ(nb.phi, 46.5);
    EXPECT_EQ(nb.lam, 66.5);
    EXPECT_EQ(nb.convergence, 0.0);
    const St27Geo pei = PE27IN(500000.0, 700000.0);
    EXPECT_EQ(pei.phi, 47.25);
    EXPECT_EQ(pei.lam, 63.0);
    EXPECT_EQ(pei.convergence, 0.0);
}

TEST(Stereo27Inverse, ConvergenceSignsDifferBetweenTheGrids) {
    const St27Grid nbEast = ST27FW(46.0, 65.5, 1);
    const St27Geo nb = NB27IN(nbEast.easting, nbEast.northing);
    EXPECT_GT(nbEast.convergence, 0.0);
    EXPECT_NEAR(nb.convergence, -nbEast.convergence, 1e-3);
    const St27Grid peEast = ST27FW(46.5, 62.5, 3);
    const St27Geo pe = PE27IN(peEast.easting, peEast.northing);
    EXPECT_GT(peEast.convergence, 0.0);
    EXPECT_NEAR(pe.convergence, peEast.convergence, 1e-3);
}

struct Agreement {
    double position = 0.0;     // metres on the ground
    double convergence = 0.0;  // degrees
};

template <typename Inverse>
Agreement roundTrip(const geodesy_test::Box& box, int province, Inverse inverse, double convSign) {
    Agreement worst;
    for (const auto& p : geodesy_test::sample(box, 25, 25)) {
        const double lonWest = -p.lon;
        const St27Grid g = ST27FW(p.lat, lonWest, province);
        const St27Geo geo = inverse(g.easting, g.northing);
        const double dn = (geo.phi - p.lat) * kDeg * geodesy_test::kMetresPerRadian;
        const double de = (geo.lam - lonWest) * kDeg * std::cos(p.lat * kDeg) * geodesy_test::kMetresPerRadian;
        worst.position = std::max(worst.position, std::hypot(dn, de));
        worst.convergence = std::max(worst.convergence, std::fabs(geo.convergence - convSign * g.convergence));
    }
    return worst;
}

// The inverse polynomials are fitted; their agreement with the forward
// routine was measured over each box and is asserted with some margin.
TEST(Stereo27RoundTrip, NewBrunswick) {
    const Agreement all = roundTrip(geodesy_test::kNewBrunswick, 1, NB27IN, -1.0);
    const Agreement core = roundTrip({45.0, 48.0, -68.5, -64.5}, 1, NB27IN, -1.0);
    std::printf(
        "ST27FW/NB27IN round trip: whole box %.3g m (convergence %.3g deg), "
        "45-48 N 64.5-68.5 W %.3g m\n",
        all.position, all.convergence, core.position);
    EXPECT_LT(all.position, 4.0);      // measured 3.37 m at 44 N 63 W
    EXPECT_LT(core.position, 0.2);     // measured 0.13 m
    EXPECT_LT(all.convergence, 2e-3);  // measured 9.5e-4 deg
}

TEST(Stereo27RoundTrip, PrinceEdwardIsland) {
    const Agreement all = roundTrip(geodesy_test::kPrinceEdwardIsland, 3, PE27IN, 1.0);
    std::printf("ST27FW/PE27IN round trip: %.3g m (convergence %.3g deg)\n", all.position, all.convergence);
    EXPECT_LT(all.position, 0.04);     // measured 0.029 m
    EXPECT_LT(all.convergence, 2e-4);  // measured 1.0e-4 deg
}

}  // namespace
