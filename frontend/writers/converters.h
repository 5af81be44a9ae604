#pragma once
// Converters inside a chain: one console program's output turned into the
// next program's input. True on success.

#include <string>

#include "input/run_context.h"

namespace kartovex {

// ORVANDEL's GHOST output (Trn_ghst.dat) to the LUMBRIX layout.
bool Orvandel2Lumbrix(RunContext& ctx, const std::string& inputPath, const std::string& outputPath);

// QUILLON27's listing binDir + "QUILLON27.OUT" to workDir + "INPUT1.DAT" in
// the LUMBRIX layout.
bool QUILLON27toLUMBRIX(RunContext& ctx);

// VESPERAN's map output (XY_MAP.DAT) to ORVANDEL's grid layout.
bool Vesperan2TransformErr(RunContext& ctx, const std::string& inputPath,
                           const std::string& outputPath);

// Leading lines of QUILLON27.OUT before the first point: 5 for New
// Brunswick, 4 for Nova Scotia and Prince Edward Island.
int Quillon27HeaderLines(const ProvinceSetting& province);
// The start-column shift of QUILLON27.OUT's point columns: 0 for Prince
// Edward Island, 1 for the other provinces.
std::size_t Quillon27ColumnShift(const ProvinceSetting& province);

}  // namespace kartovex
