#pragma once
// GHOST coordinate records as VESPERAN writes them (LL_GHOST.DAT,
// UTM_GHST.DAT) and LUMBRIX reads them.
//
// Geographic record: 1-6 " 04   "; 7-15 identifier right-aligned; 40 "N";
// 41-42 latitude degrees; 43-45 minutes; 46-54 seconds (SS.SSSSSS); 55 "W";
// 56-58 longitude degrees (west); 59-61 minutes; 62-70 seconds; 71-79
// elevation (3 decimals).
//
// UTM record: 1-6 " 04   "; 7-15 identifier right-aligned; 51-52 zone;
// 58-68 X; 70-80 Y (3 decimals).
#include <string>
#include <string_view>

namespace companion {

struct GhostGeographic {
  std::string identifier;
  double latitude = 0.0;       // decimal degrees, north
  double longitudeWest = 0.0;  // decimal degrees, positive west
  double elevation = 0.0;
};

std::string formatGhostGeographic(const GhostGeographic& point);
// The record appended to `line`, whose columns count from where it starts.
void appendGhostGeographic(std::string& line, const GhostGeographic& point);

// Reads the columns above (the elevation may be missing); false when a field
// is not a number or out of range.
bool parseGhostGeographic(std::string_view line, GhostGeographic& point);

struct GhostUtm {
  std::string identifier;
  int zone = 0;
  double x = 0.0;
  double y = 0.0;
};

std::string formatGhostUtm(const GhostUtm& point);
void appendGhostUtm(std::string& line, const GhostUtm& point);

}  // namespace companion
