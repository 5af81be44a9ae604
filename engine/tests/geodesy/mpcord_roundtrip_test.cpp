#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "geodesy/mpcord.h"
#include "mpcord_test_util.h"

namespace {

using geodesy::MpcordArgs;
using mpcord_test::kDeg;

struct Case {
    int code;           // forward code
    double meridn;      // degrees east
    double lat0, lat1;  // degrees
    double lon0, lon1;  // degrees east
};

// A grid of points over each projection's own territory.
const Case kCases[] = {
    {1, 0.0, 44.6, 48.0, -69.0, -64.0},    {2, -61.5, 44.6, 47.0, -63.0, -60.0}, {2, -64.5, 43.5, 46.0, -66.2, -63.0},
    {3, 0.0, 45.95, 47.05, -64.4, -62.0},  {4, -69.0, 44.5, 48.0, -69.4, -66.0}, {4, -63.0, 43.5, 47.5, -65.99, -60.01},
    {4, -57.0, 45.5, 47.5, -59.99, -59.1},
};

class MpcordRoundTrip : public ::testing::TestWithParam<Case> {
protected:
    geodesy::ZoneMemory zones;
};

std::vector<std::pair<double, double>> pointsOf(const Case& c) {
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i <= 8; ++i) {
        for (int j = 0; j <= 8; ++j) {
            pts.emplace_back(c.lat0 + (c.lat1 - c.lat0) * i / 8.0, c.lon0 + (c.lon1 - c.lon0) * j / 8.0);
        }
    }
    return pts;
}

TEST_P(MpcordRoundTrip, GeographicToGridAndBack) {
    const Case& c = GetParam();
    for (const auto& [lat, lon] : pointsOf(c)) {
        MpcordArgs f;
        f.IPROJ = c.code;
        f.PHI = lat * kDeg;
        f.LAM = lon * kDeg;
        f.MERIDN = c.meridn;
        geodesy::MPCORD(f, zones);
        ASSERT_EQ(f.IERR, 0) << lat << " " << lon;

        MpcordArgs b;
        b.IPROJ = c.code + 10;
        b.EAST = f.EAST;
        b.NORTH = f.NORTH;
        b.MERIDN = c.meridn;
        geodesy::MPCORD(b, zones);
        // The grid limits are not the exact images of the geographic ones.
        const int region = c.code + 2;
        EXPECT_TRUE(b.IERR == 0 || b.IERR == region) << b.IERR << " " << lat << " " << lon;
        EXPECT_EQ(b.FE, f.FE);
        EXPECT_EQ(b.FN, f.FN);
        // 1e-10 rad is well under a millimetre on the ground.
        EXPECT_NEAR(b.PHI, f.PHI, 1e-10) << lat << " " << lon;
        EXPECT_NEAR(b.LAM, f.LAM, 1e-10) << lat << " " << lon;
        EXPECT_NEAR(b.CONV, f.CONV, 1e-4);
        EXPECT_NEAR(b.SCALE, f.SCALE, 1e-9);
    }
}

TEST_P(MpcordRoundTrip, CovarianceForwardAndBack) {
    const Case& c = GetParam();
    const double lat = (c.lat0 + c.lat1) / 2.0;
    const double lon = (c.lon0 + c.lon1) / 2.0 + 0.3;
    MpcordArgs f;
    f.ICODE = 1;
    f.IPROJ = c.code;
    f.PHI = lat * kDeg;
    f.LAM = lon * kDeg;
    f.MERIDN = c.meridn;
    // 0.02" and 0.03" standard deviations, no correlation.
    f.CLL = {0.0004, 0.0, 0.0, 0.0009};
    geodesy::MPCORD(f, zones);
    ASSERT_EQ(f.IERR, 0);
    // About 0.62 m north and 0.65 m east at these latitudes.
    EXPECT_NEAR(std::sqrt(f.CNE[0]), 0.02 / 206264.8 * 6.37e6, 0.03);
    EXPECT_NEAR(std::sqrt(f.CNE[3]), 0.03 / 206264.8 * 6.39e6 * std::cos(lat * kDeg), 0.03);
    EXPECT_NEAR(f.CNE[1], f.CNE[2], 1e-12);
    EXPECT_GE(f.SMAJ, f.SMIN);
    EXPECT_GT(f.SMIN, 0.0);
    EXPECT_NEAR(f.SMAJ * f.SMAJ + f.SMIN * f.SMIN, f.CNE[0] + f.CNE[3], 1e-9);

    MpcordArgs b;
    b.ICODE = 1;
    b.IPROJ = c.code + 10;
    b.EAST = f.EAST;
    b.NORTH = f.NORTH;
    b.MERIDN = c.meridn;
    b.CNE = f.CNE;
    b.CLL = {-1, -1, -1, -1};
    geodesy::MPCORD(b, zones);
    EXPECT_EQ(b.CNE, f.CNE);  // the caller's grid covariance is left as it was
    EXPECT_NEAR(b.CLL[0], 0.0004, 1e-9);
    EXPECT_NEAR(b.CLL[3], 0.0009, 1e-9);
    EXPECT_NEAR(b.CLL[1], 0.0, 1e-9);
    // The ellipse of the metric geographic matrix matches the grid one closely.
    EXPECT_NEAR(b.SMAJ, f.SMAJ, 0.01 * f.SMAJ);
    EXPECT_NEAR(b.SMIN, f.SMIN, 0.01 * f.SMIN);
}

INSTANTIATE_TEST_SUITE_P(AllProjections, MpcordRoundTrip, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return "code" + std::to_string(info.param.code) + "_" + std::to_string(info.index);
                         });

TEST(MpcordGridRoundTrip, StereographicInverseThenForward) {
    geodesy::ZoneMemory zones;
    for (int code : {11, 13}) {
        const double fe = code == 11 ? 300000.0 : 700000.0;
        const double fn = code == 11 ? 800000.0 : 400000.0;
        const double dn = code == 11 ? 0.0 : -80000.0;
        for (double de = -100000.0; de <= 75000.0; de += 25000.0) {
            MpcordArgs b;
            b.IPROJ = code;
            b.EAST = fe + de + 0.123;
            b.NORTH = fn + dn + de / 2.0 + 0.456;
            const double e0 = b.EAST;
            const double n0 = b.NORTH;
            geodesy::MPCORD(b, zones);
            EXPECT_EQ(b.IERR, 0);
            EXPECT_NEAR(b.EAST, e0, 1e-5);
            EXPECT_NEAR(b.NORTH, n0, 1e-5);
            MpcordArgs f;
            f.IPROJ = code - 10;
            f.PHI = b.PHI;
            f.LAM = b.LAM;
            geodesy::MPCORD(f, zones);
            EXPECT_NEAR(f.EAST, e0, 1e-5);
            EXPECT_NEAR(f.NORTH, n0, 1e-5);
        }
    }
}

TEST(MpcordGridRoundTrip, TransverseMercatorInverseLeavesGridValues) {
    geodesy::ZoneMemory zones;
    MpcordArgs b;
    b.IPROJ = 12;
    b.EAST = 4600000.25;
    b.NORTH = 5000000.75;
    b.MERIDN = -61.5;
    geodesy::MPCORD(b, zones);
    EXPECT_EQ(b.EAST, 4600000.25);
    EXPECT_EQ(b.NORTH, 5000000.75);
}

}  // namespace
