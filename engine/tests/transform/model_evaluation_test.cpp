// The polynomial and the residual interpolation of the model.
#include "transform/model_evaluation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvandel {
namespace {

TEST(Polynomial, ComplexSeries) {
    const std::vector<std::complex<double>> c{{1.0, 2.0}, {0.5, -1.0}, {0.25, 0.125}};
    const std::complex<double> z(0.3, -0.4);
    const std::complex<double> want = c[0] + c[1] * z + c[2] * z * z;
    const std::complex<double> got = evaluatePolynomial(c, 0.3, -0.4);
    EXPECT_NEAR(got.real(), want.real(), 1e-15);
    EXPECT_NEAR(got.imag(), want.imag(), 1e-15);
}

TEST(Polynomial, DegreeZeroIsTheConstant) {
    const std::complex<double> got = evaluatePolynomial({{0.7, -0.3}}, 5.0, 9.0);
    EXPECT_EQ(got, std::complex<double>(0.7, -0.3));
}

ControlStations stations(std::vector<double> u, std::vector<double> v, std::vector<double> rl, std::vector<double> rn,
                         std::vector<double> w) {
    ControlStations c;
    c.u = std::move(u);
    c.v = std::move(v);
    c.residualLat = std::move(rl);
    c.residualLon = std::move(rn);
    c.weight = std::move(w);
    return c;
}

TEST(Residuals, WeightedMeanOfTheControlResiduals) {
    const ControlStations c = stations({0.0, 0.2}, {0.0, 0.1}, {1.0, -1.0}, {2.0, 0.5}, {1.0, 3.0});
    const double R = 0.5;
    const double u = 0.05, v = 0.02;
    const double g0 = std::exp(-((u * u + v * v) / (R * R))) * 1.0;
    const double g1 = std::exp(-(((u - 0.2) * (u - 0.2) + (v - 0.1) * (v - 0.1)) / (R * R))) * 3.0;
    const std::complex<double> t = interpolateResiduals(c, R, u, v);
    EXPECT_NEAR(t.real(), (g0 * 1.0 + g1 * -1.0) / (g0 + g1), 1e-14);
    EXPECT_NEAR(t.imag(), (g0 * 2.0 + g1 * 0.5) / (g0 + g1), 1e-14);
}

TEST(Residuals, FarStationsAddNothing) {
    // d2 = 200 for the second station: its weight is 0, not a tiny number.
    const double R = 0.1;
    const ControlStations c = stations({0.0, std::sqrt(200.0) * R}, {0.0, 0.0}, {1.0, 100.0}, {1.0, 100.0}, {1.0, 1.0});
    const std::complex<double> t = interpolateResiduals(c, R, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(t.real(), 1.0);
    EXPECT_DOUBLE_EQ(t.imag(), 1.0);
}

TEST(Residuals, NoStationNearGivesZero) {
    const ControlStations c = stations({5.0}, {5.0}, {1.0}, {1.0}, {1.0});
    EXPECT_EQ(interpolateResiduals(c, 0.1, 0.0, 0.0), std::complex<double>(0.0, 0.0));
    EXPECT_EQ(interpolateResiduals(ControlStations(), 0.1, 0.0, 0.0), std::complex<double>(0.0, 0.0));
}

TEST(Residuals, ZeroWeightsNeverDivideByZero) {
    const ControlStations c = stations({0.0, 0.0}, {0.0, 0.0}, {1.0, 2.0}, {1.0, 2.0}, {0.0, 0.0});
    const std::complex<double> t = interpolateResiduals(c, 0.5, 0.0, 0.0);
    EXPECT_EQ(t, std::complex<double>(0.0, 0.0));
}

}  // namespace
}  // namespace orvandel
