#include <gtest/gtest.h>

#include "input/format_coordinate.h"

namespace kartovex {
namespace {

TEST(FormatCoordinatePoint, WholeNumberGetsThreeDecimals) {
  EXPECT_EQ(FormatCoordinate("2500000", "."), "2500000.000");
}

TEST(FormatCoordinatePoint, MoreThanThreeDecimalsAreRounded) {
  EXPECT_EQ(FormatCoordinate("2500000.12345", "."), "2500000.123");
  EXPECT_EQ(FormatCoordinate("2500000.1235", "."), "2500000.124");
  EXPECT_EQ(FormatCoordinate("9.9996", "."), "10.000");
}

TEST(FormatCoordinatePoint, FewDecimalsAreNotPadded) {
  EXPECT_EQ(FormatCoordinate("7400000.5", "."), "7400000.5");
  EXPECT_EQ(FormatCoordinate("7400000.123", "."), "7400000.123");
}

TEST(FormatCoordinatePoint, LoneCommaBecomesPoint) {
  EXPECT_EQ(FormatCoordinate("7400000,5", "."), "7400000.5");
  EXPECT_EQ(FormatCoordinate("7400000,56789", "."), "7400000.568");
}

TEST(FormatCoordinatePoint, PatternHasNoLeadingZeros) {
  EXPECT_EQ(FormatCoordinate("0.12345", "."), ".123");
  EXPECT_EQ(FormatCoordinate("00012.00049", "."), "12.000");
  EXPECT_EQ(FormatCoordinate("-12.00051", "."), "-12.001");
}

TEST(FormatCoordinatePoint, UnconvertibleLongFractionFails) {
  EXPECT_FALSE(FormatCoordinate("12.34a56", ".").has_value());
  // Short texts are returned as they stand, checked only by their length.
  EXPECT_EQ(FormatCoordinate("ab", "."), "ab.000");
}

TEST(FormatCoordinateComma, TextWithoutCommaGetsPointZeros) {
  EXPECT_EQ(FormatCoordinate("2500000", ","), "2500000.000");
  // A point typed with a decimal comma locale is not a decimal mark.
  EXPECT_EQ(FormatCoordinate("123.45", ","), "123.45.000");
  EXPECT_FALSE(ToNumber("123.45.000", ",").has_value());
}

TEST(FormatCoordinateComma, CommaBecomesPoint) {
  EXPECT_EQ(FormatCoordinate("7400000,5", ","), "7400000.5");
  EXPECT_EQ(FormatCoordinate("2500000,12345", ","), "2500000.123");
}

TEST(ToNumberTest, PointSeparator) {
  EXPECT_DOUBLE_EQ(*ToNumber("2500000.125", "."), 2500000.125);
  EXPECT_DOUBLE_EQ(*ToNumber(" -12.5 ", "."), -12.5);
  EXPECT_DOUBLE_EQ(*ToNumber(".5", "."), 0.5);
  EXPECT_FALSE(ToNumber("12,5", ".").has_value());
  EXPECT_FALSE(ToNumber("", ".").has_value());
  EXPECT_FALSE(ToNumber("1e5", ".").has_value());
  EXPECT_FALSE(ToNumber("-", ".").has_value());
}

TEST(ToNumberTest, CommaSeparatorTakesPointTexts) {
  EXPECT_DOUBLE_EQ(*ToNumber("2500000.125", ","), 2500000.125);
  EXPECT_DOUBLE_EQ(*ToNumber("12,5", ","), 12.5);
}

TEST(ParseDecimalTest, UsesTheGivenMark) {
  EXPECT_DOUBLE_EQ(*ParseDecimal("03,20000", ","), 3.2);
  EXPECT_FALSE(ParseDecimal("03.20000", ",").has_value());
  EXPECT_DOUBLE_EQ(*ParseDecimal("45", ","), 45.0);
}

}  // namespace
}  // namespace kartovex
