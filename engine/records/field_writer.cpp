#include "records/field_writer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace records {

namespace {

std::string stars(int width) { return std::string(static_cast<std::size_t>(width > 0 ? width : 0), '*'); }

std::string rightAligned(const std::string& s, int width) {
    if (width <= 0) return {};
    if (static_cast<int>(s.size()) > width) return stars(width);
    return std::string(static_cast<std::size_t>(width) - s.size(), ' ') + s;
}

// Drops the "0" of "0.xxx" / "-0.xxx" when it is the one character too many.
std::string fitLeadingZero(std::string s, int width) {
    if (static_cast<int>(s.size()) == width + 1) {
        const std::size_t zero = (s[0] == '-' || s[0] == '+') ? 1 : 0;
        if (s.size() > zero + 1 && s[zero] == '0' && s[zero + 1] == '.') s.erase(zero, 1);
    }
    return s;
}

}  // namespace

std::string formatInt(long long value, int width) {
    return rightAligned(std::to_string(value), width);
}

std::string formatFixed(double value, int width, int decimals) {
    if (width <= 0) return {};
    if (!std::isfinite(value)) {
        if (std::isnan(value)) return rightAligned("NaN", width);
        const std::string sign = value < 0 ? "-" : "";
        const std::string longForm = sign + "Infinity";
        return rightAligned(static_cast<int>(longForm.size()) <= width ? longForm : sign + "Inf", width);
    }
    if (decimals < 0) decimals = 0;
    // Values or decimals this large cannot fit any record's width.
    if (std::fabs(value) >= 1e300 || decimals > 100 || decimals >= width) return stars(width);
    char buf[512];
    std::snprintf(buf, sizeof buf, "%#.*f", decimals, value);
    const std::string s(buf);
    return rightAligned(fitLeadingZero(s, width), width);
}

std::string formatExponent(double value, int width, int decimals, char letter) {
    if (width <= 0) return {};
    if (!std::isfinite(value)) return formatFixed(value, width, decimals);
    if (decimals < 1) decimals = 1;
    std::string sign = std::signbit(value) ? "-" : "";
    std::string digits;
    int exponent = 0;
    if (value != 0.0) {
        // d significant digits, correctly rounded, then shifted to 0.ddd form.
        char buf[64];
        const int d = decimals > 40 ? 40 : decimals;
        std::snprintf(buf, sizeof buf, "%.*e", d - 1, std::fabs(value));
        const std::string t(buf);
        const std::size_t e = t.find('e');
        digits = t.substr(0, 1) + (d > 1 ? t.substr(2, e - 2) : std::string());
        exponent = std::atoi(t.c_str() + e + 1) + 1;
        digits.resize(static_cast<std::size_t>(decimals), '0');
    } else {
        digits.assign(static_cast<std::size_t>(decimals), '0');
    }
    std::string exp;
    const int a = std::abs(exponent);
    if (a <= 99) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%c%c%02d", letter, exponent < 0 ? '-' : '+', a);
        exp = buf;
    } else if (a <= 999) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%c%03d", exponent < 0 ? '-' : '+', a);
        exp = buf;
    } else {
        return stars(width);
    }
    return rightAligned(fitLeadingZero(sign + "0." + digits + exp, width), width);
}

std::string formatText(std::string_view text, int width) {
    if (width <= 0) return {};
    const auto w = static_cast<std::size_t>(width);
    if (text.size() >= w) return std::string(text.substr(0, w));
    return std::string(w - text.size(), ' ') + std::string(text);
}

}  // namespace records
