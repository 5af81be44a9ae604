// Built with 512-bit vectors enabled (see CMakeLists.txt) and called only
// when the processor has them. Each lane does the IEEE operations of the
// two-lane code (residual_interpolation.cpp, negative_exp.h) in the same
// order, with no fused multiply-add, so a station's value is the same bit
// for bit. Everything but the two entry points has internal linkage and
// nothing inline comes from a header, so that no code built for the wider
// vectors can stand in for the portable code at link time.
#include "transform/residual_lanes_wide.h"

#include <cstdint>

#include "transform/negative_exp.h"

namespace orvandel::wide {

#if defined(__AVX512F__)

namespace {

constexpr std::size_t kWidth = 8;
constexpr std::size_t kVectors = kStations / kWidth;
constexpr std::size_t kBlock = 128;

using Vec = double __attribute__((vector_size(8 * kWidth)));
using Bits = std::uint64_t __attribute__((vector_size(8 * kWidth)));

inline Vec asVec(Bits x) {
    Vec v;
    __builtin_memcpy(&v, &x, sizeof v);
    return v;
}

inline Bits asBits(Vec x) {
    Bits b;
    __builtin_memcpy(&b, &x, sizeof b);
    return b;
}

// negativeExp() of negative_exp.h, eight lanes.
inline Vec negativeExp8(Vec x) {
    constexpr double kInvStep = 0x1.71547652b82fep+7;
    constexpr double kStepHi = 0x1.62e42fee00000p-8;
    constexpr double kStepLo = 0x1.a39ef35793c76p-40;
    constexpr double kShift = 0x1.8p52;
    const Vec y = -x;
    const Vec z = y * kInvStep + kShift;
    const Bits n = asBits(z) - 0x4338000000000000ull;
    const Vec nd = z - kShift;
    const Vec r = (y - nd * kStepHi) - nd * kStepLo;
    Vec hi, lo;
    for (std::size_t k = 0; k < kWidth; ++k) {
        const exp_table::Entry& t = exp_table::powers[n[k] & 127];
        hi[k] = t.hi;
        lo[k] = t.lo;
    }
    const Vec p = r + r * r * (0.5 + r * (1.0 / 6.0 + r * (1.0 / 24.0 + r * (1.0 / 120.0))));
    const Vec m = hi + (hi * p + lo);
    return asVec(asBits(m) + ((n & ~127ull) << 45));
}

inline Vec absolute(Vec x) { return asVec(asBits(x) & 0x7fffffffffffffffull); }

}  // namespace

bool available() { return __builtin_cpu_supports("avx512f"); }

void interpolate(const double* cu, const double* cv, const double* lat, const double* lon, const double* w,
                 std::size_t n, double r2, const double* u, const double* v, double* re, double* im) {
    Vec su[kVectors], sv[kVectors], tRe[kVectors], tIm[kVectors], sum[kVectors];
    const Vec zero = {};
    for (std::size_t q = 0; q < kVectors; ++q) {
        for (std::size_t k = 0; k < kWidth; ++k) {
            su[q][k] = u[q * kWidth + k];
            sv[q][k] = v[q * kWidth + k];
        }
        tRe[q] = tIm[q] = sum[q] = zero;
    }
    Vec g[kBlock][kVectors];
    for (std::size_t j0 = 0; j0 < n; j0 += kBlock) {
        const std::size_t m = n - j0 < kBlock ? n - j0 : kBlock;
        // The weights g = e^-d2 w (0 from d2 = 172 on).
        for (std::size_t j = 0; j < m; ++j) {
            const double uj = cu[j0 + j], vj = cv[j0 + j], wj = w[j0 + j];
            for (std::size_t q = 0; q < kVectors; ++q) {
                const Vec du = su[q] - uj;
                const Vec dv = sv[q] - vj;
                const Vec d2 = (du * du + dv * dv) / r2;
                g[j][q] = (d2 < 172.0 ? negativeExp8(d2) : zero) * wj;
            }
        }
        // The running means in control-station order.
        for (std::size_t j = 0; j < m; ++j) {
            const double a = lat[j0 + j], b = lon[j0 + j];
            for (std::size_t q = 0; q < kVectors; ++q) {
                const Vec gj = g[j][q];
                const Vec next = sum[q] + gj;
                const Vec nextRe = (gj * a + sum[q] * tRe[q]) / next;
                const Vec nextIm = (gj * b + sum[q] * tIm[q]) / next;
                const auto keep = absolute(next) >= 1e-75;
                tRe[q] = keep ? nextRe : tRe[q];
                tIm[q] = keep ? nextIm : tIm[q];
                sum[q] = next;
            }
        }
    }
    for (std::size_t q = 0; q < kVectors; ++q) {
        for (std::size_t k = 0; k < kWidth; ++k) {
            re[q * kWidth + k] = tRe[q][k];
            im[q * kWidth + k] = tIm[q][k];
        }
    }
}

#else

bool available() { return false; }

void interpolate(const double*, const double*, const double*, const double*, const double*, std::size_t, double,
                 const double*, const double*, double*, double*) {}

#endif

}  // namespace orvandel::wide
