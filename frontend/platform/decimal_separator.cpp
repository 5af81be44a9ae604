#include "platform/decimal_separator.h"

#include <langinfo.h>
#include <locale.h>

namespace kartovex {

namespace {
std::optional<std::string>& overrideValue() {
  static std::optional<std::string> value;
  return value;
}
}  // namespace

void SetDecimalSeparatorOverride(std::optional<std::string> separator) {
  overrideValue() = std::move(separator);
}

std::string DecimalSeparator() {
  if (overrideValue()) return *overrideValue();
  // A separate locale object: the process's own locale stays as it is.
  locale_t loc = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) return ".";
  const char* radix = ::nl_langinfo_l(RADIXCHAR, loc);
  std::string result = (radix && *radix) ? std::string(radix) : std::string(".");
  ::freelocale(loc);
  return result;
}

}  // namespace kartovex
