#pragma once
// Fixed-column text records: cutting fields by 1-based inclusive columns and
// building lines whose fields start in given columns.
#include <cstddef>
#include <string>
#include <string_view>

namespace companion {

// Columns first..last (1-based, inclusive) of the line; the part beyond the
// end of the line is simply missing, so a short line gives a short field.
std::string_view field(std::string_view line, std::size_t first, std::size_t last);

// Columns from `first` to the end of the line.
std::string_view fieldFrom(std::string_view line, std::size_t first);

// Leading and trailing blanks (and tabs, CR) removed.
std::string trimmed(std::string_view text);

// The text followed (preceded) by blanks up to `width`; throws CompanionError
// when the text is wider than the field.
std::string leftAligned(std::string_view text, std::size_t width);
std::string rightAligned(std::string_view text, std::size_t width);
// The same appended to a record.
void appendLeftAligned(std::string& line, std::string_view text, std::size_t width);
void appendRightAligned(std::string& line, std::string_view text, std::size_t width);

// Appends blanks until the line is `column` characters long, so the next
// field starts in column + 1. Throws when the line is already longer.
void padTo(std::string& line, std::size_t column);

// The value with exactly `decimals` decimals and "." as decimal point.
std::string fixedDecimals(double value, int decimals);

// The value right-aligned in `width`, with as many decimals as fit, from
// `maxDecimals` down to `minDecimals`; throws when even that does not fit or
// the value is not finite.
std::string fittedFixed(double value, std::size_t width, int maxDecimals, int minDecimals = 0);
// The same appended to a record.
void appendFitted(std::string& line, double value, std::size_t width, int maxDecimals,
                  int minDecimals = 0);

// Numbers of a record or an answer: blanks around are allowed, nothing else.
bool parseReal(std::string_view text, double& value);
bool parseInt(std::string_view text, int& value);

}  // namespace companion
