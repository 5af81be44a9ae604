#pragma once
// Normalising one grid or UTM coordinate text and turning coordinate texts
// into numbers, with the user's decimal separator ("." or ",").

#include <optional>
#include <string>

namespace kartovex {

// A decimal number written with separator as its decimal mark (blanks around
// it allowed, an optional sign, no grouping, no exponent); std::nullopt when
// the text is not such a number.
std::optional<double> ParseDecimal(const std::string& text, const std::string& separator);

// A coordinate text with a "." decimal point as a number; the "." becomes ","
// first when the separator is ",". std::nullopt when the conversion fails.
std::optional<double> ToNumber(const std::string& text, const std::string& decimalSeparator);

// The number of text (written with separator) in the pattern "#######.000":
// no grouping, no leading zeros, three decimals rounded half away from zero,
// "." as decimal point. std::nullopt when text is not a number.
std::optional<std::string> FormatThreeDecimals(const std::string& text,
                                               const std::string& separator);

// The normalised text of a coordinate, "." as decimal point; std::nullopt
// when a number had to be converted and could not be.
std::optional<std::string> FormatCoordinate(const std::string& text,
                                            const std::string& decimalSeparator);

}  // namespace kartovex
