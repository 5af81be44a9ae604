#include "orvandel/fields.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

#include "records/field_writer.h"

namespace orvandel {

namespace {

// Exactly `width` characters at `out`: blanks, then the text; asterisks
// when it does not fit.
void putRightAligned(char* out, const char* first, const char* last, int width) {
    const auto length = static_cast<std::size_t>(last - first);
    const auto w = static_cast<std::size_t>(width);
    if (length > w) {
        std::memset(out, '*', w);
        return;
    }
    std::memset(out, ' ', w - length);
    std::memcpy(out + (w - length), first, length);
}

constexpr int kMaxFastDecimals = 10;
constexpr unsigned long long kPow10[kMaxFastDecimals + 1] = {
    1ULL, 10ULL, 100ULL, 1000ULL, 10000ULL, 100000ULL, 1000000ULL, 10000000ULL, 100000000ULL,
    1000000000ULL, 10000000000ULL};

// |value| x 10^decimals rounded to the nearest integer, ties to even,
// computed exactly from the binary value (as printf rounds).
unsigned __int128 scaledMagnitude(double value, int decimals) {
    const auto bits = std::bit_cast<unsigned long long>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    unsigned long long mantissa = bits & ((1ULL << 52) - 1);
    int shift = 1074;  // subnormal: value = mantissa / 2^1074
    if (biased != 0) {
        mantissa |= 1ULL << 52;
        shift = 1075 - biased;
    }
    const unsigned __int128 product = static_cast<unsigned __int128>(mantissa) * kPow10[decimals];
    if (shift <= 0) return product << -shift;
    if (shift >= 120) return 0;  // far below half a unit of the last decimal
    const unsigned __int128 quotient = product >> shift;
    const unsigned __int128 remainder = product - (quotient << shift);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    if (remainder > half || (remainder == half && (quotient & 1) != 0)) return quotient + 1;
    return quotient;
}

}  // namespace

void putFixed(char* out, double value, int width, int decimals) {
    if (width <= 0) return;
    // Odd cases keep the shared writer's rules.
    if (width <= 0 || decimals <= 0 || decimals > kMaxFastDecimals || !std::isfinite(value) ||
        std::fabs(value) >= 1e17) {
        const std::string field = records::formatFixed(value, width, decimals);
        std::memcpy(out, field.data(), field.size());
        return;
    }
    unsigned __int128 scaled = scaledMagnitude(value, decimals);

    char buf[64];
    char* const end = buf + sizeof buf;
    char* p = end;
    if ((scaled >> 64) == 0) {
        auto small = static_cast<unsigned long long>(scaled);
        for (int i = 0; i < decimals; ++i) {
            *--p = static_cast<char>('0' + static_cast<int>(small % 10));
            small /= 10;
        }
        scaled = small;
    } else {
        for (int i = 0; i < decimals; ++i) {
            *--p = static_cast<char>('0' + static_cast<int>(scaled % 10));
            scaled /= 10;
        }
    }
    *--p = '.';
    char* const point = p;
    const bool wholeIsZero = scaled == 0;
    auto whole = static_cast<unsigned long long>(scaled);  // below 1e17
    do {
        *--p = static_cast<char>('0' + static_cast<int>(whole % 10));
        whole /= 10;
    } while (whole != 0);
    // printf keeps the sign of negative values that round to zero.
    if (std::signbit(value)) *--p = '-';
    // "0.xxx" drops its 0 only when that is what makes it fit.
    if (end - p == width + 1 && wholeIsZero) {
        if (*p == '-') {
            point[-1] = '-';
            p = point - 1;
        } else {
            p = point;
        }
    }
    putRightAligned(out, p, end, width);
}

std::string fixedField(double value, int width, int decimals) {
    if (width <= 0) return {};
    std::string s(static_cast<std::size_t>(width), ' ');
    putFixed(s.data(), value, width, decimals);
    return s;
}

void putInt(char* out, long long value, int width) {
    if (width <= 0) return;
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    putRightAligned(out, buf, r.ptr, width);
}

std::string intField(long long value, int width) {
    if (width <= 0) return {};
    std::string s(static_cast<std::size_t>(width), ' ');
    putInt(s.data(), value, width);
    return s;
}

}  // namespace orvandel
