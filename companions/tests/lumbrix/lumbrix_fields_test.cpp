#include <gtest/gtest.h>

#include "lumbrix_fields.h"

namespace {

struct Int {
  bool ok;
  bool negative;
  int value;
};

Int integer(const std::string& text, bool signAllowed, int maxDigits) {
  Int r{false, false, -1};
  r.ok = lumbrix::integerField(text, signAllowed, maxDigits, r.negative, r.value);
  return r;
}

}  // namespace

TEST(LumbrixIntegerField, TakesBlankAndZeroPaddedDigits) {
  for (const char* text : {"5", " 5", "05", "5 ", "  5  ", "005", "0005"}) {
    const Int r = integer(text, false, 2);
    EXPECT_TRUE(r.ok) << '"' << text << '"';
    EXPECT_EQ(r.value, 5) << '"' << text << '"';
    EXPECT_FALSE(r.negative);
  }
  EXPECT_EQ(integer(" 0", false, 2).value, 0);
  EXPECT_EQ(integer("00", false, 2).value, 0);
  EXPECT_EQ(integer("59", false, 2).value, 59);
  EXPECT_EQ(integer(" 66", true, 3).value, 66);
  EXPECT_EQ(integer("120", true, 3).value, 120);
}

TEST(LumbrixIntegerField, SignOnlyWhereAllowedAndNextToTheDigits) {
  const Int r = integer(" -13", true, 3);
  EXPECT_TRUE(r.ok);
  EXPECT_TRUE(r.negative);
  EXPECT_EQ(r.value, 13);
  // "-0" keeps its sign: the minutes and seconds still turn west of Greenwich.
  EXPECT_TRUE(integer("-0", true, 3).negative);
  EXPECT_FALSE(integer("-5", false, 2).ok);
  EXPECT_FALSE(integer("- 5", true, 3).ok);
  EXPECT_FALSE(integer("-", true, 3).ok);
  EXPECT_FALSE(integer("--5", true, 3).ok);
  EXPECT_FALSE(integer("+5", true, 3).ok);
}

TEST(LumbrixIntegerField, RefusesGarbage) {
  for (const char* text :
       {"", " ", "   ", "4 5", "5a", "a5", "5.", "5.0", "0x5", "\t5", "5\t", "1e1"})
    EXPECT_FALSE(integer(text, true, 3).ok) << '"' << text << '"';
  // Too many digits once the zeros in front are gone.
  EXPECT_FALSE(integer("100", false, 2).ok);
  EXPECT_FALSE(integer("0100", false, 2).ok);
  EXPECT_FALSE(integer("1000", true, 3).ok);
  EXPECT_FALSE(integer("99999999999999999999", true, 3).ok);
}

TEST(LumbrixSecondsField, TakesBlankAndZeroPaddedDecimals) {
  struct Case {
    const char* text;
    double value;
  };
  for (const Case& c : {Case{"03.20000", 3.2}, Case{" 3.20000", 3.2}, Case{" 9.58556", 9.58556},
                        Case{"9.58556 ", 9.58556}, Case{"  12", 12.0}, Case{"003.5", 3.5},
                        Case{"5.", 5.0}, Case{".5", 0.5}, Case{"59.999999", 59.999999}}) {
    double v = -1;
    EXPECT_TRUE(lumbrix::secondsField(c.text, v)) << '"' << c.text << '"';
    EXPECT_DOUBLE_EQ(v, c.value) << '"' << c.text << '"';
  }
}

TEST(LumbrixSecondsField, RefusesGarbage) {
  double v = 0;
  for (const char* text : {"", "   ", ".", " . ", "3.2.1", "3 .2", "3. 2", "-3.2", "+3.2", "3,2",
                           "3e1", "nan", "inf", "3.2x"})
    EXPECT_FALSE(lumbrix::secondsField(text, v)) << '"' << text << '"';
}

TEST(LumbrixOuterBlanks, KeepsInnerBlanks) {
  EXPECT_EQ(lumbrix::withoutOuterBlanks("  A 1  "), "A 1");
  EXPECT_EQ(lumbrix::withoutOuterBlanks("    "), "");
  EXPECT_EQ(lumbrix::withoutOuterBlanks(""), "");
  EXPECT_EQ(lumbrix::withoutOuterBlanks("MONCTON  "), "MONCTON");
}
