// The per-station field readers give exactly the shared reader's values
// and errors.
#include "records/field_input.h"

#include <gtest/gtest.h>

#include <random>

#include "records/field_reader.h"
#include "records/input_conversion_error.h"

namespace records {
namespace {

template <typename Fast, typename Shared>
void expectSame(const std::string& line, int first, int last, Fast fast, Shared shared) {
    bool fastThrew = false, sharedThrew = false;
    decltype(shared()) a{}, b{};
    try {
        a = fast();
    } catch (const records::InputConversionError&) {
        fastThrew = true;
    }
    try {
        b = shared();
    } catch (const records::InputConversionError&) {
        sharedThrew = true;
    }
    ASSERT_EQ(fastThrew, sharedThrew) << "'" << line << "' " << first << "-" << last;
    if (!fastThrew) {
        // Bitwise: -0.0 and 0.0 must not be confused either.
        EXPECT_EQ(std::signbit(static_cast<double>(a)), std::signbit(static_cast<double>(b))) << "'" << line << "'";
        EXPECT_EQ(a, b) << "'" << line << "' " << first << "-" << last;
    }
}

void check(const std::string& line, int first, int last, int decimals) {
    expectSame(
        line, first, last, [&] { return intInput(line, first, last); },
        [&] { return records::readInt(line, first, last); });
    expectSame(
        line, first, last, [&] { return realInput(line, first, last, decimals); },
        [&] { return records::readReal(line, first, last, decimals); });
    expectSame(
        line, first, last, [&] { return singleInput(line, first, last, decimals); },
        [&] { return records::readSingle(line, first, last, decimals); });
}

TEST(FieldInput, ListedForms) {
    const char* fields[] = {"",
                            "   ",
                            "45.0",
                            " 45.0",
                            "-12.50000",
                            "12345",
                            "  -7",
                            "1 2.5",
                            "1.2.3",
                            "-",
                            "+5",
                            "+5.5",
                            ".5",
                            "5.",
                            "-0.0",
                            "-0",
                            "1E3",
                            "1.5D2",
                            "x",
                            "12a",
                            "99999999999999999999",
                            "00012.34567",
                            "9.999999999999999999",
                            " - 5"};
    for (const char* f : fields) {
        for (int d : {0, 1, 3, 5}) check(f, 1, 12, d);
        check(std::string("AB") + f, 3, 10, 3);
    }
}

TEST(FieldInput, RandomFields) {
    std::mt19937 rng(11);
    const std::string alphabet = "0123456789 .-+E";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
    std::uniform_int_distribution<int> length(0, 12);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 20000; ++i) {
        std::string f;
        const int n = length(rng);
        // Mostly numbers that look like the work files' fields.
        for (int k = 0; k < n; ++k) f += (i % 3 == 0) ? alphabet[pick(rng)] : static_cast<char>('0' + digit(rng));
        if (i % 3 != 0 && n > 2) f[static_cast<std::size_t>(n / 2)] = '.';
        if (i % 5 == 1 && !f.empty()) f[0] = '-';
        check(f, 1, 12, i % 6);
    }
}

TEST(FieldInput, LongFieldsAndSinglePrecisionLimits) {
    // Up to 18 digits, so that fields beyond the short-number reading
    // (15 digits; 2^24 for single precision) are compared too.
    std::mt19937_64 rng(17);
    std::uniform_int_distribution<int> length(1, 18), digit(0, 9);
    for (int i = 0; i < 100000; ++i) {
        const int n = length(rng);
        std::string digits;
        for (int k = 0; k < n; ++k) digits += static_cast<char>('0' + digit(rng));
        std::uniform_int_distribution<int> point(1, n);
        const int p = point(rng);
        std::string f =
            digits.substr(0, static_cast<std::size_t>(p)) + "." + digits.substr(static_cast<std::size_t>(p));
        if (p == n) f += "5";
        if (i % 2 == 1) f = "-" + f;
        check(" " + f + " ", 1, static_cast<int>(f.size()) + 2, 3);
    }
    for (const char* f : {"16777216.", "16777217.0", "16777215.0", "1677721.7", "16.777217", "16.777216", "0.16777217",
                          "1.6777217", "99999999.9", "9.99999999", "123456789012345.0", "1234567890123456.0",
                          "0.000000000000001", "-999999999", "-2147483648", "2147483647", "999999999", "1000000000"}) {
        check(f, 1, 20, 0);
        check(f, 1, 20, 5);
    }
}

}  // namespace
}  // namespace records
