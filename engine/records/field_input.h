#pragma once
// Iw and Fw.d input for the per-station records: the plain forms ("-12",
// "45.0", "  12.34567") are read directly, everything else (implied
// decimals, blanks inside, exponents, errors) by the shared reader, so the
// values and the input-conversion errors are the same as records::read*.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace records {

namespace detail {

// The forms the inline readers below leave to the shared reader.
int intInputOutOfLine(std::string_view line, int first, int last);
double realInputOutOfLine(std::string_view line, int first, int last, int decimals);
float singleInputOutOfLine(std::string_view line, int first, int last, int decimals);

inline constexpr double kInputPow10[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                           1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
inline constexpr float kInputPow10Single[11] = {1e0F, 1e1F, 1e2F, 1e3F, 1e4F, 1e5F, 1e6F, 1e7F, 1e8F, 1e9F, 1e10F};

// A field of blanks, an optional '-', digits, for reals one '.' with digits
// on both sides, blanks, with at most 15 digits: its digits without the
// point, the number of digits after the point and the sign. A quotient of
// two exactly held numbers is rounded once, so digits / 10^decimals is the
// correctly rounded value whenever both fit the floating-point format.
struct ShortNumber {
    std::uint64_t digits = 0;
    int decimals = 0;
    bool negative = false;
};

[[gnu::always_inline]] inline bool shortNumber(std::string_view line, int first, int last, bool real, ShortNumber& n) {
    const auto start = static_cast<std::size_t>(first - 1);
    if (first < 1 || last < first || start >= line.size()) return false;
    const char* p = line.data() + start;
    const char* const end = line.data() + std::min(line.size(), static_cast<std::size_t>(last));
    while (p != end && *p == ' ') ++p;
    if (p != end && *p == '-') {
        n.negative = true;
        ++p;
    }
    const char* const digits = p;
    for (; p != end && static_cast<unsigned>(*p - '0') < 10; ++p)
        n.digits = n.digits * 10 + static_cast<unsigned>(*p - '0');
    const auto before = p - digits;
    std::ptrdiff_t after = 0;
    if (real) {
        if (p == end || *p != '.') return false;
        const char* const point = p;
        for (++p; p != end && static_cast<unsigned>(*p - '0') < 10; ++p)
            n.digits = n.digits * 10 + static_cast<unsigned>(*p - '0');
        after = p - point - 1;
        if (after == 0) return false;
    }
    while (p != end && *p == ' ') ++p;
    if (p != end || before == 0 || before + after > 15) return false;
    n.decimals = static_cast<int>(after);
    return true;
}

inline constexpr std::uint64_t kInputPow10Whole[16] = {
    1,         10,         100,         1000,         10000,         100000,         1000000,         10000000,
    100000000, 1000000000, 10000000000, 100000000000, 1000000000000, 10000000000000, 100000000000000, 1000000000000000};

// Leftwards from index `i` down to `lowest` of the line: 1 to `most`
// digits, perhaps a '-' before them, and blanks only in front.
[[gnu::always_inline]] inline bool writtenDigitsLeftward(std::string_view line, std::ptrdiff_t i, std::ptrdiff_t lowest,
                                                         int most, std::uint64_t& value, bool& negative) {
    std::uint64_t digits = 0, scale = 1;
    int count = 0;
    for (; i >= lowest && static_cast<unsigned>(line[static_cast<std::size_t>(i)] - '0') < 10; --i, ++count) {
        digits += static_cast<unsigned>(line[static_cast<std::size_t>(i)] - '0') * scale;
        scale *= 10;
    }
    if (count == 0 || count > most) return false;
    const bool minus = i >= lowest && line[static_cast<std::size_t>(i)] == '-';
    if (minus) --i;
    for (; i >= lowest; --i) {
        if (line[static_cast<std::size_t>(i)] != ' ') return false;
    }
    // Nothing is set unless the whole field has the form.
    value = digits;
    negative = minus;
    return true;
}

// The form Fw.d output writes, with the field wholly inside the line: the
// point `decimals` columns before the field's end, digits after it, at
// least one digit and perhaps a '-' before it, blanks in front. One of
// shortNumber's forms, read from the point outwards so that the columns of
// the decimals are known in advance.
[[gnu::always_inline]] inline bool writtenNumber(std::string_view line, int first, int last, int decimals,
                                                 ShortNumber& n) {
    if (first < 1 || last < first || decimals < 1 || decimals >= last - first ||
        static_cast<std::size_t>(last) > line.size())
        return false;
    const char* const point = line.data() + (last - 1 - decimals);
    if (*point != '.') return false;
    std::uint64_t fraction = 0;
    unsigned bad = 0;
    for (int k = 1; k <= decimals; ++k) {
        const auto c = static_cast<unsigned>(point[k] - '0');
        bad |= c > 9 ? 1U : 0U;
        fraction = fraction * 10 + c;
    }
    if (bad != 0) return false;
    // The whole part ends at the column before the point.
    std::uint64_t whole = 0;
    bool negative = false;
    if (!writtenDigitsLeftward(line, last - 2 - decimals, first - 1, 15 - decimals, whole, negative)) return false;
    n.digits = whole * kInputPow10Whole[decimals] + fraction;
    n.negative = negative;
    n.decimals = decimals;
    return true;
}

// The form Iw output writes, with the field wholly inside the line: digits
// up to its last column, perhaps a '-' before them, blanks in front. One of
// shortNumber's forms, read from the right.
[[gnu::always_inline]] inline bool writtenInteger(std::string_view line, int first, int last, ShortNumber& n) {
    if (first < 1 || last < first || static_cast<std::size_t>(last) > line.size()) return false;
    return writtenDigitsLeftward(line, last - 1, first - 1, 15, n.digits, n.negative);
}

[[gnu::always_inline]] inline int intInputInline(std::string_view line, int first, int last) {
    ShortNumber n;
    if ((writtenInteger(line, first, last, n) || shortNumber(line, first, last, false, n)) && n.digits <= 999999999)
        return n.negative ? -static_cast<int>(n.digits) : static_cast<int>(n.digits);
    return intInputOutOfLine(line, first, last);
}

[[gnu::always_inline]] inline double realInputInline(std::string_view line, int first, int last, int decimals) {
    ShortNumber n;
    if (writtenNumber(line, first, last, decimals, n) || shortNumber(line, first, last, true, n)) {
        const double value = static_cast<double>(n.digits) / kInputPow10[n.decimals];
        return n.negative ? -value : value;
    }
    return realInputOutOfLine(line, first, last, decimals);
}

[[gnu::always_inline]] inline float singleInputInline(std::string_view line, int first, int last, int decimals) {
    ShortNumber n;
    if ((writtenNumber(line, first, last, decimals, n) || shortNumber(line, first, last, true, n)) &&
        n.digits <= (1U << 24) && n.decimals <= 10) {
        const float value = static_cast<float>(n.digits) / kInputPow10Single[n.decimals];
        return n.negative ? -value : value;
    }
    return singleInputOutOfLine(line, first, last, decimals);
}

}  // namespace detail

inline int intInput(std::string_view line, int first, int last) { return detail::intInputInline(line, first, last); }

inline double realInput(std::string_view line, int first, int last, int decimals) {
    return detail::realInputInline(line, first, last, decimals);
}

inline float singleInput(std::string_view line, int first, int last, int decimals) {
    return detail::singleInputInline(line, first, last, decimals);
}

}  // namespace records
