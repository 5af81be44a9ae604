#include "common/columns.h"

#include <gtest/gtest.h>

#include "common/companion_error.h"

namespace companion {
namespace {

TEST(CompanionField, CutsOneBasedInclusiveColumns) {
  EXPECT_EQ(field("ABCDEFGH", 2, 4), "BCD");
  EXPECT_EQ(field("ABCDEFGH", 1, 1), "A");
  EXPECT_EQ(fieldFrom("ABCDEFGH", 7), "GH");
}

TEST(CompanionField, ShortLinesGiveShortOrEmptyFields) {
  EXPECT_EQ(field("ABC", 2, 10), "BC");
  EXPECT_EQ(field("ABC", 4, 10), "");
  EXPECT_EQ(field("ABC", 0, 2), "");
  EXPECT_EQ(field("ABC", 3, 2), "");
  EXPECT_EQ(fieldFrom("ABC", 9), "");
}

TEST(CompanionTrimmed, RemovesBlanksTabsAndCarriageReturns) {
  EXPECT_EQ(trimmed("  P1 \r"), "P1");
  EXPECT_EQ(trimmed("\tA B\t"), "A B");
  EXPECT_EQ(trimmed("   "), "");
}

TEST(CompanionAlignment, PadsToTheWidthAndRejectsWiderTexts) {
  EXPECT_EQ(leftAligned("P1", 5), "P1   ");
  EXPECT_EQ(rightAligned("P1", 5), "   P1");
  EXPECT_EQ(rightAligned("", 2), "  ");
  EXPECT_THROW(leftAligned("TOOLONGID", 8), CompanionError);
  EXPECT_THROW(rightAligned("123", 2), CompanionError);
}

TEST(CompanionPadTo, NextFieldStartsInTheFollowingColumn) {
  std::string line = "P1";
  padTo(line, 50);
  line += "20";
  EXPECT_EQ(line.size(), 52u);
  EXPECT_EQ(line.substr(50, 2), "20");
  std::string longer(60, 'x');
  EXPECT_THROW(padTo(longer, 50), CompanionError);
}

TEST(CompanionFittedFixed, DropsDecimalsOnlyWhenTheFieldIsTooNarrow) {
  EXPECT_EQ(fittedFixed(2500000.0, 11, 3), "2500000.000");
  EXPECT_EQ(fittedFixed(16404199.987, 11, 3), "16404199.99");
  EXPECT_EQ(fittedFixed(1.5, 6, 3), " 1.500");
  EXPECT_EQ(fittedFixed(-0.0001, 6, 3), " 0.000");
  EXPECT_THROW(fittedFixed(123456789012.0, 11, 3), CompanionError);
  EXPECT_THROW(fittedFixed(1.0 / 0.0, 11, 3), CompanionError);
}

TEST(CompanionParseReal, AcceptsPlainNumbersOnly) {
  double value = 0.0;
  EXPECT_TRUE(parseReal(" 2500000.125 ", value));
  EXPECT_DOUBLE_EQ(value, 2500000.125);
  EXPECT_TRUE(parseReal("-3", value));
  EXPECT_DOUBLE_EQ(value, -3.0);
  EXPECT_FALSE(parseReal("", value));
  EXPECT_FALSE(parseReal("12a", value));
  EXPECT_FALSE(parseReal("1 2", value));
  EXPECT_FALSE(parseReal("nan", value));
  EXPECT_FALSE(parseReal("1e999", value));
  EXPECT_FALSE(parseReal("3,2", value));
}

TEST(CompanionParseInt, AcceptsWholeNumbersOnly) {
  int value = 0;
  EXPECT_TRUE(parseInt(" 20 ", value));
  EXPECT_EQ(value, 20);
  EXPECT_FALSE(parseInt("2.0", value));
  EXPECT_FALSE(parseInt("-", value));
  EXPECT_FALSE(parseInt("9999999999", value));
}

}  // namespace
}  // namespace companion
