// The NAD27 stereographic grids against PROJ's oblique stereographic on
// Clarke 1866. The grids are in international feet (the routines convert
// with 0.3048 m); PROJ is given the false origins in metres. The routines'
// own scale is 1 minus the radius constant (0.99991154 / 0.99991156), which
// fits better than the nominal 0.999912; both are measured.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "geodesy/stereo27.h"
#include "projection_reference.h"
#include "province_extents.h"

namespace {

using namespace geodesy;
using geodesy_test::kDeg;

struct Grid {
    const char* name;
    int province;
    double lat0, lonWest0, falseEasting, falseNorthing;
    geodesy_test::Box box;
};

const Grid kNb{"NB", 1, 46.5, 66.5, 1000000.0, 1000000.0, geodesy_test::kNewBrunswick};
const Grid kPei{"PEI", 3, 47.25, 63.0, 500000.0, 700000.0, geodesy_test::kPrinceEdwardIsland};

struct Differences {
    double forward = 0.0;      // metres
    double inverse = 0.0;      // metres on the ground
    double convForward = 0.0;  // degrees
    double convInverse = 0.0;  // degrees
};

Differences compare(const Grid& g, double k0) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "+proj=sterea +lat_0=%.10g +lon_0=%.10g +k=%.10g +x_0=%.4f +y_0=%.4f "
                  "+ellps=clrk66 +units=ft",
                  g.lat0, -g.lonWest0, k0, g.falseEasting * 0.3048, g.falseNorthing * 0.3048);
    const geodesy_test::ProjectionReference ref(text);
    PJ_CONTEXT* ctx = proj_context_create();
    PJ* pj = proj_create(ctx, text);
    Differences d;
    for (const auto& p : geodesy_test::sample(g.box, 15, 20)) {
        const double phi = p.lat * kDeg;
        const double lam = p.lon * kDeg;
        const St27Grid f = ST27FW(p.lat, -p.lon, g.province);
        const geodesy_test::PlaneXY r = ref.forward(phi, lam);
        d.forward = std::max(d.forward, std::hypot(f.easting - r.x, f.northing - r.y) * 0.3048);
        const double conv = proj_factors(pj, proj_coord(lam, phi, 0, 0)).meridian_convergence / kDeg;
        d.convForward = std::max(d.convForward, std::fabs(f.convergence - conv));

        const St27Geo geo = g.province == 3 ? PE27IN(r.x, r.y) : NB27IN(r.x, r.y);
        const double dn = (geo.phi - p.lat) * kDeg * geodesy_test::kMetresPerRadian;
        const double de = (geo.lam + p.lon) * kDeg * std::cos(phi) * geodesy_test::kMetresPerRadian;
        d.inverse = std::max(d.inverse, std::hypot(dn, de));
        // New Brunswick's inverse convergence has the opposite sign.
        const double inverseConv = g.province == 3 ? geo.convergence : -geo.convergence;
        d.convInverse = std::max(d.convInverse, std::fabs(inverseConv - conv));
    }
    proj_destroy(pj);
    proj_context_destroy(ctx);
    std::printf(
        "%s vs PROJ sterea clrk66 k0 %.8g (300 points): ST27FW %.3g m, inverse %.3g m, "
        "convergence forward %.3g deg, inverse %.3g deg\n",
        g.name, k0, d.forward, d.inverse, d.convForward, d.convInverse);
    return d;
}

// Loose bounds: a wrong sign, a swapped axis or a wrong unit is off by
// hundreds of metres or more.
void expectClose(const Differences& d) {
    EXPECT_LT(d.forward, 1.0);
    EXPECT_LT(d.inverse, 5.0);
    EXPECT_LT(d.convForward, 1e-3);
    EXPECT_LT(d.convInverse, 5e-3);
}

TEST(Stereo27VsProj, NewBrunswick) {
    expectClose(compare(kNb, 0.999912));
    expectClose(compare(kNb, 1.0 - 8.845999400364235e-05));
}

TEST(Stereo27VsProj, PrinceEdwardIsland) {
    expectClose(compare(kPei, 0.999912));
    expectClose(compare(kPei, 1.0 - 8.843999967211857e-05));
    expectClose(compare(kPei, 0.99991154));
}

}  // namespace
