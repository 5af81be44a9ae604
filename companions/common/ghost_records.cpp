#include "common/ghost_records.h"

#include <cstdio>

#include "common/angles.h"
#include "common/columns.h"

namespace companion {

namespace {

std::string twoDigits(int value, std::size_t width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return rightAligned(buffer, width);
}

std::string seconds9(double seconds) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%09.6f", seconds);
  return rightAligned(buffer, 9);
}

}  // namespace

std::string formatGhostGeographic(const GhostGeographic& point) {
  const Dms lat = toDms(point.latitude, 6);
  const Dms lon = toDms(point.longitudeWest, 6);
  std::string line = " 04   " + rightAligned(point.identifier, 9);
  padTo(line, 39);
  line += "N";
  line += twoDigits(lat.degrees, 2);
  line += twoDigits(lat.minutes, 3);
  line += seconds9(lat.seconds);
  line += "W";
  line += twoDigits(lon.degrees, 3);
  line += twoDigits(lon.minutes, 3);
  line += seconds9(lon.seconds);
  line += fittedFixed(point.elevation, 9, 3);
  return line;
}

bool parseGhostGeographic(std::string_view line, GhostGeographic& point) {
  GhostGeographic parsed;
  parsed.identifier = trimmed(field(line, 7, 15));
  if (parsed.identifier.empty()) return false;
  if (!parseDms(field(line, 41, 42), field(line, 43, 45), field(line, 46, 54), parsed.latitude) ||
      !parseDms(field(line, 56, 58), field(line, 59, 61), field(line, 62, 70),
                parsed.longitudeWest)) {
    return false;
  }
  const std::string elevation = trimmed(field(line, 71, 79));
  if (!elevation.empty() && !parseReal(elevation, parsed.elevation)) return false;
  point = parsed;
  return true;
}

std::string formatGhostUtm(const GhostUtm& point) {
  std::string line = " 04   " + rightAligned(point.identifier, 9);
  padTo(line, 50);
  line += rightAligned(std::to_string(point.zone), 2);
  padTo(line, 57);
  line += fittedFixed(point.x, 11, 3);
  line += " ";
  line += fittedFixed(point.y, 11, 3);
  return line;
}

}  // namespace companion
