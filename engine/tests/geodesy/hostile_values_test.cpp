// Every routine with an iteration or a normalisation loop ends for any
// argument: NaN, infinities, huge values and values just beside the guards.
// (Each call below once had to be checked for a loop whose trip count
// comes from the argument; a hang shows as a test that never ends.)
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "geodesy/geocentric.h"
#include "geodesy/mpcord.h"
#include "geodesy/mpcord_limits.h"
#include "geodesy/stereo.h"
#include "geodesy/stereo27.h"
#include "geodesy/tm27.h"
#include "geodesy/tmerc.h"

namespace geodesy {
namespace {

const std::vector<double>& hostile() {
    static const std::vector<double> values{std::numeric_limits<double>::quiet_NaN(),
                                            std::numeric_limits<double>::infinity(),
                                            -std::numeric_limits<double>::infinity(),
                                            std::numeric_limits<double>::max(),
                                            -std::numeric_limits<double>::max(),
                                            1e300,
                                            -1e300,
                                            1e15,
                                            1e6 + 1.0,
                                            999999.0,
                                            -999999.0,
                                            std::numeric_limits<double>::denorm_min()};
    return values;
}

TEST(HostileValues, LongitudeNormalisationOfTheLimitCheckEnds) {
    for (double v : hostile()) {
        for (int region = 1; region <= 4; ++region) {
            const int code = geographicLimitCode(region, 0.8, v);
            if (!std::isfinite(v) || std::fabs(v) > 1e6) {
                EXPECT_EQ(code, region + 2) << v;
            }
            geographicLimitCode(region, v, -1.1);
            gridLimitCode(region, v, v);
        }
        eastingZone(v);
    }
}

TEST(HostileValues, UtmZoneOfAnyLongitude) {
    for (double v : hostile()) {
        const UtmZone z = UTMZON(v);
        if (!std::isfinite(v) || std::fabs(v) > 1e5) {
            EXPECT_EQ(z.zone, 0) << v;
        }
    }
}

TEST(HostileValues, FootpointIterationsEnd) {
    for (double v : hostile()) {
        const Footpoint f = FOOTPT(6378135.0, 6356750.305, v);
        if (std::isnan(v)) {
            EXPECT_FALSE(f.converged);
        }
        TM27MI(v, 5000000.0, 61.5);
        TM27MI(500000.0, v, 61.5);
        TM27UI(v, v, 0.9996, 63.0);
        TM27UI(5000000.0, 300000.0, 0.9996, v);
        TM27FW(v, 64.0, 0.9999, 61.5, Tm27Unit::Feet);
        TM27FW(45.0, v, 0.9996, v, Tm27Unit::Metres);
        TMGEO(v, v, 6378135.0, 6356750.305, 0.9996, 500000.0, 0.0);
    }
    EXPECT_FALSE(TM27MI(500000.0, std::nan(""), 61.5).converged);
}

TEST(HostileValues, StereographicIterationsEnd) {
    for (double v : hostile()) {
        NB27IN(v, 7500000.0);
        NB27IN(2000000.0, v);
        PE27IN(v, v);
        ST27FW(v, 66.0, 1);
        ST27FW(46.0, v, 3);
        const EllipsoidPoint p = DSELIP(v, 0.1, 1.0006, 1.0, 0.0822);
        if (std::isnan(v)) {
            EXPECT_FALSE(p.converged);
        }
        DSELIP(0.8, v, 1.0006, v, 0.0822);
    }
}

TEST(HostileValues, GeocentricIterationEnds) {
    for (double v : hostile()) {
        const Geodetic g = XYZGEO(6378135.0, 6356750.305, 0.0, 0.0, 0.0, v, v, v);
        EXPECT_LE(g.iterations, 1000);
        XYZGEO(6378135.0, 6356750.305, v, 0.0, 0.0, 2000000.0, -4000000.0, 4500000.0);
        GEOXYZ(v, v, 0.0, 0.0, 0.0, 0.0, 6378135.0, 6356750.305);
    }
}

TEST(HostileValues, MpcordEndsInBothDirections) {
    geodesy::ZoneMemory zones;
    for (double v : hostile()) {
        for (int proj : {1, 2, 3, 4}) {
            for (double meridian : {-61.5, -64.5, -63.0, v}) {
                MpcordArgs forward;
                forward.IPROJ = proj;
                forward.PHI = v;
                forward.LAM = -1.15;
                forward.MERIDN = meridian;
                geodesy::MPCORD(forward, zones);
                MpcordArgs forwardLam = forward;
                forwardLam.PHI = 0.8;
                forwardLam.LAM = v;
                geodesy::MPCORD(forwardLam, zones);
                MpcordArgs inverse;
                inverse.IPROJ = proj + 10;
                inverse.EAST = v;
                inverse.NORTH = v;
                inverse.MERIDN = meridian;
                geodesy::MPCORD(inverse, zones);
                MpcordArgs covariance = forwardLam;
                covariance.ICODE = 1;
                covariance.CLL = Mat2{1.0, 0.0, 0.0, 1.0};
                geodesy::MPCORD(covariance, zones);
            }
        }
    }
}

}  // namespace
}  // namespace geodesy
