#pragma once
// The report file (run.reportFile): a header describing the conversion, the
// input points as the user typed them and the converted points.

#include "input/run_context.h"

namespace kartovex {

// True when the report was written.
bool WriteOutReport(RunContext& ctx);

}  // namespace kartovex
