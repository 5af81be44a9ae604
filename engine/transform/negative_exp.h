#pragma once
// e^-x for the Gaussian weights of the residual interpolation, 0 <= x < 172,
// two values at a time. Free of library calls so that the residual loop
// stays vectorised; within a unit in the last place of std::exp (nearly
// always equal to it).
#include <bit>
#include <cstdint>

namespace orvandel {

// Two doubles in one register (a compiler vector type), and their bits.
using DoublePair = double __attribute__((vector_size(16)));
using BitsPair = std::uint64_t __attribute__((vector_size(16)));

namespace exp_table {
// 2^(i/128) as a double and the rest of its value, i = 0 .. 127.
struct Entry {
    double hi, lo;
};
extern const Entry powers[128];
}  // namespace exp_table

// For x outside [0, 172) the result is meaningless (but harmless): the
// caller decides those cases.
inline DoublePair negativeExp(DoublePair x) {
    constexpr double kInvStep = 0x1.71547652b82fep+7;  // 128 / ln 2
    constexpr double kStepHi = 0x1.62e42fee00000p-8;   // ln 2 / 128, 32 bits: n * kStepHi is exact
    constexpr double kStepLo = 0x1.a39ef35793c76p-40;
    constexpr double kShift = 0x1.8p52;  // leaves round(z) in the low bits
    const DoublePair y = -x;
    const DoublePair z = y * kInvStep + kShift;
    const BitsPair n = std::bit_cast<BitsPair>(z) - 0x4338000000000000ull;
    const DoublePair nd = z - kShift;
    // -x = n ln2/128 + r, |r| <= ln2/256.
    const DoublePair r = (y - nd * kStepHi) - nd * kStepLo;
    const exp_table::Entry& t0 = exp_table::powers[n[0] & 127];
    const exp_table::Entry& t1 = exp_table::powers[n[1] & 127];
    const DoublePair hi = {t0.hi, t1.hi};
    const DoublePair lo = {t0.lo, t1.lo};
    // e^r - 1 to degree 5: the next term is below 2^-60.
    const DoublePair p = r + r * r * (0.5 + r * (1.0 / 6.0 + r * (1.0 / 24.0 + r * (1.0 / 120.0))));
    const DoublePair m = hi + (hi * p + lo);
    // Times 2^floor(n/128) through the exponent field; the result stays normal.
    const BitsPair scaled = std::bit_cast<BitsPair>(m) + ((n & ~127ull) << 45);
    return std::bit_cast<DoublePair>(scaled);
}

inline double negativeExp(double x) { return negativeExp(DoublePair{x, x})[0]; }

}  // namespace orvandel
