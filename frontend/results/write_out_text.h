#pragma once
// Reading the last console program's output into the user's data text file
// (run.dataFile).

#include <string>

#include "input/run_context.h"

namespace kartovex {

// mode: "XY_MAP", "UTM_GHOST", "LL_GHOST", "NEW_FILE" or "NOUVEAU_FICHIER",
// "QUILLON27_LL", "QUILLON27_EN", "QUILLON27_XY", "TRANSFORM_LL",
// "TRANSFORM_EN" or "TRANSFORM_XY". True when the data text file was
// written; false after a read problem or a run-time error (an unknown mode
// is one).
bool WriteOutText(RunContext& ctx, const std::string& mode);

// ORVANDEL's to-NAD27 table of binDir + "orvandel.out" as UTM points.
bool WriteOutTextTRANSFORM_XY(RunContext& ctx);

}  // namespace kartovex
