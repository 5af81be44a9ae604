#pragma once
// The output stage: pairs TEMP2.DAT with TEMP5.DAT and writes the result
// table (report and screen), TRN_CORD.DAT and TRN_GHST.DAT.
#include "common/run_context.h"

namespace orvandel {

// Returns the number of table lines (transformed and not transformed).
long long runOutputStage(const RunContext& context);

}  // namespace orvandel
