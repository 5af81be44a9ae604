#pragma once
// The user's decimal separator, from LC_NUMERIC of the environment, read
// without switching the process into that locale.

#include <optional>
#include <string>

namespace kartovex {

std::string DecimalSeparator();

// Tests fix the separator; std::nullopt returns to the environment's.
void SetDecimalSeparatorOverride(std::optional<std::string> separator);

}  // namespace kartovex
