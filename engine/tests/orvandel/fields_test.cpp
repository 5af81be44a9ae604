// The per-station field writers give exactly the shared writer's text.
#include "orvandel/fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "records/field_writer.h"

namespace orvandel {
namespace {

TEST(Fields, SameAsTheSharedWriterOnRandomValues) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-8, 9);
    const int widths[][2] = {{4, 1}, {7, 3}, {7, 4}, {8, 5}, {9, 3}, {9, 6}, {10, 2}, {10, 5},
                             {11, 3}, {12, 2}, {12, 3}, {13, 3}, {14, 3}, {15, 3}, {20, 10}, {6, 1}};
    for (int i = 0; i < 200000; ++i) {
        const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
        for (const auto& wd : widths) {
            ASSERT_EQ(fixedField(v, wd[0], wd[1]), records::formatFixed(v, wd[0], wd[1]))
                << v << " F" << wd[0] << "." << wd[1];
        }
    }
}

TEST(Fields, SameAsTheSharedWriterOnEdgeValues) {
    const double values[] = {0.0, -0.0, 0.5, -0.5, 0.0005, -0.0005, 0.00049999, 1e-300, -1e-300,
                             0.125, 2.5, 1e16, -1e16, 9.9999999e15, 1e17, 1e300, 123456789.0125,
                             59.999995, 0.999995, -0.999995, std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(), std::nan("")};
    for (double v : values) {
        for (int w : {1, 2, 4, 5, 7, 8, 12}) {
            for (int d : {0, 1, 2, 3, 5}) {
                EXPECT_EQ(fixedField(v, w, d), records::formatFixed(v, w, d)) << v << " F" << w << "." << d;
            }
        }
    }
}

TEST(Fields, Integers) {
    for (long long v : {0LL, 7LL, -7LL, 45LL, 12345678LL, -123LL, 99999LL, 100000LL}) {
        for (int w : {0, 1, 2, 5, 8}) EXPECT_EQ(intField(v, w), records::formatInt(v, w)) << v << " I" << w;
    }
}

}  // namespace
}  // namespace orvandel
