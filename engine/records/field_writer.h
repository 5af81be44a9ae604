#pragma once
// Writing fields the way formatted output does: numbers right-aligned in
// their width, a number that does not fit written as w asterisks.
//
// Each edit descriptor comes in two forms: put*() writes exactly `width`
// characters at `out` (nothing for a width of 0 or less), format*() returns
// the same text as a string. The put forms never allocate; records are
// built with them straight into a line buffer (LineBuilder).
#include <cstddef>
#include <cstring>
#include <memory>
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

    friend class LineText;

    char buffer_[kCapacity];
    // Where a LineText has the line built in place, instead of buffer_.
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
        reserve(LineBuilder::kCapacity + 1);
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
