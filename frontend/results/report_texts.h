#pragma once
// The texts of the report header and section headings.

#include <string>

#include "core/settings.h"
#include "input/run_state.h"

namespace kartovex {

std::string ReportDatumText(Datum datum);

// The coordinate form as the report names it; on the from side a Nova
// Scotia grid carries its MTM zone.
std::string ReportFormText(CoordForm form, bool fromSide, const FrontEndSettings& settings);

// "*    Transformation: " from datum, form " -> " to datum " -> " to form.
std::string TransformationLine(const RunState& run, const FrontEndSettings& settings);

// Units of a grid section: true for feet.
bool InputInFeet(const RunState& run);
bool OutputInFeet(const RunState& run);

// The column heading of a section.
std::string ColumnHeading(CoordForm form, bool northFirst, bool feet, bool outputSection,
                          bool french);

}  // namespace kartovex
