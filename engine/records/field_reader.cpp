#include "records/field_reader.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace records {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void checkColumns(int first, int last) {
    if (first < 1 || last < first) {
        throw std::invalid_argument("bad field columns " + std::to_string(first) + "-" + std::to_string(last));
    }
}

// The field with blanks removed; blanks carry no meaning inside a number.
std::string packed(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != ' ' && c != '\t') out += c;
    }
    return out;
}

[[noreturn]] void fail(const std::string& text, int first, int last) { throw InputConversionError(text, first, last); }

}  // namespace

namespace {

// A line end left by a file written on another system is not data.
std::string_view withoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    return line;
}

}  // namespace

std::string readText(std::string_view line, int first, int last) {
    std::string out;
    readTextInto(out, line, first, last);
    return out;
}

void readTextInto(std::string& out, std::string_view line, int first, int last) {
    checkColumns(first, last);
    line = withoutLineEnd(line);
    const auto width = static_cast<std::size_t>(last - first + 1);
    const auto start = static_cast<std::size_t>(first - 1);
    const std::size_t n = start < line.size() ? std::min(width, line.size() - start) : 0;
    if (n != 0) {
        out.assign(line.data() + start, n);
    } else {
        out.clear();
    }
    out.append(width - n, ' ');
}

char readCharacter(std::string_view line, int first, int last) {
    checkColumns(first, last);
    line = withoutLineEnd(line);
    const auto start = static_cast<std::size_t>(first - 1);
    return start < line.size() ? line[start] : ' ';
}

int readInt(std::string_view line, int first, int last) {
    const std::string text = readText(line, first, last);
    const std::string s = packed(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    long long value = 0;
    for (; i < s.size(); ++i) {
        if (!isDigit(s[i])) fail(text, first, last);
        value = value * 10 + (s[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) fail(text, first, last);
    }
    if (negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) fail(text, first, last);
    return static_cast<int>(value);
}

namespace {

// The field rewritten as a C number ("-123.4e-2"), or "" for a zero field.
std::string normalisedReal(const std::string& text, int first, int last, int decimals) {
    const std::string s = packed(text);
    if (s.empty()) return {};

    std::size_t i = 0;
    std::string number;
    if (s[i] == '+' || s[i] == '-') number += s[i++];
    bool point = false;
    int digits = 0;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            number += s[i];
            ++digits;
        } else if (s[i] == '.' && !point) {
            number += '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0 && !(i == s.size() && number.size() <= 1 && !point)) {
        fail(text, first, last);
    }

    long long exponent = 0;
    if (i < s.size()) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(s[i])));
        if (c == 'E' || c == 'D' || c == 'Q') {
            ++i;
        } else if (c != '+' && c != '-') {
            fail(text, first, last);
        }
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativeExponent = s[i++] == '-';
        if (i == s.size()) fail(text, first, last);
        for (; i < s.size(); ++i) {
            if (!isDigit(s[i])) fail(text, first, last);
            if (exponent < 100000) exponent = exponent * 10 + (s[i] - '0');
        }
        if (negativeExponent) exponent = -exponent;
    }
    if (digits == 0) return {};  // a lone sign reads as zero
    if (!point) exponent -= decimals;

    number += 'e';
    number += std::to_string(exponent);
    return number;
}

}  // namespace

double readReal(std::string_view line, int first, int last, int decimals) {
    const std::string text = readText(line, first, last);
    const std::string number = normalisedReal(text, first, last, decimals);
    if (number.empty()) return 0.0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value)) fail(text, first, last);
    return value;
}

// Converted straight to single precision: rounding through double first
// could differ in the last bit from a direct read.
float readSingle(std::string_view line, int first, int last, int decimals) {
    const std::string text = readText(line, first, last);
    const std::string number = normalisedReal(text, first, last, decimals);
    if (number.empty()) return 0.0F;
    const float value = std::strtof(number.c_str(), nullptr);
    if (!std::isfinite(value)) fail(text, first, last);
    return value;
}

}  // namespace records
