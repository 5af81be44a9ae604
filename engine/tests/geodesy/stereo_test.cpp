// Behaviour of the ATS77 double stereographic routines.
#include "geodesy/stereo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "province_extents.h"

namespace {

using namespace geodesy;
using geodesy_test::kDeg;

constexpr double kA = 6378135.0;
constexpr double kB = 6356750.306;
constexpr double kK0 = 0.999912;

struct StereoGrid {
    const char* name;
    double phi0, lam0, falseEasting, falseNorthing;
    geodesy_test::Box box;
};

const StereoGrid kNb{"NB", 0.8115781021785567, -1.160643952577936, 300000.0, 800000.0, geodesy_test::kNewBrunswick};
const StereoGrid kPei{"PEI",    0.8246680715685335, -1.0995574287580447,
                      700000.0, 400000.0,           geodesy_test::kPrinceEdwardIsland};

struct Projected {
    PlanePoint plane;
    SpherePoint sphere;
};

Projected forward(const StereoGrid& g, const SphereParams& p, double phi, double lam) {
    const SpherePoint s = DSSPHR(phi, lam, p.e, kA, p.n, p.c, p.R);
    return {DSPLAN(s.chi, s.Lam, g.falseEasting, g.falseNorthing, kK0, p.chi0, p.Lam0, p.R), s};
}

EllipsoidPoint inverse(const StereoGrid& g, const SphereParams& p, double e, double n) {
    const SphereCoords s = DSINVP(e, n, g.falseEasting, g.falseNorthing, kK0, p.R, p.chi0, p.Lam0);
    return DSELIP(s.chi, s.Lam, p.n, p.c, p.e);
}

TEST(DoubleStereographicParameters, SphereTouchesTheEllipsoidAtTheOrigin) {
    for (const StereoGrid* g : {&kNb, &kPei}) {
        const SphereParams p = DSPARM(g->phi0, g->lam0, kA, kB);
        EXPECT_GT(p.n, 1.0);
        EXPECT_LT(p.n, 1.01);
        EXPECT_NEAR(p.e * p.e, (kA * kA - kB * kB) / (kA * kA), 1e-15);
        EXPECT_NEAR(p.Lam0, p.n * g->lam0, 1e-15);
        // The origin maps to the conformal origin with Gauss scale 1.
        const SpherePoint s = DSSPHR(g->phi0, g->lam0, p.e, kA, p.n, p.c, p.R);
        EXPECT_NEAR(s.chi, p.chi0, 1e-14) << g->name;
        EXPECT_NEAR(s.m, 1.0, 1e-14) << g->name;
        // Gauss's sphere radius is the geometric mean of the principal radii.
        const double e2 = p.e * p.e;
        const double w2 = 1.0 - e2 * std::sin(g->phi0) * std::sin(g->phi0);
        EXPECT_NEAR(p.R, std::sqrt(kA / std::sqrt(w2) * kA * (1 - e2) / (w2 * std::sqrt(w2))), 1e-6);
    }
}

TEST(DoubleStereographicPlane, OriginGivesTheFalseOriginExactly) {
    const SphereParams p = DSPARM(kNb.phi0, kNb.lam0, kA, kB);
    const PlanePoint o = DSPLAN(p.chi0, p.Lam0, 300000.0, 800000.0, kK0, p.chi0, p.Lam0, p.R);
    EXPECT_EQ(o.easting, 300000.0);
    EXPECT_EQ(o.northing, 800000.0);
    EXPECT_EQ(o.scale, kK0);
    EXPECT_EQ(o.convergence, 0.0);
}

TEST(DoubleStereographicPlane, EastAndNorthOfTheOriginAreEastAndNorth) {
    const SphereParams p = DSPARM(kPei.phi0, kPei.lam0, kA, kB);
    const Projected ne = forward(kPei, p, kPei.phi0 + 0.005, kPei.lam0 + 0.01);
    EXPECT_GT(ne.plane.easting, 700000.0);
    EXPECT_GT(ne.plane.northing, 400000.0);
    EXPECT_GT(ne.plane.convergence, 0.0);
    EXPECT_GT(ne.plane.scale, kK0);
    const Projected sw = forward(kPei, p, kPei.phi0 - 0.005, kPei.lam0 - 0.01);
    EXPECT_LT(sw.plane.easting, 700000.0);
    EXPECT_LT(sw.plane.northing, 400000.0);
    EXPECT_LT(sw.plane.convergence, 0.0);
}

TEST(DoubleStereographicInverse, FalseOriginGivesTheOriginWithoutDividingByZero) {
    const SphereParams p = DSPARM(kNb.phi0, kNb.lam0, kA, kB);
    const SphereCoords s = DSINVP(300000.0, 800000.0, 300000.0, 800000.0, kK0, p.R, p.chi0, p.Lam0);
    EXPECT_EQ(s.chi, p.chi0);
    EXPECT_EQ(s.Lam, p.Lam0);
    const EllipsoidPoint geo = DSELIP(s.chi, s.Lam, p.n, p.c, p.e);
    EXPECT_TRUE(geo.converged);
    EXPECT_NEAR(geo.phi, kNb.phi0, 1e-12);
    EXPECT_NEAR(geo.lam, kNb.lam0, 1e-15);
}

TEST(DoubleStereographicInverse, FarOutsideTheGridClampsInsteadOfFailing) {
    const SphereParams p = DSPARM(kNb.phi0, kNb.lam0, kA, kB);
    // 20000 km from the origin: beyond the antipode of the sphere.
    const SphereCoords s = DSINVP(300000.0 + 2e7, 800000.0 + 2e7, 300000.0, 800000.0, kK0, p.R, p.chi0, p.Lam0);
    EXPECT_FALSE(std::isnan(s.chi));
    EXPECT_FALSE(std::isnan(s.Lam));
    EXPECT_LE(std::fabs(s.chi), M_PI / 2.0);
}

TEST(DoubleStereographicInverse, IterationCapReportsNonConvergence) {
    const SphereParams p = DSPARM(kNb.phi0, kNb.lam0, kA, kB);
    const EllipsoidPoint geo = DSELIP(std::numeric_limits<double>::quiet_NaN(), 0.0, p.n, p.c, p.e);
    EXPECT_FALSE(geo.converged);
}

void expectRoundTrip(const StereoGrid& g) {
    const SphereParams p = DSPARM(g.phi0, g.lam0, kA, kB);
    double worstGeo = 0.0;
    double worstGrid = 0.0;
    for (const auto& pt : geodesy_test::sample(g.box, 21, 21)) {
        const double phi = pt.lat * kDeg;
        const double lam = pt.lon * kDeg;
        const Projected f = forward(g, p, phi, lam);
        const EllipsoidPoint geo = inverse(g, p, f.plane.easting, f.plane.northing);
        ASSERT_TRUE(geo.converged);
        const double dn = (geo.phi - phi) * geodesy_test::kMetresPerRadian;
        const double de = (geo.lam - lam) * std::cos(phi) * geodesy_test::kMetresPerRadian;
        worstGeo = std::max(worstGeo, std::hypot(dn, de));
        // And the grid recomputed from the inverse, as the dispatcher does.
        const Projected again = forward(g, p, geo.phi, geo.lam);
        worstGrid = std::max(
            worstGrid, std::hypot(again.plane.easting - f.plane.easting, again.plane.northing - f.plane.northing));
    }
    std::printf("double stereographic round trip %s: geographic %.3g m, grid %.3g m\n", g.name, worstGeo, worstGrid);
    EXPECT_LT(worstGeo, 0.001);
    EXPECT_LT(worstGrid, 0.001);
}

TEST(DoubleStereographicRoundTrip, NewBrunswick) { expectRoundTrip(kNb); }
TEST(DoubleStereographicRoundTrip, PrinceEdwardIsland) { expectRoundTrip(kPei); }

// Point scale = stereographic scale x Gauss scale equals the ratio of grid
// distance to ellipsoidal distance for a small step.
TEST(DoubleStereographicScale, MatchesTheLocalDistortion) {
    const SphereParams p = DSPARM(kNb.phi0, kNb.lam0, kA, kB);
    const double e2 = p.e * p.e;
    for (const auto& pt : geodesy_test::sample(kNb.box, 4, 4)) {
        const double phi = pt.lat * kDeg;
        const double lam = pt.lon * kDeg;
        const double h = 1e-7;
        const Projected c = forward(kNb, p, phi, lam);
        const Projected n = forward(kNb, p, phi + h, lam);
        const double w = std::sqrt(1.0 - e2 * std::sin(phi) * std::sin(phi));
        const double rho = kA * (1.0 - e2) / (w * w * w);
        const double grid = std::hypot(n.plane.easting - c.plane.easting, n.plane.northing - c.plane.northing);
        EXPECT_NEAR(c.plane.scale * c.sphere.m, grid / (rho * h), 1e-6);
        // Convergence: direction of the projected meridian, positive east.
        const double angle = std::atan2(-(n.plane.easting - c.plane.easting), n.plane.northing - c.plane.northing);
        EXPECT_NEAR(c.plane.convergence, angle, 1e-6);
    }
}

TEST(DoubleStereographicJacobian, MatchesNumericalDerivativesAndInverts) {
    for (const StereoGrid* g : {&kNb, &kPei}) {
        const SphereParams p = DSPARM(g->phi0, g->lam0, kA, kB);
        for (const auto& pt : geodesy_test::sample(g->box, 3, 3)) {
            const double phi = pt.lat * kDeg;
            const double lam = pt.lon * kDeg;
            const double h = 1e-6;
            const Projected c = forward(*g, p, phi, lam);
            const Projected pn = forward(*g, p, phi + h, lam);
            const Projected ps = forward(*g, p, phi - h, lam);
            const Projected le = forward(*g, p, phi, lam + h);
            const Projected lw = forward(*g, p, phi, lam - h);
            const Mat2 numeric = {
                (pn.plane.easting - ps.plane.easting) / (2 * h), (pn.plane.northing - ps.plane.northing) / (2 * h),
                (le.plane.easting - lw.plane.easting) / (2 * h), (le.plane.northing - lw.plane.northing) / (2 * h)};
            const Mat2 j = DSJACO(kA, kB, p.R, p.n, p.c, kK0, phi, c.sphere.chi, p.chi0, c.sphere.Lam - p.Lam0, 1);
            for (int k = 0; k < 4; ++k) EXPECT_NEAR(j[k], numeric[k], 1e-8 * 6.4e6) << g->name << " " << k;
            const Mat2 inv = DSJACO(kA, kB, p.R, p.n, p.c, kK0, phi, c.sphere.chi, p.chi0, c.sphere.Lam - p.Lam0, -1);
            EXPECT_NEAR(j[0] * inv[0] + j[2] * inv[1], 1.0, 1e-12);
            EXPECT_NEAR(j[1] * inv[0] + j[3] * inv[1], 0.0, 1e-12);
            EXPECT_NEAR(j[0] * inv[2] + j[2] * inv[3], 0.0, 1e-12);
            EXPECT_NEAR(j[1] * inv[2] + j[3] * inv[3], 1.0, 1e-12);
        }
    }
}

}  // namespace
