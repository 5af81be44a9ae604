#include "geodesy/covariance.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "geodesy/ellipsoids.h"
#include "geodesy/matmul.h"

namespace geodesy {

namespace {

constexpr int kWork = 4;  // leading dimension of the work matrices
using Work = std::array<double, kWork * kWork>;

std::size_t idx(int i, int j, int ld) { return static_cast<std::size_t>(at(i, j, ld)); }

}  // namespace

void COVSWP(Mat2& c) {
    std::swap(c[0], c[3]);
    std::swap(c[1], c[2]);
}

Mat2 COVPRO(const Mat2& j, const Mat2& c) {
    Work w{};
    for (int col = 0; col < 2; ++col) {
        for (int row = 0; row < 2; ++row) w[idx(row, col, kWork)] = j[idx(row, col, 2)];
    }
    Work t{};
    MATMUL(w, kWork, kWork, c, 2, 2, t, kWork, kWork, 2, 2, 2, 1);
    Work wt{};
    for (int col = 0; col < kWork; ++col) {
        for (int row = 0; row < kWork; ++row) wt[idx(row, col, kWork)] = w[idx(col, row, kWork)];
    }
    Mat2 out{};
    MATMUL(t, kWork, kWork, wt, kWork, kWork, out, 2, 2, 2, 2, 2, 1);
    return out;
}

Radii RADII(double phi, double alpha) {
    // ATS77 with its own e^2 (from the flattening 1/298.257), slightly different
    // from the one the projections derive from b.
    constexpr double a = kAts77.a;
    constexpr double e2 = 0.00669438499958795;
    constexpr double a1e2 = 6335437.308730653;
    const double s = std::sin(phi);
    const double w = std::sqrt(1.0 - e2 * s * s);
    Radii r;
    r.n = a / w;
    r.m = a1e2 / (w * w * w);
    const double ca = std::cos(alpha);
    const double sa = std::sin(alpha);
    r.alpha = r.n * r.m / (r.n * ca * ca + r.m * sa * sa);
    return r;
}

Mat2 COVMET(const Mat2& cll, double phi) {
    const Radii r = RADII(phi, 0.0);
    const double ncos = r.n * std::cos(phi);
    Mat2 out{};
    out[0] = r.m * r.m * cll[0] / kRho2;
    out[1] = r.m * ncos * cll[1] / kRho2;
    out[2] = r.m * ncos * cll[2] / kRho2;
    out[3] = ncos * ncos * cll[3] / kRho2;
    return out;
}

std::vector<double> CORMAT(std::span<const double> c, int ld, int n) {
    std::vector<double> r(c.size(), 0.0);
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i <= j; ++i) {
            const double v = c[idx(i, j, ld)] / (std::sqrt(c[idx(i, i, ld)]) * std::sqrt(c[idx(j, j, ld)]));
            r[idx(i, j, ld)] = v;
            r[idx(j, i, ld)] = v;
        }
    }
    return r;
}

int COVCHK(std::span<const double> c, int ld, int n) {
    if (n < 0 || ld < n || c.size() < static_cast<std::size_t>(ld) * static_cast<std::size_t>(n)) return 1;
    for (int i = 0; i < n; ++i) {
        // Also catches NaN, which no covariance may hold.
        if (!(c[idx(i, i, ld)] > 0.0)) return 1;
    }
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < j; ++i) {
            if (!(std::fabs(c[idx(i, j, ld)] - c[idx(j, i, ld)]) <= 1e-15)) return 2;
        }
    }
    const std::vector<double> r = CORMAT(c, ld, n);
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            const double v = r[idx(i, j, ld)];
            if (std::fabs(std::fabs(v) - 1.0) > 1e-15 && (v < -1.0 || v > 1.0)) return 3;
        }
    }
    return 0;
}

ErrorEllipse ERRELL(const Mat2& c) {
    ErrorEllipse out;
    Work s{};
    for (int j = 0; j < 2; ++j) {
        for (int i = 0; i < 2; ++i) {
            const double v = c[idx(i, j, 2)];
            s[idx(i, j, kWork)] = std::fabs(v) < 1e-30 ? 0.0 : v;
        }
    }
    out.code = COVCHK(s, kWork, 2);
    if (out.code != 0) return out;

    const double s11 = s[idx(0, 0, kWork)];
    const double s12 = s[idx(0, 1, kWork)];
    const double s22 = s[idx(1, 1, kWork)];
    const double mean = (s11 + s22) * 0.5;
    const double d = s11 - s22;
    const double root = std::sqrt(0.25 * d * d + s12 * s12);
    out.smaj = std::sqrt(mean + root);
    // A correlation of +-1 can leave the radicand a rounding error below zero.
    out.smin = std::sqrt(std::max(0.0, mean - root));

    if (std::fabs(s12) < 1e-20) {
        out.az = 0.0;
    } else if (std::fabs(d) < 1e-20) {
        out.az = s12 > 0.0 ? 45.0 : -45.0;
    } else {
        const double e = 0.5 * std::atan2(2.0 * s12, d) * 57.29577951308232;
        out.az = 90.0 * std::copysign(1.0, e) - e;
        if (out.az < 0.0) out.az += 360.0;
    }
    return out;
}

}  // namespace geodesy
