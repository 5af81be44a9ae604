#pragma once
// VESPERAN's output records. XY_MAP.DAT: identifier 1-9 (right-aligned),
// northing 11-22, easting 24-35. LL_GHOST.DAT and UTM_GHST.DAT are GHOST
// records (common/ghost_records.h).
#include <string>

namespace vesperan {

std::string formatXyMapRecord(const std::string& identifier, double northing, double easting);
void appendXyMapRecord(std::string& line, const std::string& identifier, double northing,
                       double easting);

}  // namespace vesperan
