#include "common/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "records/field_writer.h"

namespace companion {

std::size_t fixedText(char* out, double value, int decimals) {
  if (std::isfinite(value) && std::fabs(value) < 1e15 && decimals >= 0 && decimals <= 15) {
    // Wide enough for any such number: the writer never has to squeeze it.
    constexpr int kWide = 40;
    char field[kWide];
    records::putFixed(field, value, kWide, decimals);
    int first = 0;
    while (first < kWide && field[first] == ' ') ++first;
    const int last = decimals == 0 ? kWide - 1 : kWide;  // "%.0f" has no point
    const auto n = static_cast<std::size_t>(last - first);
    std::memcpy(out, field + first, n);
    return n;
  }
  const int n = std::snprintf(out, kFixedTextRoom, "%.*f", decimals, value);
  if (n < 0) return 0;
  return static_cast<std::size_t>(n) < kFixedTextRoom ? static_cast<std::size_t>(n)
                                                      : kFixedTextRoom - 1;
}

namespace {

void appendPadded(std::string& line, const char* text, std::size_t n, int width, bool zeroPad) {
  const auto w = static_cast<std::size_t>(width > 0 ? width : 0);
  if (n >= w) {
    line.append(text, n);
  } else if (zeroPad) {
    // Zeros go between the sign and the digits.
    const std::size_t sign = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    line.append(text, sign);
    line.append(w - n, '0');
    line.append(text + sign, n - sign);
  } else {
    line.append(w - n, ' ');
    line.append(text, n);
  }
}

}  // namespace

void appendFixed(std::string& line, double value, int width, int decimals, bool zeroPad) {
  char text[kFixedTextRoom];
  const std::size_t n = fixedText(text, value, decimals);
  // printf pads infinities and not-a-number with blanks, never zeros.
  appendPadded(line, text, n, width, zeroPad && std::isfinite(value));
}

void appendInt(std::string& line, long long value, int width, bool zeroPad) {
  char text[24];
  const auto r = std::to_chars(text, text + sizeof text, value);
  appendPadded(line, text, static_cast<std::size_t>(r.ptr - text), width, zeroPad);
}

}  // namespace companion
