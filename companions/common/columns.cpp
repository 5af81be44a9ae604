#include "common/columns.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "common/companion_error.h"
#include "common/number_text.h"

namespace companion {

std::string_view field(std::string_view line, std::size_t first, std::size_t last) {
  if (first < 1 || last < first || first > line.size()) return {};
  return line.substr(first - 1, last - first + 1);
}

std::string_view fieldFrom(std::string_view line, std::size_t first) {
  if (first < 1 || first > line.size()) return {};
  return line.substr(first - 1);
}

std::string trimmed(std::string_view text) {
  constexpr std::string_view blanks = " \t\r\n";
  const auto begin = text.find_first_not_of(blanks);
  if (begin == std::string_view::npos) return {};
  const auto end = text.find_last_not_of(blanks);
  return std::string(text.substr(begin, end - begin + 1));
}

namespace {

[[noreturn]] void tooWide(std::string_view text, std::size_t width) {
  throw CompanionError("\"" + std::string(text) + "\" is wider than its " + std::to_string(width) +
                       "-column field");
}

}  // namespace

void appendLeftAligned(std::string& line, std::string_view text, std::size_t width) {
  if (text.size() > width) tooWide(text, width);
  line.append(text);
  line.append(width - text.size(), ' ');
}

void appendRightAligned(std::string& line, std::string_view text, std::size_t width) {
  if (text.size() > width) tooWide(text, width);
  line.append(width - text.size(), ' ');
  line.append(text);
}

std::string leftAligned(std::string_view text, std::size_t width) {
  std::string line;
  appendLeftAligned(line, text, width);
  return line;
}

std::string rightAligned(std::string_view text, std::size_t width) {
  std::string line;
  appendRightAligned(line, text, width);
  return line;
}

void padTo(std::string& line, std::size_t column) {
  if (line.size() > column) {
    throw CompanionError("record is already longer than " + std::to_string(column) + " columns");
  }
  line.append(column - line.size(), ' ');
}

namespace {

// printf's "%.*f" text, without the minus sign of a value that rounds to 0.
std::size_t unsignedZeroText(char* out, double value, int decimals) {
  std::size_t n = fixedText(out, value, decimals);
  if (n > 0 && out[0] == '-' &&
      std::string_view(out, n).find_first_not_of("-0.") == std::string_view::npos) {
    std::memmove(out, out + 1, --n);
  }
  return n;
}

std::string_view withoutBlanks(std::string_view text) {
  constexpr std::string_view blanks = " \t\r\n";
  const auto begin = text.find_first_not_of(blanks);
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

// The first way of reading a real, kept for every text the quick way does
// not settle.
bool parseRealByStrtod(const std::string& t, double& value) {
  char* end = nullptr;
  errno = 0;
  const double v = std::strtod(t.c_str(), &end);
  if (end != t.c_str() + t.size() || errno == ERANGE || !std::isfinite(v)) return false;
  value = v;
  return true;
}

}  // namespace

std::string fixedDecimals(double value, int decimals) {
  char text[kFixedTextRoom];
  const std::size_t n = unsignedZeroText(text, value, decimals);
  if (n >= 64) throw CompanionError("number out of range");
  return std::string(text, n);
}

void appendFitted(std::string& line, double value, std::size_t width, int maxDecimals,
                  int minDecimals) {
  if (!std::isfinite(value) || std::fabs(value) > 1e15) {
    throw CompanionError("number out of range");
  }
  char text[kFixedTextRoom];
  for (int decimals = maxDecimals; decimals >= minDecimals; --decimals) {
    const std::size_t n = unsignedZeroText(text, value, decimals);
    if (n <= width) {
      line.append(width - n, ' ');
      line.append(text, n);
      return;
    }
  }
  throw CompanionError(fixedDecimals(value, minDecimals) + " does not fit its " +
                       std::to_string(width) + "-column field");
}

std::string fittedFixed(double value, std::size_t width, int maxDecimals, int minDecimals) {
  std::string text;
  appendFitted(text, value, width, maxDecimals, minDecimals);
  return text;
}

bool parseReal(std::string_view text, double& value) {
  const std::string_view t = withoutBlanks(text);
  if (t.empty() || t.size() > 40) return false;
  for (char c : t) {
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) {
      return false;
    }
  }
  // from_chars rounds as strtod does; what it leaves open (a "+", a result
  // that is zero or below the normal range, anything it refuses) goes the
  // strtod way.
  const char* first = t.data();
  const char* last = t.data() + t.size();
  if (*first == '+') ++first;
  if (first != last && *first != '+' && (first == t.data() || *first != '-')) {
    double v = 0.0;
    const auto r = std::from_chars(first, last, v);
    if (r.ec == std::errc() && r.ptr == last && std::isnormal(v)) {
      value = v;
      return true;
    }
  }
  return parseRealByStrtod(std::string(t), value);
}

bool parseInt(std::string_view text, int& value) {
  const std::string_view t = withoutBlanks(text);
  if (t.empty() || t.size() > 9) return false;
  std::size_t i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
  if (i == t.size()) return false;
  int v = 0;
  for (std::size_t k = i; k < t.size(); ++k) {
    if (t[k] < '0' || t[k] > '9') return false;
    v = v * 10 + (t[k] - '0');
  }
  value = t[0] == '-' ? -v : v;
  return true;
}

}  // namespace companion
