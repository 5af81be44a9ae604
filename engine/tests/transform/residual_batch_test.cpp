// Residuals of many stations at once against the one-station running mean.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "transform/residual_interpolation.h"
#include "transform/station_batch.h"

namespace orvandel {
namespace {

// The running mean exactly as the model defines it, with the library's exp.
std::complex<double> runningMean(const ControlStations& c, double R, double u, double v) {
    double tRe = 0.0, tIm = 0.0, sum = 0.0;
    for (std::size_t j = 0; j < c.size(); ++j) {
        const double du = u - c.u[j], dv = v - c.v[j];
        const double d2 = (du * du + dv * dv) / (R * R);
        const double g = (d2 < 172.0 ? std::exp(-d2) : 0.0) * c.weight[j];
        const double next = sum + g;
        if (std::fabs(next) >= 1e-75) {
            tRe = (g * c.residualLat[j] + sum * tRe) / next;
            tIm = (g * c.residualLon[j] + sum * tIm) / next;
        }
        sum = next;
    }
    return {tRe, tIm};
}

ControlStations randomControl(std::size_t n, unsigned seed, bool signedWeights = false) {
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> pos(-1.0, 1.0), res(-0.5, 0.5), wt(0.2, 2.0);
    ControlStations c;
    for (std::size_t j = 0; j < n; ++j) {
        c.u.push_back(pos(rng));
        c.v.push_back(pos(rng));
        c.residualLat.push_back(res(rng));
        c.residualLon.push_back(res(rng));
        c.weight.push_back(signedWeights && j % 3 == 0 ? -wt(rng) : wt(rng));
    }
    return c;
}

void expectClose(std::complex<double> got, std::complex<double> want) {
    EXPECT_NEAR(got.real(), want.real(), 1e-13);
    EXPECT_NEAR(got.imag(), want.imag(), 1e-13);
}

TEST(ResidualBatch, EveryStationGetsItsOwnValue) {
    // 300 control stations cross the weight blocks; 37 stations leave a
    // partly filled last group of lanes.
    const ControlStations c = randomControl(300, 5);
    std::mt19937_64 rng(9);
    std::uniform_real_distribution<double> pos(-1.2, 1.2);
    std::vector<double> u(37), v(37);
    for (std::size_t i = 0; i < u.size(); ++i) u[i] = pos(rng), v[i] = pos(rng);
    std::vector<std::complex<double>> batch(u.size());
    interpolateResiduals(c, 0.3, u.data(), v.data(), u.size(), batch.data());
    for (std::size_t i = 0; i < u.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(batch[i], interpolateResiduals(c, 0.3, u[i], v[i]));
        expectClose(batch[i], runningMean(c, 0.3, u[i], v[i]));
    }
}

// Groups of 32 stations go through 512-bit vectors where the processor has
// them: bit for bit the value a station gets alone, also with far control
// stations (weight 0), negative weights and sums too small to divide by.
TEST(ResidualBatch, WideGroupsGiveEveryStationItsOwnValue) {
    ControlStations c = randomControl(700, 11, true);
    for (std::size_t j = 0; j < c.size(); j += 17) c.weight[j] = 1e-80;
    for (std::size_t j = 5; j < c.size(); j += 23) c.u[j] = 40.0;
    std::mt19937_64 rng(12);
    std::uniform_real_distribution<double> pos(-1.5, 1.5);
    for (const double R : {0.05, 0.1, 0.3, 2.0}) {
        SCOPED_TRACE(R);
        std::vector<double> u(200), v(200);
        for (std::size_t i = 0; i < u.size(); ++i) u[i] = pos(rng), v[i] = pos(rng);
        std::vector<std::complex<double>> batch(u.size());
        interpolateResiduals(c, R, u.data(), v.data(), u.size(), batch.data());
        for (std::size_t i = 0; i < u.size(); ++i) {
            const std::complex<double> alone = interpolateResiduals(c, R, u[i], v[i]);
            ASSERT_EQ(std::bit_cast<std::uint64_t>(batch[i].real()), std::bit_cast<std::uint64_t>(alone.real())) << i;
            ASSERT_EQ(std::bit_cast<std::uint64_t>(batch[i].imag()), std::bit_cast<std::uint64_t>(alone.imag())) << i;
        }
    }
}

TEST(ResidualBatch, BatchSizeNeverChangesAResult) {
    const ControlStations c = randomControl(129, 6, true);
    std::vector<double> u, v;
    for (int i = 0; i < 19; ++i) u.push_back(-0.9 + 0.1 * i), v.push_back(0.05 * i);
    std::vector<std::complex<double>> all(u.size());
    interpolateResiduals(c, 0.25, u.data(), v.data(), u.size(), all.data());
    for (std::size_t start = 0; start < u.size(); start += 5) {
        const std::size_t n = std::min<std::size_t>(5, u.size() - start);
        std::vector<std::complex<double>> part(n);
        interpolateResiduals(c, 0.25, u.data() + start, v.data() + start, n, part.data());
        for (std::size_t k = 0; k < n; ++k) EXPECT_EQ(part[k], all[start + k]);
    }
}

TEST(ResidualBatch, FarAndTinyWeightsAsTheModelSays) {
    // A first control station far enough for a weight below 1e-75 only
    // moves the sum; one beyond d2 = 172 adds nothing.
    ControlStations c;
    c.u = {std::sqrt(175.0) * 0.1, std::sqrt(171.5) * 0.1, 0.0};
    c.v = {0.0, 0.0, 0.05};
    c.residualLat = {50.0, 7.0, 1.0};
    c.residualLon = {-50.0, -7.0, 2.0};
    c.weight = {1.0, 1.0, 1.0};
    const std::complex<double> t = interpolateResiduals(c, 0.1, 0.0, 0.0);
    const std::complex<double> want = runningMean(c, 0.1, 0.0, 0.0);
    EXPECT_EQ(t, want);
    EXPECT_NEAR(t.real(), 1.0, 1e-12);
}

TEST(ResidualBatch, EmptyInputs) {
    const ControlStations c = randomControl(10, 7);
    interpolateResiduals(c, 0.2, nullptr, nullptr, 0, nullptr);
    const double u = 0.1, v = 0.2;
    std::complex<double> t{9.0, 9.0};
    interpolateResiduals(ControlStations(), 0.2, &u, &v, 1, &t);
    EXPECT_EQ(t, std::complex<double>(0.0, 0.0));
}

TEST(StationBatch, KeepsOrderAndSkipsResidualsWhenRIsZero) {
    CoefficientModel model;
    model.control = randomControl(20, 8);
    StationBatch batch;
    for (int i = 0; i < 3; ++i) {
        LocatedStation s;
        s.u = 0.1 * i;
        s.v = -0.1 * i;
        batch.add("S" + std::to_string(i), 10 + i, s);
    }
    batch.interpolate(model);  // R = 0
    ASSERT_EQ(batch.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(batch.station(i).name, "S" + std::to_string(i));
        EXPECT_EQ(batch.station(i).recordNumber, 10 + static_cast<long long>(i));
        EXPECT_EQ(batch.residual(i), std::complex<double>(0.0, 0.0));
    }
    model.header.correlation = 0.4;
    batch.interpolate(model);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(batch.residual(i), interpolateResiduals(model.control, 0.4, 0.1 * i, -0.1 * i));
    batch.clear();
    EXPECT_EQ(batch.size(), 0u);
    EXPECT_FALSE(batch.full());
}

}  // namespace
}  // namespace orvandel
