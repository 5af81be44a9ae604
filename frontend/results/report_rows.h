#pragma once
// The rows of the report: a source line with its delimiters replaced by
// blanks so that every field starts in its column.

#include <optional>
#include <string>

#include "core/settings.h"
#include "input/run_state.h"

namespace kartovex {

// Grid and UTM rows. Fields start in columns 12, 29 and (UTM) 46; the extra
// text, when shown, in extraColumn. std::nullopt when a blank-delimited grid
// line leaves no marker character to stand for its delimiters.
std::optional<std::string> DelimitedRow(const std::string& line, CoordForm form,
                                        std::size_t extraColumn, const FrontEndSettings& settings);

// Geographic rows: identifier in 11, latitude and longitude each in 17, then
// the extra text when shown.
std::string GeographicRow(const std::string& line, const FrontEndSettings& settings);

// Column of the extra text of a section.
std::size_t ExtraTextColumn(CoordForm form, bool outputSection);

}  // namespace kartovex
