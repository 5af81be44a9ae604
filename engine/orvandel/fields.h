#pragma once
// Fw.d and Iw output fields for the per-station records. Same text as
// records::formatFixed / formatInt (a test holds them equal), without the
// printf round trip that dominated large runs.
#include <string>
#include <string_view>

namespace orvandel {

std::string fixedField(double value, int width, int decimals);
std::string intField(long long value, int width);

// The same fields written as exactly `width` characters at `out`.
void putFixed(char* out, double value, int width, int decimals);
void putInt(char* out, long long value, int width);

// A fixed-column output line built left to right in one buffer.
class LineBuilder {
public:
    LineBuilder() { line_.reserve(136); }

    // The next text starts at `column` (1-based): blanks up to it, or the
    // line cut back to it.
    LineBuilder& at(int column) {
        line_.resize(static_cast<std::size_t>(column > 1 ? column - 1 : 0), ' ');
        return *this;
    }
    LineBuilder& text(std::string_view s) {
        line_.append(s);
        return *this;
    }
    // Aw: right-aligned when shorter than the width, the leftmost w characters when longer.
    LineBuilder& textField(std::string_view s, int width) {
        const auto w = static_cast<std::size_t>(width > 0 ? width : 0);
        if (s.size() >= w) return text(s.substr(0, w));
        line_.append(w - s.size(), ' ');
        return text(s);
    }
    LineBuilder& fixed(double value, int width, int decimals) {
        const std::size_t old = grow(width);
        putFixed(line_.data() + old, value, width, decimals);
        return *this;
    }
    LineBuilder& integer(long long value, int width) {
        const std::size_t old = grow(width);
        putInt(line_.data() + old, value, width);
        return *this;
    }
    std::string str() const { return line_; }

private:
    std::size_t grow(int width) {
        const std::size_t old = line_.size();
        line_.resize(old + static_cast<std::size_t>(width > 0 ? width : 0));
        return old;
    }
    std::string line_;
};

}  // namespace orvandel
