// The text description of a coefficient file.
#include "transform/coefficient_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orvandel {
namespace {

const char* kText =
    "# a comment\n"
    "DEGREE 1\n"
    "DIRECTION 2\n"
    "CORRELATION 0.1\n"
    "ORIGIN 46.4 63.2\n"
    "OFFSET 0.5 -0.5\n"
    "SCALE 1.2 0.7\n"
    "DIVISOR 1 2\n"
    "\n"
    "COEFFICIENT 0 0.3 -0.4\n"
    "COEFFICIENT 1 0.01 0.02\n"
    "STATION 0.1 0.2 0.3 0.4 1.0\n"
    "STATION -0.1 -0.2 -0.3 -0.4 0.5\n";

TEST(CoefficientText, Parse) {
    std::istringstream in(kText);
    CoefficientModel m;
    std::string error;
    ASSERT_TRUE(parseCoefficientText(in, m, error)) << error;
    EXPECT_EQ(m.header.degree, 1);
    EXPECT_EQ(m.header.direction, 2);
    EXPECT_EQ(m.header.stationCount, 2);
    EXPECT_DOUBLE_EQ(m.header.originLon, 63.2);
    EXPECT_DOUBLE_EQ(m.header.lonDivisor, 2.0);
    EXPECT_DOUBLE_EQ(m.header.latOffset, 0.5);
    ASSERT_EQ(m.coefficients.size(), 2u);
    EXPECT_DOUBLE_EQ(m.coefficients[1].imag(), 0.02);
    EXPECT_DOUBLE_EQ(m.control.weight[1], 0.5);
    EXPECT_DOUBLE_EQ(m.lastValue, 0.0);
}

TEST(CoefficientText, PrintReadsBackExactly) {
    std::istringstream in(kText);
    CoefficientModel m;
    std::string error;
    ASSERT_TRUE(parseCoefficientText(in, m, error));
    m.header.originLat = 0.1 + 0.2;  // not a short decimal
    std::ostringstream out;
    printCoefficientText(out, m);
    std::istringstream again(out.str());
    CoefficientModel back;
    ASSERT_TRUE(parseCoefficientText(again, back, error)) << error;
    EXPECT_EQ(back.header.originLat, m.header.originLat);
    EXPECT_EQ(back.coefficients, m.coefficients);
    EXPECT_EQ(back.control.u, m.control.u);
    std::ostringstream twice;
    printCoefficientText(twice, back);
    EXPECT_EQ(twice.str(), out.str());
}

TEST(CoefficientText, Errors) {
    const char* bad[] = {
        "DIRECTION 1\n",                                   // no degree
        "DEGREE 1\nCOEFFICIENT 0 1 2\n",                   // one coefficient short
        "DEGREE 0\nCOEFFICIENT 1 1 2\n",                   // out of order
        "DEGREE 0\nCOEFFICIENT 0 1 2\nSTATION 1 2 3 4\n",  // weight missing
        "DEGREE 0\nCOEFFICIENT 0 1 2 3\n",                 // extra value
        "DEGREE 9\n",                                      // beyond 5
        "DEGREE 0\nCOEFFICIENT 0 1 x\n",                   // not a number
        "DEGREE 0\nCOEFFICIENT 0 1 2\nORIGINS 1 2\n",      // unknown key
    };
    for (const char* text : bad) {
        std::istringstream in(text);
        CoefficientModel m;
        std::string error;
        EXPECT_FALSE(parseCoefficientText(in, m, error)) << text;
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace orvandel
