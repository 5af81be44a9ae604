#pragma once
// Reading fixed-column records of the console programs' output files.

#include <cstddef>
#include <string>
#include <string_view>

namespace kartovex {

// Columns first to last (1-based, inclusive) of line; shorter, or empty,
// when the line ends before.
std::string_view ColumnsView(std::string_view line, std::size_t first, std::size_t last);
inline std::string Columns(std::string_view line, std::size_t first, std::size_t last) {
  return std::string(ColumnsView(line, first, last));
}

// While the field holds a blank: a leading blank is dropped, a blank
// elsewhere cuts the field there.
std::string_view RemoveBlanksView(std::string_view field);
inline std::string RemoveBlanks(std::string_view field) {
  return std::string(RemoveBlanksView(field));
}
// Leading and trailing blanks removed; inner blanks stay.
std::string_view TrimBlanksView(std::string_view field);
inline std::string TrimBlanks(std::string_view field) { return std::string(TrimBlanksView(field)); }

// A fixed field that a reader cannot take: it holds a blank, or the line
// ended before the field was complete.
bool FieldUnreadable(std::string_view field, std::size_t width);

}  // namespace kartovex
