#include "geodesy/covariance.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "geodesy/matmul.h"

namespace {

using geodesy::CORMAT;
using geodesy::COVCHK;
using geodesy::COVMET;
using geodesy::COVPRO;
using geodesy::COVSWP;
using geodesy::ERRELL;
using geodesy::Mat2;
using geodesy::MATMUL;
using geodesy::RADII;

TEST(COVSWP, ReversesTheVariableOrder) {
    Mat2 c{1.0, 2.0, 3.0, 4.0};
    COVSWP(c);
    EXPECT_EQ(c, (Mat2{4.0, 3.0, 2.0, 1.0}));
    COVSWP(c);
    EXPECT_EQ(c, (Mat2{1.0, 2.0, 3.0, 4.0}));
}

TEST(COVPRO, ComputesJCJt) {
    const Mat2 j{1.0, 3.0, 2.0, 4.0};  // [[1 2] [3 4]]
    const Mat2 c{5.0, 1.0, 1.0, 2.0};  // [[5 1] [1 2]]
    // J C = [[7 5] [19 11]]; (J C) J^T = [[17 41] [41 101]].
    const Mat2 out = COVPRO(j, c);
    EXPECT_DOUBLE_EQ(out[0], 17.0);
    EXPECT_DOUBLE_EQ(out[1], 41.0);
    EXPECT_DOUBLE_EQ(out[2], 41.0);
    EXPECT_DOUBLE_EQ(out[3], 101.0);
}

TEST(COVPRO, IdentityLeavesTheMatrix) {
    const Mat2 c{2.5, -0.5, -0.5, 1.5};
    EXPECT_EQ(COVPRO(Mat2{1.0, 0.0, 0.0, 1.0}, c), c);
}

TEST(MATMUL, Mode1RectangularProduct) {
    // A 2x3 in storage 3x3, B 3x2 in storage 4x2.
    std::vector<double> a(9, 99.0), b(8, 99.0), c(6, -1.0);
    const double av[2][3] = {{1, 2, 3}, {4, 5, 6}};
    const double bv[3][2] = {{7, 8}, {9, 10}, {11, 12}};
    for (int i = 0; i < 2; ++i)
        for (int k = 0; k < 3; ++k) a[static_cast<std::size_t>(k * 3 + i)] = av[i][k];
    for (int k = 0; k < 3; ++k)
        for (int j = 0; j < 2; ++j) b[static_cast<std::size_t>(j * 4 + k)] = bv[k][j];
    const auto r = MATMUL(a, 3, 3, b, 4, 2, c, 3, 2, 2, 3, 2, 1);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(c[0], 58.0);
    EXPECT_EQ(c[1], 139.0);
    EXPECT_EQ(c[2], -1.0);  // row 3 of C untouched
    EXPECT_EQ(c[3], 64.0);
    EXPECT_EQ(c[4], 154.0);
}

TEST(MATMUL, Mode2MayOverwriteA) {
    std::vector<double> a{1, 3, 2, 4};        // [[1 2] [3 4]]
    const std::vector<double> b{0, 1, 1, 0};  // swap columns
    ASSERT_TRUE(MATMUL(a, 2, 2, b, 2, 2, a, 2, 2, 2, 2, 2, 2).ok);
    EXPECT_EQ(a, (std::vector<double>{2, 4, 1, 3}));
}

TEST(MATMUL, Mode3MayOverwriteB) {
    const std::vector<double> a{0, 1, 1, 0};  // swap rows
    std::vector<double> b{1, 3, 2, 4};
    ASSERT_TRUE(MATMUL(a, 2, 2, b, 2, 2, b, 2, 2, 2, 2, 2, 3).ok);
    EXPECT_EQ(b, (std::vector<double>{3, 1, 4, 2}));
}

TEST(MATMUL, SizeErrorsLeaveTheResultAlone) {
    std::vector<double> a(4, 1.0), b(4, 1.0), c(4, 7.0);
    auto r = MATMUL(a, 2, 2, b, 2, 2, c, 2, 2, 3, 2, 2, 1);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "ERROR IN MATMUL ==>  SIZE OF MATRIX > DIMENSION OF MATRIX");
    EXPECT_EQ(r.screenLine(), "1          ERROR IN MATMUL ==>  SIZE OF MATRIX > DIMENSION OF MATRIX");
    EXPECT_EQ(c, std::vector<double>(4, 7.0));
    // Storage claimed larger than the span holds.
    EXPECT_FALSE(MATMUL(a, 3, 3, b, 2, 2, c, 2, 2, 2, 2, 2, 1).ok);
    EXPECT_FALSE(MATMUL(a, 2, 2, b, 2, 2, c, 2, 2, -1, 2, 2, 1).ok);
}

TEST(MATMUL, ErrorsOfTheAliasingModes) {
    // A stored 4x1 holds a 4x1 matrix; times a 1x2 B the product needs 2 columns of A.
    std::vector<double> a(4, 1.0), b(2, 1.0), c(8, 0.0);
    auto r2 = MATMUL(a, 4, 1, b, 1, 2, c, 4, 2, 4, 1, 2, 2);
    EXPECT_FALSE(r2.ok);
    EXPECT_EQ(r2.message, "ERROR IN MATMUL ==> SIZE OF A*B > DIMENSION OF A  (ICODE=2)");
    // B stored 1x4; the product's 2 rows exceed B's 1 row.
    std::vector<double> a3(2, 1.0), b3(4, 1.0), c3(8, 0.0);
    auto r3 = MATMUL(a3, 2, 1, b3, 1, 4, c3, 2, 4, 2, 1, 4, 3);
    EXPECT_FALSE(r3.ok);
    EXPECT_EQ(r3.message, "ERROR IN MATMUL ==> SIZE OF A*B > DIMENSION OF B  (ICODE=3)");
    // The same sizes are fine in mode 1.
    EXPECT_TRUE(MATMUL(a3, 2, 1, b3, 1, 4, c3, 2, 4, 2, 1, 4, 1).ok);
}

TEST(RADII, MeridianAndPrimeVertical) {
    const auto equator = RADII(0.0, 0.0);
    EXPECT_DOUBLE_EQ(equator.n, 6378135.0);
    EXPECT_DOUBLE_EQ(equator.m, 6335437.308730653);
    EXPECT_DOUBLE_EQ(equator.alpha, equator.m);  // azimuth 0 is the meridian
    const double phi = 0.8;
    const auto r = RADII(phi, 3.141592653589793 / 2.0);
    EXPECT_NEAR(r.alpha, r.n, 1e-6);  // azimuth 90 degrees is the prime vertical
    EXPECT_GT(r.n, r.m);
}

TEST(COVMET, ScalesByTheRadii) {
    const double phi = 0.8;
    const auto r = RADII(phi, 0.0);
    const double rho2 = 42545170296.02706;
    const Mat2 out = COVMET(Mat2{1.0, 0.5, 0.5, 2.0}, phi);
    EXPECT_DOUBLE_EQ(out[0], r.m * r.m / rho2);
    EXPECT_DOUBLE_EQ(out[1], r.m * r.n * std::cos(phi) * 0.5 / rho2);
    EXPECT_DOUBLE_EQ(out[2], out[1]);
    EXPECT_DOUBLE_EQ(out[3], std::pow(r.n * std::cos(phi), 2) * 2.0 / rho2);
}

TEST(COVCHK, Codes) {
    EXPECT_EQ(COVCHK(std::array<double, 4>{1, 0, 0, 1}, 2, 2), 0);
    EXPECT_EQ(COVCHK(std::array<double, 4>{0, 0, 0, 1}, 2, 2), 1);
    EXPECT_EQ(COVCHK(std::array<double, 4>{1, 0, 0, -1}, 2, 2), 1);
    EXPECT_EQ(COVCHK(std::array<double, 4>{1, 1 + 1e-14, 1, 1}, 2, 2), 2);
    EXPECT_EQ(COVCHK(std::array<double, 4>{1, 2, 2, 1}, 2, 2), 3);
    EXPECT_EQ(COVCHK(std::array<double, 4>{4, 2, 2, 1}, 2, 2), 0);  // correlation exactly 1
}

TEST(COVCHK, ThreeByThreeWithLeadingDimension) {
    std::array<double, 12> c{};  // 4 x 3 storage
    c[0] = 4;
    c[5] = 9;
    c[10] = 1;
    c[4] = 1;
    c[1] = 1;
    EXPECT_EQ(COVCHK(c, 4, 3), 0);
    c[9] = 3;
    c[6] = 3;  // (2,3)/(3,2): correlation 1 exactly
    EXPECT_EQ(COVCHK(c, 4, 3), 0);
    c[9] = 3.5;
    c[6] = 3.5;
    EXPECT_EQ(COVCHK(c, 4, 3), 3);
}

TEST(CORMAT, Correlations) {
    const auto r = CORMAT(std::array<double, 4>{4, 1, 1, 9}, 2, 2);
    EXPECT_DOUBLE_EQ(r[0], 1.0);
    EXPECT_DOUBLE_EQ(r[1], 1.0 / 6.0);
    EXPECT_DOUBLE_EQ(r[2], 1.0 / 6.0);
    EXPECT_DOUBLE_EQ(r[3], 1.0);
}

TEST(ERRELL, DiagonalMatrices) {
    auto e = ERRELL(Mat2{9.0, 0.0, 0.0, 4.0});
    EXPECT_EQ(e.code, 0);
    EXPECT_DOUBLE_EQ(e.smaj, 3.0);
    EXPECT_DOUBLE_EQ(e.smin, 2.0);
    EXPECT_EQ(e.az, 0.0);
    e = ERRELL(Mat2{4.0, 0.0, 0.0, 9.0});
    EXPECT_DOUBLE_EQ(e.smaj, 3.0);
    EXPECT_DOUBLE_EQ(e.smin, 2.0);
    EXPECT_EQ(e.az, 0.0);
}

TEST(ERRELL, EqualVariancesGivePlusOrMinus45) {
    EXPECT_EQ(ERRELL(Mat2{2.0, 1.0, 1.0, 2.0}).az, 45.0);
    EXPECT_EQ(ERRELL(Mat2{2.0, -1.0, -1.0, 2.0}).az, -45.0);
}

TEST(ERRELL, GeneralOrientation) {
    const auto e = ERRELL(Mat2{4.0, 1.0, 1.0, 1.0});
    const double E = 0.5 * std::atan2(2.0, 3.0) * 57.29577951308232;
    EXPECT_NEAR(E, 16.845, 1e-3);
    EXPECT_DOUBLE_EQ(e.az, 90.0 - E);
    EXPECT_NEAR(e.az, 73.15, 1e-2);
    const double r = std::sqrt(0.25 * 9.0 + 1.0);
    EXPECT_DOUBLE_EQ(e.smaj, std::sqrt(2.5 + r));
    EXPECT_DOUBLE_EQ(e.smin, std::sqrt(2.5 - r));
}

TEST(ERRELL, NegativeOrientationWrapsTo360) {
    const auto e = ERRELL(Mat2{4.0, -1.0, -1.0, 1.0});
    const double E = 0.5 * std::atan2(-2.0, 3.0) * 57.29577951308232;
    EXPECT_DOUBLE_EQ(e.az, -90.0 - E + 360.0);
}

TEST(ERRELL, CheckFailuresLeaveZeros) {
    auto e = ERRELL(Mat2{0.0, 0.0, 0.0, 0.0});
    EXPECT_EQ(e.code, 1);
    EXPECT_EQ(e.smaj, 0.0);
    EXPECT_EQ(e.smin, 0.0);
    EXPECT_EQ(e.az, 0.0);
    e = ERRELL(Mat2{1.0, 1.0 + 1e-14, 1.0, 1.0});
    EXPECT_EQ(e.code, 2);
    e = ERRELL(Mat2{1.0, 2.0, 2.0, 1.0});
    EXPECT_EQ(e.code, 3);
    EXPECT_EQ(e.smaj, 0.0);
    e = ERRELL(Mat2{std::nan(""), 0.0, 0.0, 1.0});
    EXPECT_EQ(e.code, 1);
}

TEST(ERRELL, TinyElementsAreZero) {
    EXPECT_EQ(ERRELL(Mat2{1e-31, 0.0, 0.0, 1.0}).code, 1);
    const auto e = ERRELL(Mat2{1.0, 1e-31, 0.0, 1.0});  // asymmetry below 1e-30 vanishes
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(e.az, 0.0);
}

TEST(ERRELL, PerfectCorrelationHasNoNegativeRoot) {
    // Correlation 1: m - r is 0 or a rounding error below it.
    for (double s : {0.1, 0.3, 1.7, 3.3}) {
        const auto e = ERRELL(Mat2{s * s, s * 0.7, s * 0.7, 0.49});
        EXPECT_EQ(e.code, 0);
        EXPECT_FALSE(std::isnan(e.smin));
        EXPECT_NEAR(e.smin, 0.0, 1e-6);
    }
}

}  // namespace
