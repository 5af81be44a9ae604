// Many points at once give each point exactly what the iteration one point
// at a time gives: the same bits, iterations and convergence, whatever
// its neighbours do.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "geodesy/geocentric.h"

namespace {

using geodesy::Geodetic;

// The iteration as it was written for one point, kept here as the reference.
Geodetic reference(double a, double b, double dx, double dy, double dz, double x, double y, double z) {
    const double e2 = (a * a - b * b) / (a * a);
    const double px = x - dx, py = y - dy, pz = z - dz;
    const double p = std::sqrt(px * px + py * py);
    const double r = std::sqrt(p * p + pz * pz);
    Geodetic out;
    double h = r - std::sqrt(a * b);
    double phi = std::atan((pz / p) / (1.0 - e2 * a / (a + h)));
    const double ba2 = (b * b) / (a * a);
    double phiNext = phi, hNext = h;
    out.converged = false;
    for (int i = 1; i <= geodesy::kXyzgeoMaxIterations; ++i) {
        const double c = std::cos(phi);
        const double s = std::sin(phi);
        const double n = a / std::sqrt(c * c + ba2 * s * s);
        hNext = p / c - n;
        phiNext = std::atan((pz / p) / (1.0 - e2 * n / (n + hNext)));
        out.iterations = i;
        if (std::fabs(phiNext - phi) < 1e-10 && std::fabs(hNext - h) < a * 1e-10) {
            out.converged = true;
            break;
        }
        phi = phiNext;
        h = hNext;
    }
    out.phi = phiNext;
    out.h = hNext;
    out.lambda = std::atan(py / px);
    return out;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void expectSame(const Geodetic& got, const Geodetic& want, std::size_t i) {
    EXPECT_TRUE(sameBits(got.phi, want.phi)) << i << ": " << got.phi << " " << want.phi;
    EXPECT_TRUE(sameBits(got.lambda, want.lambda)) << i;
    EXPECT_TRUE(sameBits(got.h, want.h)) << i;
    EXPECT_EQ(got.converged, want.converged) << i;
    EXPECT_EQ(got.iterations, want.iterations) << i;
}

constexpr double kA = 6378135.0, kB = 6356750.305;

TEST(XYZGEOMany, EveryPointAsWhenAloneAmongOrdinaryAndHostileNeighbours) {
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> lat(-1.5, 1.5), lon(-3.1, 3.1), height(-5000.0, 9000.0);
    std::vector<double> x, y, z;
    for (int i = 0; i < 3000; ++i) {
        const geodesy::Geocentric c = geodesy::GEOXYZ(lat(rng), lon(rng), height(rng), -15.0, 165.0, 175.0, kA, kB);
        x.push_back(c.x);
        y.push_back(c.y);
        z.push_back(c.z);
        // Now and then a point that never settles or makes no sense, so
        // that its neighbours finish long before it.
        if (i % 97 == 5) {
            const double nan = std::numeric_limits<double>::quiet_NaN();
            const double hostile[][3] = {{0.0, 0.0, 0.0}, {nan, 1.0, 1.0}, {1e300, -1e300, 1e300}, {0.0, 0.0, 6e6}};
            const auto& h = hostile[(i / 97) % 4];
            x.push_back(h[0]);
            y.push_back(h[1]);
            z.push_back(h[2]);
        }
    }
    // Every count, so that groups end part-full.
    for (std::size_t count : {std::size_t{1}, std::size_t{3}, std::size_t{5}, x.size()}) {
        std::vector<Geodetic> many(count);
        geodesy::XYZGEO(kA, kB, 1.5, -2.5, 3.5, x.data(), y.data(), z.data(), many.data(), count);
        for (std::size_t i = 0; i < count; ++i) {
            expectSame(many[i], reference(kA, kB, 1.5, -2.5, 3.5, x[i], y[i], z[i]), i);
            expectSame(geodesy::XYZGEO(kA, kB, 1.5, -2.5, 3.5, x[i], y[i], z[i]), many[i], i);
        }
    }
}

}  // namespace
