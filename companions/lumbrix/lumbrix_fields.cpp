#include "lumbrix_fields.h"

#include <charconv>
#include <system_error>

namespace lumbrix {

std::string_view blanksRemoved(std::string_view text) {
  const auto b = text.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  return text.substr(b, text.find_last_not_of(' ') - b + 1);
}

std::string withoutOuterBlanks(std::string_view text) { return std::string(blanksRemoved(text)); }

bool integerField(std::string_view text, bool signAllowed, int maxDigits, bool& negative,
                  int& value) {
  std::string_view s = blanksRemoved(text);
  negative = false;
  if (signAllowed && !s.empty() && s[0] == '-') {
    negative = true;
    s.remove_prefix(1);
  }
  if (s.empty() || s.find_first_not_of("0123456789") != std::string_view::npos) return false;
  const auto first = s.find_first_not_of('0');
  const std::string_view significant =
      first == std::string_view::npos ? std::string_view("0") : s.substr(first);
  if (static_cast<int>(significant.size()) > maxDigits) return false;
  value = 0;
  for (char c : significant) value = value * 10 + (c - '0');
  return true;
}

bool secondsField(std::string_view text, double& value) {
  const std::string_view s = blanksRemoved(text);
  if (s.find_first_not_of("0123456789.") != std::string_view::npos) return false;
  if (s.find_first_of("0123456789") == std::string_view::npos) return false;
  if (s.find('.') != s.rfind('.')) return false;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size();
}

}  // namespace lumbrix
