#include "records/field_input.h"

#include <charconv>

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

}  // namespace

int detail::intInputOutOfLine(std::string_view line, int first, int last) {
    std::string_view f;
    int value = 0;
    if (plainField(line, first, last, false, f) &&
        std::from_chars(f.data(), f.data() + f.size(), value).ec == std::errc())
        return value;
    return records::readInt(line, first, last);
}

double detail::realInputOutOfLine(std::string_view line, int first, int last, int decimals) {
    std::string_view f;
    double value = 0.0;
    if (plainField(line, first, last, true, f) &&
        std::from_chars(f.data(), f.data() + f.size(), value).ec == std::errc())
        return value;
    return records::readReal(line, first, last, decimals);
}

float detail::singleInputOutOfLine(std::string_view line, int first, int last, int decimals) {
    std::string_view f;
    float value = 0.0F;
    if (plainField(line, first, last, true, f) &&
        std::from_chars(f.data(), f.data() + f.size(), value).ec == std::errc())
        return value;
    return records::readSingle(line, first, last, decimals);
}

}  // namespace records
