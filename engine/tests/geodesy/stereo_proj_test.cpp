// The double stereographic chain against PROJ's oblique stereographic
// (Gauss conformal sphere) on the ATS77 ellipsoid.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "geodesy/stereo.h"
#include "projection_reference.h"
#include "province_extents.h"

namespace {

using namespace geodesy;
using geodesy_test::kDeg;

constexpr double kA = 6378135.0;
constexpr double kB = 6356750.306;
constexpr double kK0 = 0.999912;

struct Case {
    const char* name;
    double phi0, lam0, falseEasting, falseNorthing;
    geodesy_test::Box box;
};

void compareWithProj(const Case& c) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "+proj=sterea +lat_0=%.17g +lon_0=%.17g +k=%.10g +x_0=%.10g +y_0=%.10g "
                  "+a=6378135 +b=6356750.306 +units=m",
                  c.phi0 / kDeg, c.lam0 / kDeg, kK0, c.falseEasting, c.falseNorthing);
    const geodesy_test::ProjectionReference ref(text);
    const SphereParams p = DSPARM(c.phi0, c.lam0, kA, kB);
    double worstForward = 0.0;
    double worstInverse = 0.0;
    int count = 0;
    for (const auto& pt : geodesy_test::sample(c.box, 15, 20)) {
        const double phi = pt.lat * kDeg;
        const double lam = pt.lon * kDeg;
        const SpherePoint s = DSSPHR(phi, lam, p.e, kA, p.n, p.c, p.R);
        const PlanePoint g = DSPLAN(s.chi, s.Lam, c.falseEasting, c.falseNorthing, kK0, p.chi0, p.Lam0, p.R);
        const geodesy_test::PlaneXY r = ref.forward(phi, lam);
        worstForward = std::max(worstForward, std::hypot(g.easting - r.x, g.northing - r.y));

        const SphereCoords sc = DSINVP(r.x, r.y, c.falseEasting, c.falseNorthing, kK0, p.R, p.chi0, p.Lam0);
        const EllipsoidPoint geo = DSELIP(sc.chi, sc.Lam, p.n, p.c, p.e);
        const double dn = (geo.phi - phi) * geodesy_test::kMetresPerRadian;
        const double de = (geo.lam - lam) * std::cos(phi) * geodesy_test::kMetresPerRadian;
        worstInverse = std::max(worstInverse, std::hypot(dn, de));
        ++count;
    }
    std::printf("%s vs PROJ sterea (%d points): forward %.3g m, inverse %.3g m\n", c.name, count, worstForward,
                worstInverse);
    EXPECT_LT(worstForward, 0.001) << c.name;
    EXPECT_LT(worstInverse, 0.001) << c.name;
}

TEST(DoubleStereographicVsProj, NewBrunswick) {
    compareWithProj({"NB", 0.8115781021785567, -1.160643952577936, 300000.0, 800000.0, geodesy_test::kNewBrunswick});
}

TEST(DoubleStereographicVsProj, PrinceEdwardIsland) {
    compareWithProj(
        {"PEI", 0.8246680715685335, -1.0995574287580447, 700000.0, 400000.0, geodesy_test::kPrinceEdwardIsland});
}

}  // namespace
