// The field writers against the printf-based writers they replaced, kept
// here as the reference: same text for every value, width and decimals.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "records/field_writer.h"

namespace {

// ---- reference: the printf-based writers ----------------------------------

std::string stars(int width) { return std::string(static_cast<std::size_t>(width > 0 ? width : 0), '*'); }

std::string rightAligned(const std::string& s, int width) {
    if (width <= 0) return {};
    if (static_cast<int>(s.size()) > width) return stars(width);
    return std::string(static_cast<std::size_t>(width) - s.size(), ' ') + s;
}

std::string fitLeadingZero(std::string s, int width) {
    if (static_cast<int>(s.size()) == width + 1) {
        const std::size_t zero = (s[0] == '-' || s[0] == '+') ? 1 : 0;
        if (s.size() > zero + 1 && s[zero] == '0' && s[zero + 1] == '.') s.erase(zero, 1);
    }
    return s;
}

std::string refInt(long long value, int width) { return rightAligned(std::to_string(value), width); }

std::string refFixed(double value, int width, int decimals) {
    if (width <= 0) return {};
    if (!std::isfinite(value)) {
        if (std::isnan(value)) return rightAligned("NaN", width);
        const std::string sign = value < 0 ? "-" : "";
        const std::string longForm = sign + "Infinity";
        return rightAligned(static_cast<int>(longForm.size()) <= width ? longForm : sign + "Inf", width);
    }
    if (decimals < 0) decimals = 0;
    if (std::fabs(value) >= 1e300 || decimals > 100 || decimals >= width) return stars(width);
    char buf[512];
    std::snprintf(buf, sizeof buf, "%#.*f", decimals, value);
    return rightAligned(fitLeadingZero(buf, width), width);
}

std::string refExponent(double value, int width, int decimals, char letter = 'E') {
    if (width <= 0) return {};
    if (!std::isfinite(value)) return refFixed(value, width, decimals);
    if (decimals < 1) decimals = 1;
    std::string sign = std::signbit(value) ? "-" : "";
    std::string digits;
    int exponent = 0;
    if (value != 0.0) {
        char buf[64];
        const int d = decimals > 40 ? 40 : decimals;
        std::snprintf(buf, sizeof buf, "%.*e", d - 1, std::fabs(value));
        const std::string t(buf);
        const std::size_t e = t.find('e');
        digits = t.substr(0, 1) + (d > 1 ? t.substr(2, e - 2) : std::string());
        exponent = std::atoi(t.c_str() + e + 1) + 1;
        digits.resize(static_cast<std::size_t>(decimals), '0');
    } else {
        digits.assign(static_cast<std::size_t>(decimals), '0');
    }
    std::string exp;
    const int a = std::abs(exponent);
    if (a <= 99) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%c%c%02d", letter, exponent < 0 ? '-' : '+', a);
        exp = buf;
    } else if (a <= 999) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%c%03d", exponent < 0 ? '-' : '+', a);
        exp = buf;
    } else {
        return stars(width);
    }
    return rightAligned(fitLeadingZero(sign + "0." + digits + exp, width), width);
}

std::string refText(const std::string& text, int width) {
    if (width <= 0) return {};
    const auto w = static_cast<std::size_t>(width);
    if (text.size() >= w) return text.substr(0, w);
    return std::string(w - text.size(), ' ') + text;
}

// ---- values ----------------------------------------------------------------

// Every Fw.d the engine writes, and neighbours.
const std::vector<std::pair<int, int>> kFixedFormats = {
    {4, 1},  {6, 1},  {7, 3},  {7, 4},  {8, 3},  {8, 5},   {9, 3},   {9, 6},   {10, 2},
    {10, 5}, {11, 3}, {12, 2}, {12, 3}, {13, 2}, {13, 3},  {14, 3},  {15, 3},  {20, 10},
    {1, 0},  {2, 0},  {3, 1},  {5, 2},  {16, 8}, {18, 12}, {22, 15}, {24, 16}, {30, 20}};

double randomValue(std::mt19937_64& rng) {
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    switch (kind(rng)) {
        case 0: {  // any bit pattern: subnormals, huge, NaN, infinities
            return std::bit_cast<double>(rng());
        }
        case 1: {  // exact decimal ties at some number of decimals: k.5 / 10^d
            std::uniform_int_distribution<long long> k(-100000000LL, 100000000LL);
            std::uniform_int_distribution<int> d(0, 6);
            return (static_cast<double>(k(rng)) + 0.5) / std::pow(10.0, d(rng));
        }
        case 2: {  // binary fractions that are exact ties (x.125, x.375, ...)
            std::uniform_int_distribution<long long> k(-4000000000LL, 4000000000LL);
            std::uniform_int_distribution<int> e(1, 12);
            return static_cast<double>(k(rng)) / static_cast<double>(1LL << e(rng));
        }
        case 3: {  // next to a decimal tie
            std::uniform_int_distribution<long long> k(-100000000LL, 100000000LL);
            std::uniform_int_distribution<int> d(1, 6), steps(-3, 3);
            double v = (static_cast<double>(k(rng)) + 0.5) / std::pow(10.0, d(rng));
            for (int s = steps(rng); s != 0; s += s > 0 ? -1 : 1) v = std::nextafter(v, s > 0 ? 1e308 : -1e308);
            return v;
        }
        case 4: {  // just below a power of ten: rounding adds a digit
            std::uniform_int_distribution<int> e(-6, 16);
            return std::nextafter(std::pow(10.0, e(rng)), 0.0) * (mantissa(rng) < 0 ? -1 : 1);
        }
        case 5: {  // tiny values of both signs (negative zero after rounding)
            std::uniform_int_distribution<int> e(-320, -1);
            return mantissa(rng) * std::pow(10.0, e(rng));
        }
        case 6: {  // large values near the width limits
            std::uniform_int_distribution<int> e(6, 20);
            return mantissa(rng) * std::pow(10.0, e(rng));
        }
        default: {  // the engine's range: coordinates, seconds, corrections
            std::uniform_int_distribution<int> e(-8, 9);
            return mantissa(rng) * std::pow(10.0, e(rng));
        }
    }
}

const double kEdgeValues[] = {0.0,
                              -0.0,
                              0.5,
                              -0.5,
                              1.5,
                              2.5,
                              -2.5,
                              0.05,
                              0.15,
                              0.25,
                              0.35,
                              0.0005,
                              -0.0005,
                              0.00049999,
                              1e-300,
                              -1e-300,
                              4.9e-324,
                              -4.9e-324,
                              0.125,
                              0.375,
                              1e15,
                              1e16,
                              -1e16,
                              9.9999999e15,
                              1e17,
                              1e299,
                              9.99e299,
                              1e300,
                              -1e300,
                              1e308,
                              123456789.0125,
                              59.999995,
                              0.999995,
                              -0.999995,
                              9.996,
                              9.994,
                              99.95,
                              0.95,
                              -0.95,
                              1125899906842623.5,
                              1125899906842624.0,
                              4503599627370495.5,
                              std::numeric_limits<double>::max(),
                              std::numeric_limits<double>::min(),
                              std::numeric_limits<double>::denorm_min(),
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              std::nan(""),
                              -std::nan("")};

TEST(FieldFormat, FixedEqualsPrintfOnEdgeValues) {
    for (double v : kEdgeValues) {
        for (int w = -1; w <= 26; ++w) {
            for (int d = -1; d <= 17; ++d) {
                ASSERT_EQ(records::formatFixed(v, w, d), refFixed(v, w, d)) << v << " F" << w << "." << d;
            }
        }
    }
}

TEST(FieldFormat, FixedEqualsPrintfOnRandomValues) {
    std::mt19937_64 rng(20261208);
    char field[64];
    for (int i = 0; i < 300000; ++i) {
        const double v = randomValue(rng);
        for (const auto& [w, d] : kFixedFormats) {
            const std::string expected = refFixed(v, w, d);
            records::putFixed(field, v, w, d);
            ASSERT_EQ(std::string(field, static_cast<std::size_t>(w)), expected)
                << std::hexfloat << v << std::defaultfloat << " (" << v << ") F" << w << "." << d;
        }
    }
}

TEST(FieldFormat, FixedEqualsPrintfOnDecimalTiesAtEveryPrecision) {
    // k + 0.5 ulp of the last decimal, for the decimals the engine writes.
    for (int d = 1; d <= 10; ++d) {
        for (long long k = -20000; k <= 20000; ++k) {
            const double v = (static_cast<double>(k) + 0.5) / std::pow(10.0, d);
            for (int w : {d + 2, d + 3, d + 8, 20}) {
                ASSERT_EQ(records::formatFixed(v, w, d), refFixed(v, w, d)) << v << " F" << w << "." << d;
            }
        }
    }
}

TEST(FieldFormat, FixedOfSinglePrecisionSecondsEqualsPrintf) {
    // The GHOST seconds pass through single precision before F9.6.
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> seconds(0.0, 60.0);
    for (int i = 0; i < 300000; ++i) {
        const double v = static_cast<float>(seconds(rng));
        ASSERT_EQ(records::formatFixed(v, 9, 6), refFixed(v, 9, 6)) << v;
        ASSERT_EQ(records::formatFixed(v, 8, 5), refFixed(v, 8, 5)) << v;
        ASSERT_EQ(records::formatFixed(v, 7, 4), refFixed(v, 7, 4)) << v;
    }
}

TEST(FieldFormat, FixedKnownTexts) {
    EXPECT_EQ(records::formatFixed(-0.0, 6, 2), " -0.00");
    EXPECT_EQ(records::formatFixed(-0.001, 6, 2), " -0.00");
    EXPECT_EQ(records::formatFixed(0.5, 3, 2), ".50");
    EXPECT_EQ(records::formatFixed(-0.5, 4, 2), "-.50");
    EXPECT_EQ(records::formatFixed(9.996, 4, 2), "****");
    EXPECT_EQ(records::formatFixed(2.5, 4, 0), "  2.");
    EXPECT_EQ(records::formatFixed(0.125, 5, 2), " 0.12");
    EXPECT_EQ(records::formatFixed(0.375, 5, 2), " 0.38");
    EXPECT_EQ(records::formatFixed(std::nan(""), 2, 1), "**");
    EXPECT_EQ(records::formatFixed(-std::numeric_limits<double>::infinity(), 8, 1), "    -Inf");
    EXPECT_EQ(records::formatFixed(std::numeric_limits<double>::infinity(), 8, 1), "Infinity");
}

TEST(FieldFormat, IntEqualsReference) {
    std::mt19937_64 rng(11);
    const long long edges[] = {0,
                               1,
                               -1,
                               9,
                               10,
                               -9,
                               -10,
                               99999,
                               100000,
                               std::numeric_limits<long long>::max(),
                               std::numeric_limits<long long>::min()};
    for (long long v : edges) {
        for (int w = -1; w <= 21; ++w) ASSERT_EQ(records::formatInt(v, w), refInt(v, w)) << v << " I" << w;
    }
    for (int i = 0; i < 200000; ++i) {
        const long long v = static_cast<long long>(rng()) >> (rng() % 64);
        for (int w : {1, 2, 3, 4, 5, 8, 10, 20}) ASSERT_EQ(records::formatInt(v, w), refInt(v, w)) << v << " I" << w;
    }
}

TEST(FieldFormat, ExponentEqualsPrintf) {
    std::mt19937_64 rng(13);
    for (double v : kEdgeValues) {
        for (int w = -1; w <= 24; ++w) {
            for (int d = -1; d <= 17; ++d) {
                ASSERT_EQ(records::formatExponent(v, w, d), refExponent(v, w, d)) << v << " E" << w << "." << d;
                ASSERT_EQ(records::formatExponent(v, w, d, 'D'), refExponent(v, w, d, 'D'));
            }
        }
    }
    for (int i = 0; i < 200000; ++i) {
        const double v = randomValue(rng);
        for (const auto& [w, d] : {std::pair{12, 5}, {15, 8}, {16, 9}, {24, 16}, {10, 4}, {60, 45}, {9, 3}}) {
            ASSERT_EQ(records::formatExponent(v, w, d), refExponent(v, w, d))
                << std::hexfloat << v << std::defaultfloat << " E" << w << "." << d;
        }
    }
}

TEST(FieldFormat, TextEqualsReference) {
    for (const std::string s : {"", "A", "STATION", "NINECHARS", "MORE THAN TEN"}) {
        for (int w = -1; w <= 14; ++w) ASSERT_EQ(records::formatText(s, w), refText(s, w)) << s << " A" << w;
    }
}

TEST(LineBuilder, PlacesFieldsByColumnAndCutsBack) {
    records::LineBuilder line;
    line.at(3).text("AB").at(8).fixed(1.5, 5, 2).integer(7, 3);
    EXPECT_EQ(line.view(), "  AB    1.50  7");
    line.at(4).text("X");
    EXPECT_EQ(line.str(), "  AX");
    line.clear().textField("NAME", 6).blanks(2).exponent(1234.6, 11, 4);
    EXPECT_EQ(line.view(), "  NAME   0.1235E+04");
}

TEST(LineBuilder, TooLongALineIsAnError) {
    records::LineBuilder line;
    EXPECT_THROW(line.at(static_cast<int>(records::LineBuilder::kCapacity) + 2), std::length_error);
    line.clear();
    EXPECT_THROW(line.text(std::string(records::LineBuilder::kCapacity + 1, 'x')), std::length_error);
    line.clear();
    EXPECT_THROW(line.fixed(1.0, static_cast<int>(records::LineBuilder::kCapacity) + 1, 2), std::length_error);
}

}  // namespace
