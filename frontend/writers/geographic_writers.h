#pragma once
// Writers of the console programs' input from a geographic (Lat, Long)
// input text file. Each reads run.inputFile and writes "INPUT.DAT".

#include "input/run_context.h"

namespace kartovex {

// ORVANDEL, binDir + "INPUT.DAT".
bool intoTransform_LL(RunContext& ctx);
// QUILLON27, workDir + "INPUT.DAT".
bool IntoQuillon27_LL(RunContext& ctx);
// VESPERAN, workDir + "INPUT.DAT"; Nova Scotia records carry the central
// meridian.
bool IntoVesperan_LL(RunContext& ctx);
// LUMBRIX, workDir + "INPUT.DAT".
bool IntoLumbrix_LL(RunContext& ctx);

}  // namespace kartovex
