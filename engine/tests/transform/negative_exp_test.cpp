// The inline e^-x of the residual weights against the library's exp.
#include "transform/negative_exp.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

namespace orvandel {
namespace {

std::int64_t ulpsApart(double a, double b) {
    const std::int64_t x = std::bit_cast<std::int64_t>(a), y = std::bit_cast<std::int64_t>(b);
    return x > y ? x - y : y - x;
}

TEST(NegativeExp, ExactAtZero) {
    EXPECT_EQ(negativeExp(0.0), 1.0);
    EXPECT_EQ(negativeExp(-0.0), 1.0);
}

TEST(NegativeExp, WithinOneUlpOverTheWholeRange) {
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> wide(0.0, 172.0), small(0.0, 0.01);
    int differing = 0;
    const int count = 200000;
    for (int i = 0; i < count; ++i) {
        const double x = (i % 2 == 0) ? wide(rng) : small(rng);
        const std::int64_t d = ulpsApart(negativeExp(x), std::exp(-x));
        ASSERT_LE(d, 1) << "x = " << x;
        differing += d != 0;
    }
    // Nearly always the same double as the library.
    EXPECT_LT(differing, count / 100);
}

TEST(NegativeExp, TableStepsAndTheTopOfTheRange) {
    // Multiples of ln2/128 hit every table entry and both scale limits.
    for (int n = 0; n <= 31770; n += 7) {
        const double x = n * (std::log(2.0) / 128.0);
        if (x >= 172.0) break;
        ASSERT_LE(ulpsApart(negativeExp(x), std::exp(-x)), 1) << "x = " << x;
    }
    const double top = std::nextafter(172.0, 0.0);
    EXPECT_LE(ulpsApart(negativeExp(top), std::exp(-top)), 1);
    EXPECT_GT(negativeExp(top), 1e-75);
}

TEST(NegativeExp, BothLanesAreIndependent) {
    const DoublePair r = negativeExp(DoublePair{0.5, 100.0});
    EXPECT_EQ(r[0], negativeExp(0.5));
    EXPECT_EQ(r[1], negativeExp(100.0));
}

}  // namespace
}  // namespace orvandel
