#pragma once
// The station input stage: writes TEMP1.DAT, TEMP2.DAT and the input
// listing of ORVANDEL.OUT.
#include "common/run_context.h"
#include "dialogue/run_options.h"

namespace orvandel {

// Coordinate type 1. Returns the number of stations processed.
long long runGeographicInput(const RunContext& context, const RunOptions& options);

// Coordinate types 2 to 4; may set the zone (Nova Scotia ATS77 input) and
// keeps the central meridian.
long long runGridInput(const RunContext& context, RunOptions& options);

}  // namespace orvandel
