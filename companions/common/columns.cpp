#include "common/columns.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/companion_error.h"

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

std::string leftAligned(std::string_view text, std::size_t width) {
  if (text.size() > width) {
    throw CompanionError("\"" + std::string(text) + "\" is wider than its " +
                         std::to_string(width) + "-column field");
  }
  return std::string(text) + std::string(width - text.size(), ' ');
}

std::string rightAligned(std::string_view text, std::size_t width) {
  if (text.size() > width) {
    throw CompanionError("\"" + std::string(text) + "\" is wider than its " +
                         std::to_string(width) + "-column field");
  }
  return std::string(width - text.size(), ' ') + std::string(text);
}

void padTo(std::string& line, std::size_t column) {
  if (line.size() > column) {
    throw CompanionError("record is already longer than " + std::to_string(column) + " columns");
  }
  line.append(column - line.size(), ' ');
}

std::string fixedDecimals(double value, int decimals) {
  char buffer[64];
  const int n = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  if (n < 0 || n >= static_cast<int>(sizeof buffer)) {
    throw CompanionError("number out of range");
  }
  std::string text(buffer, static_cast<std::size_t>(n));
  // A value that rounds to zero is written without a minus sign.
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string fittedFixed(double value, std::size_t width, int maxDecimals, int minDecimals) {
  if (!std::isfinite(value) || std::fabs(value) > 1e15) {
    throw CompanionError("number out of range");
  }
  for (int decimals = maxDecimals; decimals >= minDecimals; --decimals) {
    std::string text = fixedDecimals(value, decimals);
    if (text.size() <= width) return std::string(width - text.size(), ' ') + text;
  }
  throw CompanionError(fixedDecimals(value, minDecimals) + " does not fit its " +
                       std::to_string(width) + "-column field");
}

bool parseReal(std::string_view text, double& value) {
  const std::string t = trimmed(text);
  if (t.empty() || t.size() > 40) return false;
  for (char c : t) {
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) {
      return false;
    }
  }
  char* end = nullptr;
  errno = 0;
  const double v = std::strtod(t.c_str(), &end);
  if (end != t.c_str() + t.size() || errno == ERANGE || !std::isfinite(v)) return false;
  value = v;
  return true;
}

bool parseInt(std::string_view text, int& value) {
  const std::string t = trimmed(text);
  if (t.empty() || t.size() > 9) return false;
  std::size_t i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
  if (i == t.size()) return false;
  for (std::size_t k = i; k < t.size(); ++k) {
    if (t[k] < '0' || t[k] > '9') return false;
  }
  value = std::atoi(t.c_str());
  return true;
}

}  // namespace companion
