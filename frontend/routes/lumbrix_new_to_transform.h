#pragma once
// LUMBRIX's .NEW file turned into ORVANDEL's geographic input ("INPUT2.DAT"
// of the NAD83 (CSRS) to NAD27 routes).

#include <string>

#include "input/run_context.h"

namespace kartovex {

// Reads the .NEW columns (identifier 7-15, latitude 41-42, 44-45, 47-54,
// longitude 57-58, 60-61, 63-70) and writes the intoTransform_LL layout.
// True on success; the reformatting error message otherwise.
bool LumbrixNew2Transform(RunContext& ctx, const std::string& newPath,
                          const std::string& outputPath);

}  // namespace kartovex
