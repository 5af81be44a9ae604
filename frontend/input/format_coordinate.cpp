#include "input/format_coordinate.h"

#include <charconv>
#include <cstddef>

namespace kartovex {

namespace {

// The parts of a decimal number text: sign, integer digits, fraction digits.
struct DecimalParts {
  bool negative = false;
  std::string integer;
  std::string fraction;
};

std::optional<DecimalParts> SplitDecimal(const std::string& text, const std::string& separator) {
  if (separator.size() != 1) return std::nullopt;
  const char mark = separator[0];
  std::size_t begin = text.find_first_not_of(' ');
  if (begin == std::string::npos) return std::nullopt;
  std::size_t end = text.find_last_not_of(' ') + 1;
  DecimalParts parts;
  std::size_t i = begin;
  if (text[i] == '+' || text[i] == '-') {
    parts.negative = text[i] == '-';
    ++i;
  }
  bool seenMark = false;
  for (; i < end; ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      (seenMark ? parts.fraction : parts.integer) += c;
    } else if (c == mark && !seenMark) {
      seenMark = true;
    } else {
      return std::nullopt;
    }
  }
  if (parts.integer.empty() && parts.fraction.empty()) return std::nullopt;
  return parts;
}

std::string Replaced(std::string text, char from, char to) {
  for (char& c : text) {
    if (c == from) c = to;
  }
  return text;
}

}  // namespace

std::optional<double> ParseDecimal(const std::string& text, const std::string& separator) {
  auto parts = SplitDecimal(text, separator);
  if (!parts) return std::nullopt;
  std::string plain = (parts->integer.empty() ? "0" : parts->integer) + "." +
                      (parts->fraction.empty() ? "0" : parts->fraction);
  double value = 0.0;
  auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (result.ec != std::errc()) return std::nullopt;
  return parts->negative ? -value : value;
}

std::optional<double> ToNumber(const std::string& text, const std::string& decimalSeparator) {
  if (decimalSeparator == ",") return ParseDecimal(Replaced(text, '.', ','), ",");
  return ParseDecimal(text, ".");
}

std::optional<std::string> FormatThreeDecimals(const std::string& text,
                                               const std::string& separator) {
  auto parts = SplitDecimal(text, separator);
  if (!parts) return std::nullopt;
  // Rounded on the decimal digits themselves, so what the user typed is what
  // gets rounded.
  std::string digits = parts->integer;
  std::string fraction = parts->fraction;
  bool roundUp = fraction.size() > 3 && fraction[3] >= '5';
  fraction.resize(3, '0');
  std::string all = digits + fraction;
  if (roundUp) {
    std::size_t i = all.size();
    while (i > 0) {
      --i;
      if (all[i] == '9') {
        all[i] = '0';
      } else {
        ++all[i];
        break;
      }
      if (i == 0) all.insert(all.begin(), '1');
    }
  }
  std::string integer = all.substr(0, all.size() - 3);
  std::string decimals = all.substr(all.size() - 3);
  std::size_t firstNonZero = integer.find_first_not_of('0');
  integer = firstNonZero == std::string::npos ? std::string() : integer.substr(firstNonZero);
  bool zero = integer.empty() && decimals == "000";
  return std::string(parts->negative && !zero ? "-" : "") + integer + "." + decimals;
}

std::optional<std::string> FormatCoordinate(const std::string& text,
                                            const std::string& decimalSeparator) {
  if (decimalSeparator == ",") {
    std::string result;
    std::size_t comma = text.find(',');
    if (comma == std::string::npos) {
      result = text + ".000";
    } else if (text.size() - comma - 1 > 3) {
      if (!ToNumber(text, ",")) return std::nullopt;
      auto formatted = FormatThreeDecimals(Replaced(text, '.', ','), ",");
      if (!formatted) return std::nullopt;
      result = *formatted;
    } else {
      result = text;
    }
    std::size_t first = result.find(',');
    if (first != std::string::npos) result[first] = '.';
    return result;
  }
  std::string t = text;
  std::size_t comma = t.find(',');
  if (comma != std::string::npos && t.find('.') == std::string::npos) t[comma] = '.';
  std::size_t point = t.find('.');
  if (point == std::string::npos) return t + ".000";
  if (t.size() - point - 1 > 3) return FormatThreeDecimals(t, ".");
  return t;
}

}  // namespace kartovex
