#pragma once
// Saying which field of an input line is wrong: every message about a line
// of the input file ends with the line number, the field and its text.

#include <string>

#include "core/settings.h"
#include "messages/text.h"

namespace kartovex {

enum class LineLayout { Grid, Utm, Geographic };

struct LineProblem {
  int field = 0;  // 1-based; 0 when no single field is at fault
  Text name{"", ""};
  std::string text;      // the field's text as read
  bool missing = false;  // the line ends before the field
};

// The first field of line that the checks of its layout refuse (missing,
// too long or short, not a number, minutes or seconds of 60 or more).
LineProblem FindLineProblem(const std::string& line, LineLayout layout,
                            const FrontEndSettings& settings);

// "[line n]" or "[ligne n]".
std::string LineTag(long lineNumber, bool french);

// The field part: ` (field 2 "Easting": "abc")`, French
// ` (champ 2 « Est » : « abc »)`; for a field the line does not reach
// ` (field 3 "Northing": missing, delimiter ",")`. Empty without a field.
std::string FieldDetail(const LineProblem& problem, const std::string& delimiter, bool french);

// " [line n]" followed by the field part: what every input message appends.
std::string LineDetail(long lineNumber, const LineProblem& problem, const std::string& delimiter,
                       bool french);

// The detail of line in one call.
std::string DescribeLine(long lineNumber, const std::string& line, LineLayout layout,
                         const FrontEndSettings& settings, bool french);

}  // namespace kartovex
