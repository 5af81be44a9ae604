#pragma once
// Writing fields the way formatted output does: numbers right-aligned in
// their width, a number that does not fit written as w asterisks.
//
// Each edit descriptor comes in two forms: put*() writes exactly `width`
// characters at `out` (nothing for a width of 0 or less), format*() returns
// the same text as a string. The put forms never allocate; records are
// built with them straight into a line buffer (LineBuilder).
#include <cstddef>
#include <string>
#include <string_view>

namespace records {

// Iw.
void putInt(char* out, long long value, int width);
std::string formatInt(long long value, int width);

// Fw.d. Rounding and the sign of values that round to zero follow printf
// ("%.2f" of -0.001 is "-0.00"); a magnitude below 1 drops its leading 0
// only when that is what makes it fit. Not-a-number is "NaN", infinities
// "Infinity" or "Inf" with their sign, when they fit.
void putFixed(char* out, double value, int width, int decimals);
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
    LineBuilder& text(std::string_view s);
    LineBuilder& blanks(int count) {
        char* p = grow(count);
        for (int i = 0; i < count; ++i) p[i] = ' ';
        return *this;
    }
    LineBuilder& textField(std::string_view s, int width) {
        putText(grow(width), s, width);
        return *this;
    }
    LineBuilder& fixed(double value, int width, int decimals) {
        putFixed(grow(width), value, width, decimals);
        return *this;
    }
    LineBuilder& exponent(double value, int width, int decimals, char letter = 'E') {
        putExponent(grow(width), value, width, decimals, letter);
        return *this;
    }
    LineBuilder& integer(long long value, int width) {
        putInt(grow(width), value, width);
        return *this;
    }
    LineBuilder& clear() {
        size_ = 0;
        return *this;
    }

    std::string_view view() const { return {buffer_, size_}; }
    std::string str() const { return std::string(view()); }
    std::size_t size() const { return size_; }

private:
    // Room for `width` more characters (none for a width of 0 or less).
    char* grow(int width) {
        const auto w = static_cast<std::size_t>(width > 0 ? width : 0);
        if (w > kCapacity - size_) tooLong();
        char* p = buffer_ + size_;
        size_ += w;
        return p;
    }
    [[noreturn]] static void tooLong();

    char buffer_[kCapacity];
    std::size_t size_ = 0;
};

}  // namespace records
