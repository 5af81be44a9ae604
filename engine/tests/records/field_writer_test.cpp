#include "records/field_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using records::formatExponent;
using records::formatFixed;
using records::formatInt;
using records::formatText;

TEST(FormatInt, RightAligned) {
    EXPECT_EQ(formatInt(5, 3), "  5");
    EXPECT_EQ(formatInt(-5, 3), " -5");
    EXPECT_EQ(formatInt(0, 2), " 0");
    EXPECT_EQ(formatInt(123, 3), "123");
}

TEST(FormatInt, TooWideGivesAsterisks) {
    EXPECT_EQ(formatInt(1234, 3), "***");
    EXPECT_EQ(formatInt(-10, 2), "**");
    EXPECT_EQ(formatInt(7, 0), "");
}

TEST(FormatFixed, RoundsAndAligns) {
    EXPECT_EQ(formatFixed(45.0, 4, 1), "45.0");
    EXPECT_EQ(formatFixed(12.345678, 8, 5), "12.34568");
    EXPECT_EQ(formatFixed(1.0, 8, 5), " 1.00000");
    EXPECT_EQ(formatFixed(-3.25, 8, 3), "  -3.250");
    EXPECT_EQ(formatFixed(1234567.891, 12, 2), "  1234567.89");
}

TEST(FormatFixed, ZeroDecimalsKeepThePoint) {
    EXPECT_EQ(formatFixed(45.0, 4, 0), " 45.");
    EXPECT_EQ(formatFixed(0.2, 3, 0), " 0.");
}

TEST(FormatFixed, TooWideGivesAsterisks) {
    EXPECT_EQ(formatFixed(12345.6, 6, 2), "******");
    EXPECT_EQ(formatFixed(-100.0, 5, 2), "*****");
    EXPECT_EQ(formatFixed(1e305, 8, 2), "********");
}

TEST(FormatFixed, RoundingCanOverflowTheWidth) {
    EXPECT_EQ(formatFixed(9.996, 4, 2), "****");
    EXPECT_EQ(formatFixed(9.994, 4, 2), "9.99");
}

TEST(FormatFixed, NegativeZeroFollowsPrintf) {
    EXPECT_EQ(formatFixed(-0.001, 6, 2), " -0.00");
    EXPECT_EQ(formatFixed(-0.0, 6, 2), " -0.00");
    EXPECT_EQ(formatFixed(0.001, 6, 2), "  0.00");
}

TEST(FormatFixed, LeadingZeroOfSmallValues) {
    EXPECT_EQ(formatFixed(0.5, 5, 2), " 0.50");
    EXPECT_EQ(formatFixed(0.5, 4, 2), "0.50");
    EXPECT_EQ(formatFixed(0.5, 3, 2), ".50");  // exactly one short: zero dropped
    EXPECT_EQ(formatFixed(0.5, 2, 2), "**");   // still too wide
    EXPECT_EQ(formatFixed(-0.5, 4, 2), "-.50");
    EXPECT_EQ(formatFixed(-0.5, 3, 2), "***");
    EXPECT_EQ(formatFixed(0.0, 3, 2), ".00");
}

TEST(FormatFixed, NonFiniteValuesDoNotCrash) {
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::quiet_NaN(), 5, 2), "  NaN");
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 10, 2), "  Infinity");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 5, 2), " -Inf");
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 2, 2), "**");
}

TEST(FormatExponent, FortranForm) {
    EXPECT_EQ(formatExponent(1234.5, 12, 5), " 0.12345E+04");
    EXPECT_EQ(formatExponent(-0.000123456, 12, 3), "  -0.123E-03");
    EXPECT_EQ(formatExponent(0.0, 10, 3), " 0.000E+00");
    EXPECT_EQ(formatExponent(1.0, 10, 3, 'D'), " 0.100D+01");
    EXPECT_EQ(formatExponent(9.9999, 10, 3), " 0.100E+02");
}

TEST(FormatExponent, WideExponentsAndOverflow) {
    EXPECT_EQ(formatExponent(1.0e150, 10, 3), " 0.100+151");
    EXPECT_EQ(formatExponent(1.0e-150, 9, 3), "0.100-149");
    EXPECT_EQ(formatExponent(1.0e-150, 8, 3), ".100-149");
    EXPECT_EQ(formatExponent(1234.5, 6, 3), "******");
    EXPECT_EQ(formatExponent(1234.5, 8, 3), ".123E+04");
}

TEST(FormatText, AlignsLikeAw) {
    EXPECT_EQ(formatText("NB ", 3), "NB ");
    EXPECT_EQ(formatText("AB", 4), "  AB");
    EXPECT_EQ(formatText("ABCDEF", 3), "ABC");
    EXPECT_EQ(formatText("", 2), "  ");
}

}  // namespace
