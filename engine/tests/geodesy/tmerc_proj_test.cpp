// TMGRID and TMGEO against PROJ's Transverse Mercator on the ATS77 ellipsoid.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "geodesy/tmerc.h"
#include "projection_reference.h"
#include "province_extents.h"

namespace {

using namespace geodesy;
using geodesy_test::kDeg;

constexpr double kA = 6378135.0;
constexpr double kB = 6356750.306;

struct Case {
    const char* name;
    double cmDeg, k0, falseEasting;
    geodesy_test::Box box;
};

std::string tmercDefinition(const Case& c) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "+proj=tmerc +lat_0=0 +lon_0=%.10g +k=%.10g +x_0=%.10g +y_0=0 "
                  "+a=6378135 +b=6356750.306 +units=m",
                  c.cmDeg, c.k0, c.falseEasting);
    return text;
}

void compareWithProj(const Case& c) {
    const geodesy_test::ProjectionReference ref(tmercDefinition(c));
    const double cm = c.cmDeg * kDeg;
    double worstForward = 0.0;
    double worstInverse = 0.0;
    int count = 0;
    for (const auto& p : geodesy_test::sample(c.box, 15, 20)) {
        const double phi = p.lat * kDeg;
        const double lam = p.lon * kDeg;
        const TmGrid g = TMGRID(phi, lam - cm, kA, kB, c.k0, c.falseEasting, cm);
        const geodesy_test::PlaneXY r = ref.forward(phi, lam);
        worstForward = std::max(worstForward, std::hypot(g.easting - r.x, g.northing - r.y));

        // Inverse of PROJ's grid coordinates.
        const TmGeo geo = TMGEO(r.x, r.y, kA, kB, c.k0, c.falseEasting, cm);
        const double dn = (geo.phi - phi) * geodesy_test::kMetresPerRadian;
        const double de = (geo.lam - lam) * std::cos(phi) * geodesy_test::kMetresPerRadian;
        worstInverse = std::max(worstInverse, std::hypot(dn, de));
        ++count;
    }
    // The meridian arc series as stored carries an eighth-order error of up to
    // 0.6 mm in the Maritimes' latitudes; the rest agrees to micrometres.
    std::printf("%s vs PROJ tmerc (%d points): TMGRID %.3g m, TMGEO %.3g m\n", c.name, count, worstForward,
                worstInverse);
    EXPECT_LT(worstForward, 0.001) << c.name;
    EXPECT_LT(worstInverse, 0.001) << c.name;
}

TEST(TransverseMercatorVsProj, NovaScotiaMtm) {
    compareWithProj({"MTM 4", -61.5, 0.9999, 4500000.0, geodesy_test::kNovaScotiaZone4});
    compareWithProj({"MTM 5", -64.5, 0.9999, 5500000.0, geodesy_test::kNovaScotiaZone5});
}

TEST(TransverseMercatorVsProj, Utm) {
    compareWithProj({"UTM 19", -69.0, 0.9996, 500000.0, geodesy_test::utmZoneBox(19)});
    compareWithProj({"UTM 20", -63.0, 0.9996, 500000.0, geodesy_test::utmZoneBox(20)});
    compareWithProj({"UTM 21", -57.0, 0.9996, 500000.0, geodesy_test::utmZoneBox(21)});
}

// Scale and convergence against PROJ's factors at the same points.
TEST(TransverseMercatorVsProj, ScaleAndConvergence) {
    PJ_CONTEXT* ctx = proj_context_create();
    PJ* pj = proj_create(ctx, "+proj=tmerc +lon_0=-63 +k=0.9996 +x_0=500000 +a=6378135 +b=6356750.306");
    ASSERT_NE(pj, nullptr);
    double worstScale = 0.0;
    double worstConv = 0.0;
    for (const auto& p : geodesy_test::sample(geodesy_test::utmZoneBox(20), 11, 13)) {
        const PJ_FACTORS f = proj_factors(pj, proj_coord(p.lon * kDeg, p.lat * kDeg, 0, 0));
        const TmConvergence c = TMCONV(p.lat * kDeg, (p.lon + 63.0) * kDeg, 0.9996, kA, kB);
        worstScale = std::max(worstScale, std::fabs(c.scale - f.meridional_scale));
        worstConv = std::max(worstConv, std::fabs(c.convergence - f.meridian_convergence));
    }
    proj_destroy(pj);
    proj_context_destroy(ctx);
    std::printf("TMCONV vs PROJ factors: scale %.3g, convergence %.3g rad\n", worstScale, worstConv);
    EXPECT_LT(worstScale, 1e-7);
    EXPECT_LT(worstConv, 1e-7);
}

}  // namespace
