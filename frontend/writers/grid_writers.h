#pragma once
// Writers of the console programs' input from a grid (East, North) input
// text file. Each reads run.inputFile and writes "INPUT.DAT"; true on
// success.

#include "input/run_context.h"

namespace kartovex {

// ORVANDEL, binDir + "INPUT.DAT".
bool IntoTransform_EN(RunContext& ctx);
// QUILLON27, workDir + "INPUT.DAT".
bool IntoQuillon27_EN(RunContext& ctx);
// VESPERAN, workDir + "INPUT.DAT".
bool IntoVesperan_EN(RunContext& ctx);

}  // namespace kartovex
