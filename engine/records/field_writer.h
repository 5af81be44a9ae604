#pragma once
// Writing fields the way formatted output does: numbers right-aligned in
// their width, a number that does not fit written as w asterisks.
#include <string>
#include <string_view>

namespace records {

// Iw.
std::string formatInt(long long value, int width);

// Fw.d. Rounding and the sign of values that round to zero follow printf
// ("%.2f" of -0.001 is "-0.00"); a magnitude below 1 drops its leading 0
// only when that is what makes it fit.
std::string formatFixed(double value, int width, int decimals);

// Ew.d (letter 'E') or Dw.d (letter 'D'): [-]0.ddddE+xx; exponents beyond
// two digits take the exponent letter's place.
std::string formatExponent(double value, int width, int decimals, char letter = 'E');

// Aw: right-aligned when shorter than the width, the leftmost w characters
// when longer.
std::string formatText(std::string_view text, int width);

}  // namespace records
