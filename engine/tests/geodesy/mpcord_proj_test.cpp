// MPCORD checked against an independent implementation of the same
// projections, on the same ellipsoid.
#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "geodesy/mpcord.h"
#include "geodesy/tmerc.h"

namespace {

using geodesy::MPCORD;
using geodesy::MpcordArgs;

constexpr double kPi = 3.141592653589793;
constexpr const char* kEllipsoid = " +a=6378135 +b=6356750.306 +units=m +no_defs";
constexpr double kTolerance = 0.001;  // metres

class Projection {
public:
    explicit Projection(const std::string& definition)
        : ctx_(proj_context_create()), pj_(proj_create(ctx_, (definition + kEllipsoid).c_str())) {}
    ~Projection() {
        if (pj_) proj_destroy(pj_);
        proj_context_destroy(ctx_);
    }
    Projection(const Projection&) = delete;
    Projection& operator=(const Projection&) = delete;

    bool ok() const { return pj_ != nullptr; }

    // Radians in, metres out.
    PJ_XY forward(double phi, double lam) const {
        PJ_COORD c = proj_coord(lam, phi, 0, 0);
        c = proj_trans(pj_, PJ_FWD, c);
        return c.xy;
    }
    PJ_LP inverse(double east, double north) const {
        PJ_COORD c = proj_coord(east, north, 0, 0);
        c = proj_trans(pj_, PJ_INV, c);
        return c.lp;
    }

private:
    PJ_CONTEXT* ctx_;
    PJ* pj_;
};

std::string stereo(double phi0, double lam0, double fe, double fn) {
    char buf[200];
    std::snprintf(buf, sizeof buf, "+proj=sterea +lat_0=%.17g +lon_0=%.17g +k=0.999912 +x_0=%.1f +y_0=%.1f",
                  phi0 * 180.0 / kPi, lam0 * 180.0 / kPi, fe, fn);
    return buf;
}

std::string tmerc(double lon0, double k0, double fe) {
    char buf[200];
    std::snprintf(buf, sizeof buf, "+proj=tmerc +lat_0=0 +lon_0=%.17g +k=%.17g +x_0=%.1f +y_0=0", lon0, k0, fe);
    return buf;
}

struct Box {
    double lat0, lat1, lon0, lon1;  // degrees, east positive
};

const Box kNewBrunswick{44.6, 48.0, -69.0, -64.0};
const Box kNovaScotia{43.5, 47.0, -66.2, -60.0};
const Box kPrinceEdwardIsland{45.95, 47.05, -64.4, -62.0};

// Ground distance of a latitude/longitude difference, metres (near enough).
double groundError(double dphi, double dlam, double phi) {
    return std::hypot(dphi * 6367000.0, dlam * 6389000.0 * std::cos(phi));
}

// Compares MPCORD with the reference for `count` points of `box`;
// meridianOf picks MERIDN for a point (degrees), 0 when unused.
template <typename MeridianOf, typename ProjectionOf>
void compare(int code, const Box& box, int count, unsigned seed, MeridianOf meridianOf, ProjectionOf projectionOf) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> lat(box.lat0, box.lat1);
    std::uniform_real_distribution<double> lon(box.lon0, box.lon1);
    double worstForward = 0.0;
    double worstInverse = 0.0;
    geodesy::ZoneMemory zones;
    for (int i = 0; i < count; ++i) {
        const double phi = lat(gen) * kPi / 180.0;
        const double lam = lon(gen) * kPi / 180.0;
        const double meridn = meridianOf(lam);
        const Projection& ref = projectionOf(meridn);
        ASSERT_TRUE(ref.ok());

        MpcordArgs f;
        f.IPROJ = code;
        f.PHI = phi;
        f.LAM = lam;
        f.MERIDN = meridn;
        MPCORD(f, zones);
        ASSERT_TRUE(f.IERR == 0 || f.IERR == code + 2) << f.IERR;
        const PJ_XY xy = ref.forward(phi, lam);
        const double df = std::hypot(f.EAST - xy.x, f.NORTH - xy.y);
        worstForward = std::max(worstForward, df);
        EXPECT_LT(df, kTolerance) << "forward code " << code << " at " << phi << " " << lam;

        MpcordArgs b;
        b.IPROJ = code + 10;
        b.EAST = xy.x;
        b.NORTH = xy.y;
        b.MERIDN = meridn;
        MPCORD(b, zones);
        const double di = groundError(b.PHI - phi, b.LAM - lam, phi);
        worstInverse = std::max(worstInverse, di);
        EXPECT_LT(di, kTolerance) << "inverse code " << code + 10 << " at " << xy.x << " " << xy.y;

        const PJ_LP lp = ref.inverse(f.EAST, f.NORTH);
        EXPECT_LT(groundError(lp.phi - phi, lp.lam - lam, phi), kTolerance);
    }
    ::testing::Test::RecordProperty("worst_forward_m", std::to_string(worstForward));
    ::testing::Test::RecordProperty("worst_inverse_m", std::to_string(worstInverse));
}

TEST(MpcordAgainstReference, NewBrunswickStereographic) {
    const Projection ref(stereo(0.8115781021785567, -1.160643952577936, 300000, 800000));
    compare(
        1, kNewBrunswick, 300, 11U, [](double) { return 0.0; }, [&](double) -> const Projection& { return ref; });
}

TEST(MpcordAgainstReference, PrinceEdwardIslandStereographic) {
    const Projection ref(stereo(0.8246680715685335, -1.0995574287580447, 700000, 400000));
    compare(
        3, kPrinceEdwardIsland, 300, 13U, [](double) { return 0.0; }, [&](double) -> const Projection& { return ref; });
}

TEST(MpcordAgainstReference, NovaScotiaMtmZones4And5) {
    const Projection zone4(tmerc(-61.5, 0.9999, 4500000));
    const Projection zone5(tmerc(-64.5, 0.9999, 5500000));
    compare(
        2, kNovaScotia, 400, 12U, [](double lam) { return lam * 180.0 / kPi > -63.0 ? -61.5 : -64.5; },
        [&](double meridn) -> const Projection& { return meridn == -61.5 ? zone4 : zone5; });
}

TEST(MpcordAgainstReference, UtmZones19To21) {
    const Projection z19("+proj=utm +zone=19");
    const Projection z20("+proj=utm +zone=20");
    const Projection z21("+proj=utm +zone=21");
    const auto meridianOf = [](double lam) { return geodesy::UTMZON(lam).centralMeridian * 180.0 / kPi; };
    const auto projectionOf = [&](double meridn) -> const Projection& {
        return meridn < -66.0 ? z19 : (meridn < -60.0 ? z20 : z21);
    };
    compare(4, kNewBrunswick, 300, 19U, meridianOf, projectionOf);
    compare(4, kNovaScotia, 300, 20U, meridianOf, projectionOf);
    compare(4, kPrinceEdwardIsland, 200, 21U, meridianOf, projectionOf);
}

}  // namespace
