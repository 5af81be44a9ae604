#pragma once
// Reading fixed-column records of the console programs' output files.

#include <cstddef>
#include <string>

namespace kartovex {

// Columns first to last (1-based, inclusive) of line; shorter, or empty,
// when the line ends before.
std::string Columns(const std::string& line, std::size_t first, std::size_t last);

// While the field holds a blank: a leading blank is dropped, a blank
// elsewhere cuts the field there.
std::string RemoveBlanks(const std::string& field);
// Leading and trailing blanks removed; inner blanks stay.
std::string TrimBlanks(const std::string& field);

// A fixed field that a reader cannot take: it holds a blank, or the line
// ended before the field was complete.
bool FieldUnreadable(const std::string& field, std::size_t width);

}  // namespace kartovex
