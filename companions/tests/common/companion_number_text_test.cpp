// Numbers written without printf must read exactly as printf wrote them:
// every record of the companions' files depends on it.
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "common/columns.h"
#include "common/companion_error.h"

namespace companion {
namespace {

std::string printfFixed(double value, int width, int decimals, bool zeroPad) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, zeroPad ? "%0*.*f" : "%*.*f", width, decimals, value);
  return buffer;
}

std::string fixed(double value, int width, int decimals, bool zeroPad) {
  std::string text = "#";  // appended after what is there
  appendFixed(text, value, width, decimals, zeroPad);
  return text.substr(1);
}

TEST(CompanionNumberText, FixedIsPrintfForValuesOfEveryKind) {
  const double values[] = {0.0,
                           -0.0,
                           0.5,
                           -0.5,
                           0.125,
                           2.5,
                           0.0005,
                           -0.0004,
                           59.9999995,
                           1e15,
                           -1e15,
                           999999999999999.9,
                           1e20,
                           -3e100,
                           1e-300,
                           4.9e-324,
                           0.1,
                           1234567.0005,
                           16404199.987,
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()};
  for (double value : values) {
    for (int decimals : {0, 1, 3, 5, 6, 11, 15, 17}) {
      for (int width : {0, 1, 8, 9, 16}) {
        for (bool zeroPad : {false, true}) {
          EXPECT_EQ(fixed(value, width, decimals, zeroPad),
                    printfFixed(value, width, decimals, zeroPad))
              << value << " width " << width << " decimals " << decimals << " zero pad " << zeroPad;
        }
      }
    }
  }
}

TEST(CompanionNumberText, FixedIsPrintfForRandomCoordinates) {
  std::mt19937_64 random(14);
  std::uniform_real_distribution<double> exponent(-8.0, 15.5);
  for (int i = 0; i < 200000; ++i) {
    const double magnitude = std::pow(10.0, exponent(random));
    const double value = (random() & 1) ? -magnitude : magnitude;
    const int decimals = static_cast<int>(random() % 13);
    const int width = static_cast<int>(random() % 20);
    const bool zeroPad = (random() & 2) != 0;
    ASSERT_EQ(fixed(value, width, decimals, zeroPad), printfFixed(value, width, decimals, zeroPad))
        << value << " width " << width << " decimals " << decimals;
  }
}

TEST(CompanionNumberText, FixedIsPrintfOnHalvesOfTheLastDecimal) {
  // Exact binary halves round to even in printf; near-halves to the nearest.
  for (long long units = -20000; units <= 20000; ++units) {
    for (int decimals : {1, 2, 3, 5}) {
      const double value = (static_cast<double>(units) + 0.5) / std::pow(10.0, decimals);
      ASSERT_EQ(fixed(value, 12, decimals, false), printfFixed(value, 12, decimals, false))
          << value;
    }
  }
  for (int i = 0; i < 4096; ++i) {
    const double value = i / 1024.0;  // exact in binary: true halves for 2 or 3 decimals
    ASSERT_EQ(fixed(value, 0, 2, false), printfFixed(value, 0, 2, false)) << value;
    ASSERT_EQ(fixed(value, 0, 3, false), printfFixed(value, 0, 3, false)) << value;
  }
}

TEST(CompanionNumberText, IntegersArePrintf) {
  for (long long value : {0LL, 5LL, -5LL, 42LL, 99999LL, 100000LL, -123456789LL}) {
    for (int width : {0, 2, 3, 5, 9}) {
      for (bool zeroPad : {false, true}) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, zeroPad ? "%0*lld" : "%*lld", width, value);
        std::string text;
        appendInt(text, value, width, zeroPad);
        EXPECT_EQ(text, buffer) << value << " width " << width << " zero pad " << zeroPad;
      }
    }
  }
}

// The reading every record had before from_chars: strtod on the trimmed text.
bool strtodReal(const std::string& text, double& value) {
  const auto begin = text.find_first_not_of(" \t\r\n");
  if (begin == std::string::npos) return false;
  const std::string t = text.substr(begin, text.find_last_not_of(" \t\r\n") - begin + 1);
  if (t.size() > 40 || t.find_first_not_of("0123456789.+-eE") != std::string::npos) return false;
  char* end = nullptr;
  errno = 0;
  const double v = std::strtod(t.c_str(), &end);
  if (end != t.c_str() + t.size() || errno == ERANGE || !std::isfinite(v)) return false;
  value = v;
  return true;
}

TEST(CompanionParseRealQuickly, ReadsEveryTextAsStrtodDid) {
  const char* texts[] = {"1",
                         "+5",
                         "-5",
                         "+-5",
                         "-+5",
                         "++5",
                         "--5",
                         "+",
                         "-",
                         ".",
                         "5.",
                         ".5",
                         "-.5",
                         "+.5",
                         "1e5",
                         "1E+5",
                         "1e-5",
                         "1e",
                         "1e+",
                         "e5",
                         "1.2.3",
                         "0",
                         "-0",
                         "0.000",
                         "+0",
                         "0e5",
                         "1e-400",
                         "1e400",
                         "-1e400",
                         "4.9e-324",
                         "2.2250738585072014e-308",
                         "1e-310",
                         " 2500000.125 ",
                         "\t7\r",
                         "0000000000000000000000000000000000000000001",
                         "5-",
                         "5+3",
                         "12345678901234567890123456789012345678901",
                         "1.7976931348623157e308",
                         "1.7976931348623159e308",
                         "0.1",
                         "  ",
                         ""};
  for (const char* text : texts) {
    double quick = -1.0, reference = -1.0;
    const bool quickOk = parseReal(text, quick);
    const bool referenceOk = strtodReal(text, reference);
    EXPECT_EQ(quickOk, referenceOk) << '"' << text << '"';
    if (quickOk && referenceOk) {
      EXPECT_EQ(quick, reference) << '"' << text << '"';
      EXPECT_EQ(std::signbit(quick), std::signbit(reference)) << '"' << text << '"';
    }
  }
  std::mt19937_64 random(27);
  for (int i = 0; i < 100000; ++i) {
    char text[64];
    const double value =
        std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 80) - 60);
    std::snprintf(text, sizeof text, (i & 1) ? "%.17g" : "%.6f", (i & 2) ? -value : value);
    double quick = -1.0, reference = -1.0;
    ASSERT_EQ(parseReal(text, quick), strtodReal(text, reference)) << text;
    ASSERT_EQ(quick, reference) << text;
  }
}

TEST(CompanionParseIntQuickly, SignsDigitsAndBlanksOnly) {
  int value = -1;
  EXPECT_TRUE(parseInt(" +7 ", value));
  EXPECT_EQ(value, 7);
  EXPECT_TRUE(parseInt("-0", value));
  EXPECT_EQ(value, 0);
  EXPECT_TRUE(parseInt("-12345678", value));
  EXPECT_EQ(value, -12345678);
  EXPECT_TRUE(parseInt("999999999", value));
  EXPECT_EQ(value, 999999999);
  EXPECT_FALSE(parseInt("1234567890", value));
  EXPECT_FALSE(parseInt("+-1", value));
  EXPECT_FALSE(parseInt("1 2", value));
  EXPECT_FALSE(parseInt("-", value));
}

TEST(CompanionFittedFixedQuickly, AppendsAfterTheRecordSoFar) {
  std::string line = "P1";
  appendFitted(line, -0.0004, 7, 3);
  appendFitted(line, 123456.7891, 9, 3);
  EXPECT_EQ(line, "P1  0.000123456.79");
  std::string untouched = "X";
  EXPECT_THROW(appendFitted(untouched, 1e13, 9, 3), CompanionError);
  EXPECT_EQ(fixedDecimals(-0.0004, 3), "0.000");
  EXPECT_EQ(fixedDecimals(-0.0006, 3), "-0.001");
}

}  // namespace
}  // namespace companion
