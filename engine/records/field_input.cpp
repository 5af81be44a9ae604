#include "records/field_input.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "records/field_reader.h"

namespace records {

namespace {

// The field without its outer blanks when it is a plain number: an
// optional '-', digits, and for reals one '.' with digits on both sides.
bool plainField(std::string_view line, int first, int last, bool real, std::string_view& out) {
    const auto start = static_cast<std::size_t>(first - 1);
    if (first < 1 || last < first || start >= line.size()) return false;
    std::string_view f = line.substr(start, static_cast<std::size_t>(last - first + 1));
    const auto b = f.find_first_not_of(' ');
    if (b == std::string_view::npos) return false;
    f = f.substr(b, f.find_last_not_of(' ') - b + 1);
    std::size_t i = f[0] == '-' ? 1 : 0;
    std::size_t digitsBefore = 0, digitsAfter = 0;
    for (; i < f.size() && f[i] >= '0' && f[i] <= '9'; ++i) ++digitsBefore;
    if (real) {
        if (i == f.size() || f[i] != '.') return false;
        for (++i; i < f.size() && f[i] >= '0' && f[i] <= '9'; ++i) ++digitsAfter;
        if (digitsAfter == 0) return false;
    }
    if (i != f.size() || digitsBefore == 0 || digitsBefore + digitsAfter > 17) return false;
    out = f;
    return true;
}

constexpr double kPow10[16] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr float kPow10Single[11] = {1e0F, 1e1F, 1e2F, 1e3F, 1e4F, 1e5F, 1e6F, 1e7F, 1e8F, 1e9F, 1e10F};

// A plain field (as above) of at most 15 digits, as its digits without the
// point, the number of digits after the point and the sign. A quotient of
// two exactly held numbers is rounded once, so digits / 10^decimals is the
// correctly rounded value whenever both fit the floating-point format.
struct ShortNumber {
    std::uint64_t digits = 0;
    int decimals = 0;
    bool negative = false;
};

bool shortNumber(std::string_view line, int first, int last, bool real, ShortNumber& n) {
    const auto start = static_cast<std::size_t>(first - 1);
    if (first < 1 || last < first || start >= line.size()) return false;
    const char* p = line.data() + start;
    const char* const end = line.data() + std::min(line.size(), static_cast<std::size_t>(last));
    while (p != end && *p == ' ') ++p;
    if (p != end && *p == '-') {
        n.negative = true;
        ++p;
    }
    int before = 0, after = 0;
    for (; p != end && static_cast<unsigned>(*p - '0') < 10; ++p, ++before)
        n.digits = n.digits * 10 + static_cast<unsigned>(*p - '0');
    if (real) {
        if (p == end || *p != '.') return false;
        for (++p; p != end && static_cast<unsigned>(*p - '0') < 10; ++p, ++after)
            n.digits = n.digits * 10 + static_cast<unsigned>(*p - '0');
        if (after == 0) return false;
    }
    while (p != end && *p == ' ') ++p;
    if (p != end || before == 0 || before + after > 15) return false;
    n.decimals = after;
    return true;
}

}  // namespace

int intInput(std::string_view line, int first, int last) {
    ShortNumber n;
    if (shortNumber(line, first, last, false, n) && n.digits <= 999999999)
        return n.negative ? -static_cast<int>(n.digits) : static_cast<int>(n.digits);
    std::string_view f;
    int value = 0;
    if (plainField(line, first, last, false, f) &&
        std::from_chars(f.data(), f.data() + f.size(), value).ec == std::errc())
        return value;
    return records::readInt(line, first, last);
}

double realInput(std::string_view line, int first, int last, int decimals) {
    ShortNumber n;
    if (shortNumber(line, first, last, true, n)) {
        const double value = static_cast<double>(n.digits) / kPow10[n.decimals];
        return n.negative ? -value : value;
    }
    std::string_view f;
    double value = 0.0;
    if (plainField(line, first, last, true, f) &&
        std::from_chars(f.data(), f.data() + f.size(), value).ec == std::errc())
        return value;
    return records::readReal(line, first, last, decimals);
}

float singleInput(std::string_view line, int first, int last, int decimals) {
    ShortNumber n;
    if (shortNumber(line, first, last, true, n) && n.digits <= (1U << 24) && n.decimals <= 10) {
        const float value = static_cast<float>(n.digits) / kPow10Single[n.decimals];
        return n.negative ? -value : value;
    }
    std::string_view f;
    float value = 0.0F;
    if (plainField(line, first, last, true, f) &&
        std::from_chars(f.data(), f.data() + f.size(), value).ec == std::errc())
        return value;
    return records::readSingle(line, first, last, decimals);
}

}  // namespace records
