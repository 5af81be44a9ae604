#pragma once
// Writing fields the way formatted output does: numbers right-aligned in
// their width, a number that does not fit written as w asterisks.
//
// Each edit descriptor comes in two forms: put*() writes exactly `width`
// characters at `out` (nothing for a width of 0 or less), format*() returns
// the same text as a string. The put forms never allocate; records are
// built with them straight into a line buffer (LineBuilder).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace records {

namespace detail {

// The cases the inline forms below leave out: every width, value and
// number of decimals, exactly.
void putIntOutOfLine(char* out, long long value, int width);
void putFixedOutOfLine(char* out, double value, int width, int decimals);

inline constexpr char kTwoDigits[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";
inline constexpr std::uint32_t kPow10[10] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
inline constexpr double kPow10Real[10] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

inline void putTwoDigits(char* p, std::uint32_t twoDigits) {
    p[0] = kTwoDigits[2 * twoDigits];
    p[1] = kTwoDigits[2 * twoDigits + 1];
}

// `value`'s decimal digits written leftwards, ending just before `p`;
// returns the first digit's position.
inline char* wholeDigitsBefore(char* p, std::uint32_t value) {
    while (value >= 100) {
        p -= 2;
        putTwoDigits(p, value % 100);
        value /= 100;
    }
    if (value >= 10) {
        p -= 2;
        putTwoDigits(p, value);
    } else {
        *--p = static_cast<char>('0' + value);
    }
    return p;
}

// `width` blanks, as fixed-size stores for the usual widths.
inline void putBlanks(char* out, int width) {
    if (width >= 8 && width <= 16) {
        std::memcpy(out, "        ", 8);
        std::memcpy(out + width - 8, "        ", 8);
    } else if (width >= 4 && width < 8) {
        std::memcpy(out, "    ", 4);
        std::memcpy(out + width - 4, "    ", 4);
    } else {
        std::memset(out, ' ', static_cast<std::size_t>(width));
    }
}

// Whether the digits of `value` (at most 10) fit in `room` characters.
inline bool fits(std::uint32_t value, int room) { return room >= 10 || (room > 0 && value < kPow10[room]); }

// Iw and Fw.d inline wherever they are called, so that constant widths and
// decimals fold (LineBuilder and the record tables); putInt and putFixed
// leave the choice to the compiler.
[[gnu::always_inline]] inline void putIntInline(char* out, long long value, int width) {
    // Magnitudes below 10^9 in 32 bits; the rest out of line.
    if (value > -1000000000LL && value < 1000000000LL && width > 0) {
        const bool negative = value < 0;
        const auto magnitude = static_cast<std::uint32_t>(negative ? -value : value);
        if (!fits(magnitude, width - (negative ? 1 : 0))) {
            for (int i = 0; i < width; ++i) out[i] = '*';
            return;
        }
        putBlanks(out, width);
        char* p = wholeDigitsBefore(out + width, magnitude);
        if (negative) p[-1] = '-';
        return;
    }
    putIntOutOfLine(out, value, width);
}

// Fw.d for 1 to 9 decimals and whole parts below 10^9 when one
// multiplication decides the rounding; values near a half and all else out
// of line.
[[gnu::always_inline]] inline void putFixedInline(char* out, double value, int width, int decimals) {
    const double magnitude = std::fabs(value);
    if (decimals >= 1 && decimals <= 9 && decimals < width && magnitude < 1e9) {  // false for NaN
        // The whole part exactly, then the rest (also exact) times
        // 10^decimals, within y * 2^-53 of the exact product.
        auto whole = static_cast<std::uint32_t>(static_cast<std::int32_t>(magnitude));
        const std::uint32_t unit = kPow10[decimals];
        const double y = (magnitude - static_cast<double>(whole)) * kPow10Real[decimals];
        const auto truncated = static_cast<std::uint32_t>(static_cast<std::int32_t>(y));
        const double fromHalf = (y - static_cast<double>(truncated)) - 0.5;  // exact
        // Rounded as printf rounds the exact binary value only when the
        // product lies further from a half than its rounding error.
        if (std::fabs(fromHalf) > y * 0x1p-51) {
            std::uint32_t fraction = truncated + (fromHalf > 0 ? 1 : 0);
            if (fraction == unit) {
                ++whole;
                fraction = 0;
            }
            // Blanks first, then right to left: the decimals, the point, the
            // whole part, the sign; asterisks when out of room.
            putBlanks(out, width);
            char* p = out + width;
            int i = decimals;
            for (; i >= 2; i -= 2) {
                p -= 2;
                putTwoDigits(p, fraction % 100);
                fraction /= 100;
            }
            if (i != 0) *--p = static_cast<char>('0' + fraction);
            *--p = '.';
            const bool negative = std::signbit(value);  // printf keeps it on values that round to 0
            const int room = width - decimals - 1 - (negative ? 1 : 0);
            bool fit = true;
            if (whole == 0) {
                // "0.xxx" drops its 0 only when that is what makes it fit.
                if (room > 0) *--p = '0';
                fit = room >= 0;
            } else if (fits(whole, room)) {
                p = wholeDigitsBefore(p, whole);
            } else {
                fit = false;
            }
            if (!fit) {
                std::memset(out, '*', static_cast<std::size_t>(width));
                return;
            }
            if (negative) p[-1] = '-';
            return;
        }
    }
    putFixedOutOfLine(out, value, width, decimals);
}

}  // namespace detail

// Iw.
inline void putInt(char* out, long long value, int width) { detail::putIntInline(out, value, width); }
std::string formatInt(long long value, int width);

// Fw.d. Rounding and the sign of values that round to zero follow printf
// ("%.2f" of -0.001 is "-0.00"); a magnitude below 1 drops its leading 0
// only when that is what makes it fit. Not-a-number is "NaN", infinities
// "Infinity" or "Inf" with their sign, when they fit.
inline void putFixed(char* out, double value, int width, int decimals) {
    detail::putFixedInline(out, value, width, decimals);
}
std::string formatFixed(double value, int width, int decimals);

// Ew.d (letter 'E') or Dw.d (letter 'D'): [-]0.ddddE+xx; exponents beyond
// two digits take the exponent letter's place.
void putExponent(char* out, double value, int width, int decimals, char letter = 'E');
std::string formatExponent(double value, int width, int decimals, char letter = 'E');

// Aw: right-aligned when shorter than the width, the leftmost w characters
// when longer.
void putText(char* out, std::string_view text, int width);
std::string formatText(std::string_view text, int width);

// A fixed-column output line built left to right in a buffer of its own
// (no allocation). Lines longer than kCapacity are a programming error and
// throw std::length_error.
class LineBuilder {
public:
    static constexpr std::size_t kCapacity = 256;

    // The next text starts at `column` (1-based): blanks up to it, or the
    // line cut back to it.
    LineBuilder& at(int column) {
        const auto n = static_cast<std::size_t>(column > 1 ? column - 1 : 0);
        if (n > size_) blanks(static_cast<int>(n - size_));
        size_ = n;
        return *this;
    }
    LineBuilder& text(std::string_view s) {
        std::memcpy(grow(static_cast<int>(s.size() < kCapacity ? s.size() : kCapacity + 1)), s.data(), s.size());
        return *this;
    }
    LineBuilder& blanks(int count) {
        char* p = grow(count);
        if (count <= kSlack) {
            // The usual short gap as one fixed-size store, which may run on
            // past the line's end into the slack: nothing there is read.
            std::memcpy(p, kBlanks, kSlack);
        } else {
            std::memset(p, ' ', static_cast<std::size_t>(count));
        }
        return *this;
    }
    LineBuilder& textField(std::string_view s, int width) {
        putText(grow(width), s, width);
        return *this;
    }
    LineBuilder& fixed(double value, int width, int decimals) {
        detail::putFixedInline(grow(width), value, width, decimals);
        return *this;
    }
    LineBuilder& exponent(double value, int width, int decimals, char letter = 'E') {
        putExponent(grow(width), value, width, decimals, letter);
        return *this;
    }
    LineBuilder& integer(long long value, int width) {
        detail::putIntInline(grow(width), value, width);
        return *this;
    }
    LineBuilder& clear() {
        size_ = 0;
        return *this;
    }

    std::string_view view() const { return {data(), size_}; }
    std::string str() const { return std::string(view()); }
    std::size_t size() const { return size_; }

private:
    // Room for `width` more characters (none for a width of 0 or less).
    char* grow(int width) {
        const auto w = static_cast<std::size_t>(width > 0 ? width : 0);
        if (w > kCapacity - size_) tooLong();
        char* p = data() + size_;
        size_ += w;
        return p;
    }
    char* data() { return place_ != nullptr ? place_ : buffer_; }
    const char* data() const { return place_ != nullptr ? place_ : buffer_; }
    [[noreturn]] static void tooLong();

    static constexpr int kSlack = 16;
    static constexpr char kBlanks[kSlack + 1] = "                ";

    friend class LineText;

    char buffer_[kCapacity + kSlack];
    // Where a LineText has the line built in place, instead of buffer_
    // (with the same slack after it).
    char* place_ = nullptr;
    std::size_t size_ = 0;
};

// Lines one after another in one growing buffer. A LineBuilder begun here
// builds the next line straight at the end of the text, so that a line is
// never copied on its way into a batch's text.
class LineText {
public:
    LineText() = default;
    LineText(const LineText&) = delete;
    LineText& operator=(const LineText&) = delete;

    // The next line is built by `line` in place, after the text so far.
    void begin(LineBuilder& line) {
        reserve(LineBuilder::kCapacity + LineBuilder::kSlack + 1);
        line.place_ = data_.get() + size_;
        line.size_ = 0;
    }
    // Keeps the line `line` built since begin(), and a line end; `line`
    // builds in its own buffer again.
    void keep(LineBuilder& line) {
        size_ += line.size_;
        data_[size_++] = '\n';
        line.place_ = nullptr;
        line.size_ = 0;
    }
    // The line build(line) makes, kept with its line end; returns both.
    template <class Build>
    std::string_view add(LineBuilder& line, Build&& build) {
        begin(line);
        try {
            build(line);
        } catch (...) {
            line.place_ = nullptr;
            line.size_ = 0;
            throw;
        }
        const std::size_t start = size_;
        keep(line);
        return {data_.get() + start, size_ - start};
    }
    // Text copied in (page headers, a line kept in two texts).
    void append(std::string_view s) {
        if (s.empty()) return;  // nothing to copy, perhaps from nowhere
        reserve(s.size());
        std::memcpy(data_.get() + size_, s.data(), s.size());
        size_ += s.size();
    }
    void clear() { size_ = 0; }

    std::size_t size() const { return size_; }
    std::string_view view() const { return {data_.get(), size_}; }
    operator std::string_view() const { return view(); }

private:
    void reserve(std::size_t more);

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace records
