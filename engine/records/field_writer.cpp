#include "records/field_writer.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace records {

namespace {

void putStars(char* out, int width) { std::memset(out, '*', static_cast<std::size_t>(width)); }

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

// Drops the "0" of "0.xxx" / "-0.xxx" in [first, last) when it is the one
// character too many; returns the new first character.
char* fitLeadingZero(char* first, char* last, int width) {
    if (last - first != static_cast<std::ptrdiff_t>(width) + 1) return first;
    char* zero = (*first == '-' || *first == '+') ? first + 1 : first;
    if (last - zero > 1 && zero[0] == '0' && zero[1] == '.') {
        if (zero != first) zero[0] = first[0];
        return first + 1;
    }
    return first;
}

constexpr int kMaxFastDecimals = 15;
constexpr double kPow10[kMaxFastDecimals + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// |value| x 10^decimals rounded to the nearest integer, as printf rounds
// the exact binary value, when one multiplication decides it: false when
// the product lies too close to a half for its rounding error.
inline bool scaledMagnitude(double magnitude, int decimals, std::uint64_t& scaled) {
    const double x = magnitude * kPow10[decimals];  // within x * 2^-53 of the exact product
    if (!(x < 0x1p50)) return false;
    const auto whole = static_cast<std::uint64_t>(static_cast<std::int64_t>(x));
    const double fraction = x - static_cast<double>(whole);  // exact
    const double fromHalf = fraction - 0.5;
    if (!((fromHalf < 0 ? -fromHalf : fromHalf) > x * 0x1p-51)) return false;
    scaled = whole + (fromHalf > 0 ? 1 : 0);
    return true;
}

// Writes `value`'s decimal digits leftwards, ending just before `p`;
// returns the first digit's position.
inline char* digitsBefore(char* p, std::uint64_t value) {
    do {
        *--p = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    return p;
}

inline int digitCount(std::uint64_t value) {
    int n = 1;
    while (value >= 10) {
        value /= 10;
        ++n;
    }
    return n;
}

// Fw.d of finite values through the exact decimal expansion.
void putFixedExact(char* out, double value, int width, int decimals) {
    // |value| < 1e300 with up to 100 decimals, a sign, a point.
    char buf[420];
    const auto r = std::to_chars(buf, buf + sizeof buf - 1, value, std::chars_format::fixed, decimals);
    char* last = r.ptr;
    if (decimals == 0) *last++ = '.';  // the point is always written
    putRightAligned(out, fitLeadingZero(buf, last, width), last, width);
}

}  // namespace

void detail::putIntOutOfLine(char* out, long long value, int width) {
    if (width <= 0) return;
    const bool negative = value < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    const int length = digitCount(magnitude) + (negative ? 1 : 0);
    if (length > width) {
        putStars(out, width);
        return;
    }
    char* p = digitsBefore(out + width, magnitude);
    if (negative) *--p = '-';
    while (p != out) *--p = ' ';
}

void detail::putFixedOutOfLine(char* out, double value, int width, int decimals) {
    if (width <= 0) return;
    if (decimals < 0) decimals = 0;
    const double magnitude = std::fabs(value);
    std::uint64_t scaled = 0;
    if (decimals >= 1 && decimals <= kMaxFastDecimals && decimals < width && magnitude < 1e15 &&
        scaledMagnitude(magnitude, decimals, scaled)) {
        // Right to left straight into the field: the decimals, the point,
        // the whole part, the sign, blanks; asterisks when it runs out of room.
        char* p = out + width;
        std::uint64_t rest = scaled;
        int i = 0;
        for (; i + 2 <= decimals; i += 2) {
            p -= 2;
            detail::putTwoDigits(p, static_cast<std::uint32_t>(rest % 100));
            rest /= 100;
        }
        if (i < decimals) {
            *--p = static_cast<char>('0' + rest % 10);
            rest /= 10;
        }
        *--p = '.';
        const bool negative = std::signbit(value);  // printf keeps it on values that round to 0
        const auto room = p - out;
        if (rest == 0) {
            // "0.xxx" drops its 0 only when that is what makes it fit.
            if (room < (negative ? 1 : 0)) {
                putStars(out, width);
                return;
            }
            if (room > (negative ? 1 : 0)) *--p = '0';
        } else {
            while (rest >= 10) {
                if (p - out < 2) {
                    putStars(out, width);
                    return;
                }
                p -= 2;
                detail::putTwoDigits(p, static_cast<std::uint32_t>(rest % 100));
                rest /= 100;
            }
            if (rest != 0) {
                if (p == out) {
                    putStars(out, width);
                    return;
                }
                *--p = static_cast<char>('0' + rest);
            }
        }
        if (negative) {
            if (p == out) {
                putStars(out, width);
                return;
            }
            *--p = '-';
        }
        while (p != out) *--p = ' ';
        return;
    }
    if (std::isnan(value)) {
        static constexpr char kNaN[] = "NaN";
        putRightAligned(out, kNaN, kNaN + 3, width);
        return;
    }
    if (std::isinf(value)) {
        const std::string_view text =
            value < 0 ? (width >= 9 ? "-Infinity" : "-Inf") : (width >= 8 ? "Infinity" : "Inf");
        putRightAligned(out, text.data(), text.data() + text.size(), width);
        return;
    }
    // Values or decimals this large cannot fit any record's width.
    if (magnitude >= 1e300 || decimals > 100 || decimals >= width) {
        putStars(out, width);
        return;
    }
    putFixedExact(out, value, width, decimals);
}

void putExponent(char* out, double value, int width, int decimals, char letter) {
    if (width <= 0) return;
    if (!std::isfinite(value)) {
        putFixed(out, value, width, decimals);
        return;
    }
    if (decimals < 1) decimals = 1;
    const bool negative = std::signbit(value);
    // [-]0.<decimals digits><4 exponent characters>
    const long long length = (negative ? 1 : 0) + 2LL + decimals + 4;
    if (length > width + 1LL) {
        putStars(out, width);
        return;
    }
    // d significant digits, correctly rounded, then shifted to 0.ddd form.
    char digits[64];
    int digitCount = 0;
    int exponent = 0;
    if (value != 0.0) {
        const int d = decimals > 40 ? 40 : decimals;
        char buf[80];
        const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, d - 1);
        const char* e = static_cast<const char*>(std::memchr(buf, 'e', static_cast<std::size_t>(r.ptr - buf)));
        digits[digitCount++] = buf[0];
        for (const char* p = buf + 2; p < e; ++p) digits[digitCount++] = *p;
        int parsed = 0;
        std::from_chars(e + (e[1] == '+' ? 2 : 1), r.ptr, parsed);
        exponent = parsed + 1;
    }
    const int a = exponent < 0 ? -exponent : exponent;
    if (a > 999) {
        putStars(out, width);
        return;
    }
    const bool dropZero = length == width + 1LL;
    char* p = out;
    std::memset(p, ' ', static_cast<std::size_t>(width - (length - (dropZero ? 1 : 0))));
    p += width - (length - (dropZero ? 1 : 0));
    if (negative) *p++ = '-';
    if (!dropZero) *p++ = '0';
    *p++ = '.';
    std::memcpy(p, digits, static_cast<std::size_t>(digitCount));
    p += digitCount;
    std::memset(p, '0', static_cast<std::size_t>(decimals - digitCount));
    p += decimals - digitCount;
    if (a <= 99) {
        *p++ = letter;
        *p++ = exponent < 0 ? '-' : '+';
    } else {
        *p++ = exponent < 0 ? '-' : '+';
        *p++ = static_cast<char>('0' + a / 100);
    }
    *p++ = static_cast<char>('0' + a / 10 % 10);
    *p++ = static_cast<char>('0' + a % 10);
}

void putText(char* out, std::string_view text, int width) {
    if (width <= 0) return;
    const auto w = static_cast<std::size_t>(width);
    if (text.size() >= w) {
        std::memcpy(out, text.data(), w);
        return;
    }
    std::memset(out, ' ', w - text.size());
    std::memcpy(out + (w - text.size()), text.data(), text.size());
}

namespace {

template <typename Put>
std::string field(int width, Put put) {
    if (width <= 0) return {};
    std::string s(static_cast<std::size_t>(width), ' ');
    put(s.data());
    return s;
}

}  // namespace

std::string formatInt(long long value, int width) {
    return field(width, [&](char* out) { putInt(out, value, width); });
}

std::string formatFixed(double value, int width, int decimals) {
    return field(width, [&](char* out) { putFixed(out, value, width, decimals); });
}

std::string formatExponent(double value, int width, int decimals, char letter) {
    return field(width, [&](char* out) { putExponent(out, value, width, decimals, letter); });
}

std::string formatText(std::string_view text, int width) {
    return field(width, [&](char* out) { putText(out, text, width); });
}

void LineText::reserve(std::size_t more) {
    if (more <= capacity_ - size_) return;
    std::size_t capacity = capacity_ < 4096 ? 4096 : capacity_;
    while (more > capacity - size_) capacity *= 2;
    std::unique_ptr<char[]> larger(new char[capacity]);
    if (size_ > 0) std::memcpy(larger.get(), data_.get(), size_);
    data_ = std::move(larger);
    capacity_ = capacity;
}

void LineBuilder::tooLong() { throw std::length_error("record line too long"); }

}  // namespace records
