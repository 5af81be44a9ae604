// The inline Fw.d / Iw writers and the inline readers against exact
// references: std::to_chars for output, the shared reader for input. The
// writers are also called with constant widths and decimals, the way the
// record tables and output tables call them, so the folded code is tested.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "records/field_input.h"
#include "records/field_reader.h"
#include "records/field_writer.h"
#include "records/input_conversion_error.h"
#include "records/record_layout.h"

namespace {

// ---- exact reference for Fw.d and Iw ---------------------------------------

std::string rightAligned(const std::string& s, int width) {
    if (width <= 0) return {};
    if (static_cast<int>(s.size()) > width) return std::string(static_cast<std::size_t>(width), '*');
    return std::string(static_cast<std::size_t>(width) - s.size(), ' ') + s;
}

std::string exactFixed(double value, int width, int decimals) {
    if (width <= 0) return {};
    if (std::isnan(value)) return rightAligned("NaN", width);
    if (std::isinf(value)) {
        const std::string sign = value < 0 ? "-" : "";
        return rightAligned(static_cast<int>(sign.size()) + 8 <= width ? sign + "Infinity" : sign + "Inf", width);
    }
    char buf[512];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    std::string s(buf, r.ptr);
    if (decimals == 0) s += '.';
    if (static_cast<int>(s.size()) == width + 1) {
        const std::size_t zero = s[0] == '-' ? 1 : 0;
        if (s.compare(zero, 2, "0.") == 0) s.erase(zero, 1);
    }
    return rightAligned(s, width);
}

std::string exactInt(long long value, int width) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return rightAligned(std::string(buf, r.ptr), width);
}

// Values that probe Fw.d: ties of the last decimal that binary holds
// exactly and the doubles either side of them, halves of the last decimal
// as near as binary gets, negatives that round to zero, and the largest
// values that still fit a width and the smallest that do not.
std::vector<double> probeValues(int width, int decimals, std::mt19937_64& rng) {
    std::vector<double> v;
    auto withNeighbours = [&](double x) {
        for (double s : {x, -x}) {
            v.push_back(s);
            v.push_back(std::nextafter(s, std::numeric_limits<double>::infinity()));
            v.push_back(std::nextafter(s, -std::numeric_limits<double>::infinity()));
        }
    };
    const double unit = std::pow(10.0, -decimals);
    // Ties held exactly: odd multiples of 2^-k just below a decimal's half.
    for (int k = 1; k <= decimals + 2 && k < 30; ++k) {
        for (int i = 0; i < 40; ++i) withNeighbours(static_cast<double>(2 * (rng() % 100000) + 1) / std::ldexp(1.0, k));
    }
    std::uniform_int_distribution<long long> steps(0, 100000000);
    for (int i = 0; i < 200; ++i) {
        const double k = static_cast<double>(steps(rng) % static_cast<long long>(std::pow(10.0, std::min(width, 15))));
        withNeighbours((k + 0.5) * unit);
        withNeighbours(k * unit);
    }
    for (double x : {0.0, 0.4 * unit, 0.5 * unit, 0.6 * unit, 0.49999999 * unit, 1e-300, 0.5, 0.95, 0.9999999999})
        withNeighbours(x);
    for (int digits = 0; digits <= width + 1 && digits <= 18; ++digits) {
        const double top = std::pow(10.0, digits);
        withNeighbours(top);
        withNeighbours(top - 0.5 * unit);
        withNeighbours(top - unit);
    }
    for (double x : {999999999.0, 999999999.4, 999999999.5, 1e9, 4294967295.0, 4294967296.0, 0x1p50, 1e15, 1e16})
        withNeighbours(x);
    std::uniform_real_distribution<double> exponent(-8.0, 11.0);
    for (int i = 0; i < 2000; ++i) {
        const double x = std::pow(10.0, exponent(rng));
        v.push_back(rng() % 2 ? x : -x);
    }
    v.push_back(std::numeric_limits<double>::quiet_NaN());
    v.push_back(std::numeric_limits<double>::infinity());
    v.push_back(-std::numeric_limits<double>::infinity());
    return v;
}

template <int W, int D>
void checkConstantFixed(std::mt19937_64& rng) {
    for (double x : probeValues(W, D, rng)) {
        char out[W];
        records::putFixed(out, x, W, D);
        ASSERT_EQ(std::string(out, W), exactFixed(x, W, D)) << std::hexfloat << x << " F" << W << "." << D;
        records::LineBuilder line;
        line.fixed(x, W, D);
        ASSERT_EQ(line.view(), exactFixed(x, W, D)) << std::hexfloat << x << " F" << W << "." << D;
    }
}

TEST(FixedFastPath, ConstantFormatsEqualToChars) {
    std::mt19937_64 rng(4);
    // The formats of the engine's records and tables, and the narrow ones
    // where the leading 0 and the sign decide the fit.
    checkConstantFixed<12, 3>(rng);
    checkConstantFixed<12, 2>(rng);
    checkConstantFixed<11, 3>(rng);
    checkConstantFixed<9, 3>(rng);
    checkConstantFixed<8, 5>(rng);
    checkConstantFixed<9, 6>(rng);
    checkConstantFixed<4, 1>(rng);
    checkConstantFixed<5, 1>(rng);
    checkConstantFixed<5, 3>(rng);
    checkConstantFixed<2, 1>(rng);
    checkConstantFixed<3, 1>(rng);
    checkConstantFixed<10, 9>(rng);
    checkConstantFixed<11, 9>(rng);
    checkConstantFixed<20, 9>(rng);
    checkConstantFixed<16, 10>(rng);
    checkConstantFixed<14, 0>(rng);
    checkConstantFixed<24, 4>(rng);
}

TEST(FixedFastPath, RuntimeFormatsEqualToChars) {
    std::mt19937_64 rng(8);
    char out[40];
    for (int w = 0; w <= 22; ++w) {
        for (int d = 0; d <= 12; ++d) {
            for (double x : probeValues(w, d, rng)) {
                records::putFixed(out, x, w, d);
                ASSERT_EQ(std::string(out, static_cast<std::size_t>(w)), exactFixed(x, w, d))
                    << std::hexfloat << x << " F" << w << "." << d;
            }
        }
    }
}

TEST(FixedFastPath, KnownEdges) {
    EXPECT_EQ(records::formatFixed(0.125, 5, 2), " 0.12");  // tie held exactly: to even
    EXPECT_EQ(records::formatFixed(0.375, 5, 2), " 0.38");
    EXPECT_EQ(records::formatFixed(-0.0004, 6, 3), "-0.000");
    EXPECT_EQ(records::formatFixed(-0.0004, 5, 3), "-.000");
    EXPECT_EQ(records::formatFixed(-0.0004, 4, 3), "****");
    EXPECT_EQ(records::formatFixed(99999999.9994, 12, 3), "99999999.999");
    EXPECT_EQ(records::formatFixed(99999999.9996, 12, 3), "************");
    EXPECT_EQ(records::formatFixed(-9999999.9996, 12, 3), "************");
    EXPECT_EQ(records::formatFixed(999999999.5, 14, 1), "   999999999.5");
    EXPECT_EQ(records::formatFixed(1999999999.25, 14, 1), "  1999999999.2");
}

TEST(IntFastPath, EqualsToChars) {
    std::mt19937_64 rng(9);
    std::vector<long long> values = {0, std::numeric_limits<long long>::min(), std::numeric_limits<long long>::max(),
                                     std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
    long long p = 1;
    for (int digits = 0; digits <= 18; ++digits) {
        for (long long x : {p - 1, p, p + 1}) {
            values.push_back(x);
            values.push_back(-x);
        }
        if (digits < 18) p *= 10;
    }
    for (int i = 0; i < 20000; ++i) {
        const auto x = static_cast<long long>(rng() >> (1 + rng() % 63));
        values.push_back(x);
        values.push_back(-x);
    }
    char out[32];
    for (long long x : values) {
        for (int w = -1; w <= 21; ++w) {
            records::putInt(out, x, w);
            ASSERT_EQ(std::string(out, static_cast<std::size_t>(w > 0 ? w : 0)), exactInt(x, w)) << x << " I" << w;
        }
        records::putInt(out, x, 8);
        ASSERT_EQ(std::string(out, 8), exactInt(x, 8)) << x;
        records::putInt(out, x, 1);
        ASSERT_EQ(std::string(out, 1), exactInt(x, 1)) << x;
    }
}

// ---- readers against the shared reader -------------------------------------

template <typename F>
std::string outcome(F read) {
    try {
        const auto value = read();
        if constexpr (sizeof(value) == 8) {
            return "bits " + std::to_string(std::bit_cast<std::uint64_t>(static_cast<double>(value)));
        } else {
            return "bits " + std::to_string(std::bit_cast<std::uint32_t>(value));
        }
    } catch (const records::InputConversionError& e) {
        return std::string("conversion error: ") + e.what() + " [" + e.fieldText() + "]";
    } catch (const std::invalid_argument& e) {
        return std::string("invalid argument: ") + e.what();
    }
}

void checkReaders(const std::string& line, int first, int last, int decimals) {
    const std::string where = "'" + line + "' " + std::to_string(first) + "-" + std::to_string(last);
    ASSERT_EQ(outcome([&] { return static_cast<long long>(records::intInput(line, first, last)); }),
              outcome([&] { return static_cast<long long>(records::readInt(line, first, last)); }))
        << where;
    ASSERT_EQ(outcome([&] { return records::realInput(line, first, last, decimals); }),
              outcome([&] { return records::readReal(line, first, last, decimals); }))
        << where << " d" << decimals;
    ASSERT_EQ(outcome([&] { return records::singleInput(line, first, last, decimals); }),
              outcome([&] { return records::readSingle(line, first, last, decimals); }))
        << where << " d" << decimals;
}

TEST(InputFastPath, WrittenFieldsReadAsTheSharedReaderReadsThem) {
    std::mt19937_64 rng(10);
    std::uniform_real_distribution<double> exponent(-7.0, 16.0);
    for (int i = 0; i < 100000; ++i) {
        const int d = static_cast<int>(rng() % 10);
        const int w = d + 2 + static_cast<int>(rng() % 14);
        const double x = std::pow(10.0, exponent(rng)) * (rng() % 2 ? 1 : -1);
        const std::string lead(rng() % 4, ' ');
        const std::string line = lead + records::formatFixed(x, w, d) + std::string(rng() % 3, ' ');
        const int first = static_cast<int>(lead.size()) + 1;
        checkReaders(line, first, first + w - 1, d);
        checkReaders(line, 1, static_cast<int>(line.size()), d);
    }
}

TEST(InputFastPath, WrittenIntegersReadAsTheSharedReaderReadsThem) {
    std::mt19937_64 rng(16);
    for (int i = 0; i < 100000; ++i) {
        const int w = 1 + static_cast<int>(rng() % 18);
        const auto x = static_cast<long long>(rng() >> (1 + rng() % 63)) * (rng() % 2 ? 1 : -1);
        const std::string lead(rng() % 3, ' ');
        const std::string line = lead + records::formatInt(x, w) + std::string(rng() % 2, ' ');
        const int first = static_cast<int>(lead.size()) + 1;
        checkReaders(line, first, first + w - 1, 0);
    }
}

TEST(InputFastPath, RandomTextReadsAsTheSharedReaderReadsIt) {
    std::mt19937_64 rng(11);
    static constexpr char kAlphabet[] = "   --+..0123456789012345678901234567890eEdDqx\t\r\n";
    for (int i = 0; i < 200000; ++i) {
        std::string line(rng() % 22, ' ');
        for (char& c : line) c = kAlphabet[rng() % (sizeof kAlphabet - 1)];
        const int first = 1 + static_cast<int>(rng() % 24);
        const int last = first + static_cast<int>(rng() % 20);
        checkReaders(line, first, last, static_cast<int>(rng() % 8));
    }
    // Columns out of order give the shared reader's error.
    checkReaders("12.5", 3, 2, 1);
    checkReaders("12.5", 0, 2, 1);
}

TEST(InputFastPath, LongAndLimitFields) {
    for (const char* line : {"1234567890123456.5", "123456789012345.5", "12345678901234.5", "999999999", "1000000000",
                             "-999999999", "-2147483648", "2147483648", "16777216.0", "16777217.0", "0.0000000001",
                             "-0.000", "-.5", "5.", " - 5.0", "1.5e3", "1e400", "00000000000000000001.5"}) {
        const std::string s = line;
        for (int d = 0; d <= 3; ++d) checkReaders(s, 1, static_cast<int>(s.size()), d);
        for (int d : {-1, 15, 16, 1000, std::numeric_limits<int>::max()})
            checkReaders(s, 1, static_cast<int>(s.size()), d);
    }
}

TEST(TextFastPath, IntoAStringAsReadText) {
    std::mt19937_64 rng(12);
    std::string into = "left over from before";
    for (int i = 0; i < 20000; ++i) {
        std::string line(rng() % 16, 'x');
        for (char& c : line) c = "ab c\r\n"[rng() % 6];
        const int first = 1 + static_cast<int>(rng() % 18);
        const int last = first + static_cast<int>(rng() % 12);
        records::readTextInto(into, line, first, last);
        ASSERT_EQ(into, records::readText(line, first, last)) << "'" << line << "' " << first << "-" << last;
        ASSERT_EQ(records::readCharacter(line, first, last), records::readText(line, first, last)[0]);
    }
    EXPECT_THROW(records::readTextInto(into, "abc", 2, 1), std::invalid_argument);
    EXPECT_THROW(records::readCharacter("abc", 0, 1), std::invalid_argument);
}

// ---- whole records: the table walked at run time and at compile time -------

struct Sample {
    std::string name;
    char flag = ' ';
    int count = 0;
    long long wide = 0;
    double real = 0.0;
    float single = 0.0F;
    int degrees = 0;
};

constexpr auto kSampleLayout = records::layout<Sample>({
    records::textField("name", 1, 6, &Sample::name, records::Align::Left),
    records::textField("flag", 8, 8, &Sample::flag),
    records::intField("count", 9, 12, &Sample::count),
    records::intField("wide", 13, 22, &Sample::wide),
    records::realField("real", 23, 34, 3, &Sample::real),
    records::realField("single", 35, 43, 6, &Sample::single),
    records::realField("degrees", 44, 47, 1, &Sample::degrees),
});

std::string expectedLine(const Sample& s) {
    std::string name = s.name.substr(0, 6);
    name.resize(6, ' ');
    return name + " " + std::string(1, s.flag) + exactInt(s.count, 4) + exactInt(s.wide, 10) +
           exactFixed(s.real, 12, 3) + exactFixed(static_cast<double>(s.single), 9, 6) +
           exactFixed(static_cast<double>(s.degrees), 4, 1);
}

TEST(RecordFastPath, WrittenAndReadAsFieldByField) {
    std::mt19937_64 rng(13);
    std::uniform_real_distribution<double> real(-2e8, 2e8);
    std::uniform_real_distribution<float> single(-80.0F, 80.0F);
    records::LineBuilder line;
    Sample back;
    back.name = "a name far longer than any small-string buffer";
    for (int i = 0; i < 20000; ++i) {
        Sample s;
        s.name = std::string("ABCDEFGHIJ").substr(0, rng() % 10);
        s.flag = "YN "[rng() % 3];
        s.count = static_cast<int>(rng() % 20000) - 10000;
        s.wide = static_cast<long long>(rng() % 4000000000ULL) - 2000000000LL;
        s.real = real(rng) / std::pow(10.0, static_cast<double>(rng() % 9));
        s.single = single(rng);
        s.degrees = static_cast<int>(rng() % 1200) - 200;
        const std::string_view written = records::writeRecord<kSampleLayout>(line, s);
        ASSERT_EQ(written, expectedLine(s));
        ASSERT_EQ(records::writeRecord<kSampleLayout>(s), expectedLine(s));

        const std::string text(written);
        if (text.find('*') != std::string::npos) continue;
        records::readRecord<kSampleLayout>(text, back);
        Sample ref;
        ref.name = records::readText(text, 1, 6);
        ref.flag = records::readText(text, 8, 8)[0];
        ref.count = records::readInt(text, 9, 12);
        ref.wide = records::readInt(text, 13, 22);
        ref.real = records::readReal(text, 23, 34, 3);
        ref.single = records::readSingle(text, 35, 43, 6);
        ref.degrees = static_cast<int>(std::trunc(records::readReal(text, 44, 47, 1)));
        ASSERT_EQ(back.name, ref.name) << text;
        ASSERT_EQ(back.flag, ref.flag) << text;
        ASSERT_EQ(back.count, ref.count) << text;
        ASSERT_EQ(back.wide, ref.wide) << text;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(back.real), std::bit_cast<std::uint64_t>(ref.real)) << text;
        ASSERT_EQ(std::bit_cast<std::uint32_t>(back.single), std::bit_cast<std::uint32_t>(ref.single)) << text;
        ASSERT_EQ(back.degrees, ref.degrees) << text;
    }
}

}  // namespace

namespace {

// Gaps of every length, up to a line of exactly the capacity.
TEST(LineBuilderFastPath, GapsOfEveryLengthUpToTheCapacity) {
    std::mt19937_64 rng(15);
    constexpr int kCapacity = static_cast<int>(records::LineBuilder::kCapacity);
    for (int i = 0; i < 5000; ++i) {
        records::LineBuilder line;
        std::string expected;
        while (true) {
            const int gap = static_cast<int>(rng() % 40);
            const std::string text(rng() % 5, static_cast<char>('A' + rng() % 26));
            if (static_cast<int>(expected.size()) + gap + static_cast<int>(text.size()) > kCapacity) break;
            line.at(static_cast<int>(expected.size()) + gap + 1).text(text);
            expected += std::string(static_cast<std::size_t>(gap), ' ') + text;
        }
        const int rest = kCapacity - static_cast<int>(expected.size());
        line.blanks(rest);
        expected.append(static_cast<std::size_t>(rest), ' ');
        ASSERT_EQ(line.view(), expected);
        EXPECT_THROW(line.blanks(1), std::length_error);
        ASSERT_EQ(line.view(), expected);
        line.at(11).blanks(3).text("x");
        ASSERT_EQ(line.view(), expected.substr(0, 10) + "   x");
    }
}

}  // namespace
