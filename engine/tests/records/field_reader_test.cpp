#include "records/field_reader.h"

#include <gtest/gtest.h>

namespace {

using records::InputConversionError;
using records::readInt;
using records::readReal;
using records::readSingle;
using records::readText;

TEST(ReadText, TakesTheColumnsAsTheyStand) {
    EXPECT_EQ(readText("  STN1     45", 3, 11), "STN1     ");
    EXPECT_EQ(readText("ABCDEF", 1, 1), "A");
    EXPECT_EQ(readText("ABCDEF", 6, 6), "F");
}

TEST(ReadText, ShortLineReadsAsBlanks) {
    EXPECT_EQ(readText("  ST", 3, 11), "ST       ");
    EXPECT_EQ(readText("", 3, 5), "   ");
    EXPECT_EQ(readText("AB", 7, 9), "   ");
}

TEST(ReadText, CarriageReturnEndsTheLine) {
    EXPECT_EQ(readText("  ST\r", 3, 6), "ST  ");
    EXPECT_EQ(readInt("  45\r", 3, 6), 45);
    EXPECT_DOUBLE_EQ(readReal(" 1.5\r\n", 1, 8, 3), 1.5);
}

TEST(ReadText, RejectsImpossibleColumns) {
    EXPECT_THROW(readText("ABC", 0, 2), std::invalid_argument);
    EXPECT_THROW(readText("ABC", 3, 2), std::invalid_argument);
}

TEST(ReadInt, PlainAndSignedValues) {
    EXPECT_EQ(readInt("  45", 1, 4), 45);
    EXPECT_EQ(readInt(" -45", 1, 4), -45);
    EXPECT_EQ(readInt("+007", 1, 4), 7);
    EXPECT_EQ(readInt("xx12yy", 3, 4), 12);
}

TEST(ReadInt, BlankFieldIsZero) {
    EXPECT_EQ(readInt("    ", 1, 4), 0);
    EXPECT_EQ(readInt("", 13, 14), 0);
    EXPECT_EQ(readInt("AB", 5, 6), 0);
}

TEST(ReadInt, BlanksInsideAreIgnored) {
    EXPECT_EQ(readInt("1 2 ", 1, 4), 12);
    EXPECT_EQ(readInt("- 1 2", 1, 5), -12);
}

TEST(ReadInt, ShortLineReadsTheRemainderAsBlanks) { EXPECT_EQ(readInt("  4", 1, 6), 4); }

TEST(ReadInt, LoneSignIsZero) { EXPECT_EQ(readInt("  - ", 1, 4), 0); }

TEST(ReadInt, MalformedFieldsThrow) {
    EXPECT_THROW(readInt("4.5", 1, 3), InputConversionError);
    EXPECT_THROW(readInt("1A", 1, 2), InputConversionError);
    EXPECT_THROW(readInt("1-2", 1, 3), InputConversionError);
    EXPECT_THROW(readInt("--1", 1, 3), InputConversionError);
    EXPECT_THROW(readInt("99999999999", 1, 11), InputConversionError);
}

TEST(ReadInt, IntegerLimits) {
    EXPECT_EQ(readInt("-2147483648", 1, 11), -2147483647 - 1);
    EXPECT_EQ(readInt(" 2147483647", 1, 11), 2147483647);
    EXPECT_THROW(readInt(" 2147483648", 1, 11), InputConversionError);
}

TEST(InputConversionError, CarriesFieldAndColumns) {
    try {
        readInt("     12X4", 6, 9);
        FAIL() << "no throw";
    } catch (const InputConversionError& e) {
        EXPECT_EQ(e.fieldText(), "12X4");
        EXPECT_EQ(e.firstColumn(), 6);
        EXPECT_EQ(e.lastColumn(), 9);
        const std::string what = e.what();
        EXPECT_NE(what.find("12X4"), std::string::npos);
        EXPECT_NE(what.find('6'), std::string::npos);
        EXPECT_EQ(what.find('\n'), std::string::npos);
    }
}

TEST(ReadReal, WithDecimalPointTakesValueAsWritten) {
    EXPECT_DOUBLE_EQ(readReal("12.34567", 1, 8, 5), 12.34567);
    EXPECT_DOUBLE_EQ(readReal(" 1.00000", 1, 8, 5), 1.0);
    EXPECT_DOUBLE_EQ(readReal("   -3.5 ", 1, 8, 5), -3.5);
    EXPECT_DOUBLE_EQ(readReal("   .5", 1, 5, 3), 0.5);
    EXPECT_DOUBLE_EQ(readReal("   7.", 1, 5, 3), 7.0);
}

TEST(ReadReal, WithoutPointLastDigitsAreDecimals) {
    EXPECT_DOUBLE_EQ(readReal("1234567", 1, 7, 5), 12.34567);
    EXPECT_DOUBLE_EQ(readReal("    12", 1, 6, 3), 0.012);
    EXPECT_DOUBLE_EQ(readReal("   -45", 1, 6, 1), -4.5);
    EXPECT_DOUBLE_EQ(readReal("     5", 1, 6, 0), 5.0);
}

TEST(ReadReal, BlanksInsideAreIgnored) {
    // Ignoring, not zero-filling: "1 2" is 12, so with 1 decimal 1.2.
    EXPECT_DOUBLE_EQ(readReal(" 1 2 ", 1, 5, 1), 1.2);
    EXPECT_DOUBLE_EQ(readReal("1 . 5", 1, 5, 3), 1.5);
}

TEST(ReadReal, BlankOrShortFieldIsZero) {
    EXPECT_EQ(readReal("        ", 1, 8, 5), 0.0);
    EXPECT_EQ(readReal("ABC", 10, 20, 3), 0.0);
    EXPECT_DOUBLE_EQ(readReal("   4.5", 4, 12, 3), 4.5);
}

TEST(ReadReal, ExponentForms) {
    EXPECT_DOUBLE_EQ(readReal("1.5E2", 1, 5, 3), 150.0);
    EXPECT_DOUBLE_EQ(readReal("1.5e-2", 1, 6, 3), 0.015);
    EXPECT_DOUBLE_EQ(readReal("1.5D+1", 1, 6, 3), 15.0);
    EXPECT_DOUBLE_EQ(readReal("1.5-1", 1, 5, 3), 0.15);
    // Implied decimals still apply to a mantissa without a point.
    EXPECT_DOUBLE_EQ(readReal("15E1", 1, 4, 1), 15.0);
}

TEST(ReadReal, MalformedFieldsThrow) {
    EXPECT_THROW(readReal("12,5", 1, 4, 1), InputConversionError);
    EXPECT_THROW(readReal("1.2.3", 1, 5, 1), InputConversionError);
    EXPECT_THROW(readReal("ABC", 1, 3, 1), InputConversionError);
    EXPECT_THROW(readReal(".", 1, 1, 1), InputConversionError);
    EXPECT_THROW(readReal("1.5E", 1, 4, 1), InputConversionError);
    EXPECT_THROW(readReal("E5", 1, 2, 1), InputConversionError);
    EXPECT_THROW(readReal("1.5E2X", 1, 6, 1), InputConversionError);
    EXPECT_THROW(readReal("1.0E999", 1, 7, 1), InputConversionError);
    EXPECT_THROW(readReal("+-1", 1, 3, 1), InputConversionError);
}

TEST(ReadReal, LoneSignIsZero) { EXPECT_EQ(readReal("  -  ", 1, 5, 2), 0.0); }

TEST(ReadReal, DecimalRoundingIsCorrect) {
    EXPECT_EQ(readReal("0.1", 1, 3, 0), 0.1);
    EXPECT_EQ(readReal("  300000123", 1, 11, 3), 300000.123);
}

TEST(ReadSingle, RoundsOnceToSinglePrecision) {
    EXPECT_EQ(readSingle("12.34567", 1, 8, 5), 12.34567F);
    EXPECT_EQ(readSingle(" 1234567", 1, 8, 5), 12.34567F);
    EXPECT_EQ(readSingle("", 1, 8, 5), 0.0F);
    EXPECT_THROW(readSingle("1E39", 1, 4, 0), InputConversionError);
    EXPECT_THROW(readSingle("1X", 1, 2, 0), InputConversionError);
}

}  // namespace
