#pragma once
// Writers of the console programs' input from a UTM input text file. Each
// reads run.inputFile, writes "INPUT.DAT" and fills utmZone from the first
// point that finds it empty.

#include "input/run_context.h"

namespace kartovex {

// ORVANDEL, binDir + "INPUT.DAT"; every point must be in the run's zone.
bool IntoTransform_XY(RunContext& ctx);
// QUILLON27, workDir + "INPUT.DAT"; empties utmZone first.
bool IntoQuillon27_XY(RunContext& ctx);
// VESPERAN, workDir + "INPUT.DAT".
bool IntoVesperan_XY(RunContext& ctx);

}  // namespace kartovex
