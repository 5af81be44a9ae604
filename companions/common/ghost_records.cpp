#include "common/ghost_records.h"

#include <charconv>

#include "common/angles.h"
#include "common/columns.h"
#include "common/number_text.h"

namespace companion {

namespace {

// "%02d" of the value, right-aligned in its field.
void appendTwoDigits(std::string& line, int value, std::size_t width) {
  std::string digits;
  appendInt(digits, value, 2, true);
  appendRightAligned(line, digits, width);
}

// "%09.6f" of the seconds in a nine-column field.
void appendSeconds9(std::string& line, double seconds) {
  std::string text;
  appendFixed(text, seconds, 9, 6, true);
  appendRightAligned(line, text, 9);
}

}  // namespace

void appendGhostGeographic(std::string& line, const GhostGeographic& point) {
  const Dms lat = toDms(point.latitude, 6);
  const Dms lon = toDms(point.longitudeWest, 6);
  const std::size_t start = line.size();
  line += " 04   ";
  appendRightAligned(line, point.identifier, 9);
  padTo(line, start + 39);
  line += 'N';
  appendTwoDigits(line, lat.degrees, 2);
  appendTwoDigits(line, lat.minutes, 3);
  appendSeconds9(line, lat.seconds);
  line += 'W';
  appendTwoDigits(line, lon.degrees, 3);
  appendTwoDigits(line, lon.minutes, 3);
  appendSeconds9(line, lon.seconds);
  appendFitted(line, point.elevation, 9, 3);
}

std::string formatGhostGeographic(const GhostGeographic& point) {
  std::string line;
  appendGhostGeographic(line, point);
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

void appendGhostUtm(std::string& line, const GhostUtm& point) {
  const std::size_t start = line.size();
  line += " 04   ";
  appendRightAligned(line, point.identifier, 9);
  padTo(line, start + 50);
  char zone[16];
  const auto zoneEnd = std::to_chars(zone, zone + sizeof zone, point.zone).ptr;
  appendRightAligned(line, std::string_view(zone, static_cast<std::size_t>(zoneEnd - zone)), 2);
  padTo(line, start + 57);
  appendFitted(line, point.x, 11, 3);
  line += ' ';
  appendFitted(line, point.y, 11, 3);
}

std::string formatGhostUtm(const GhostUtm& point) {
  std::string line;
  appendGhostUtm(line, point);
  return line;
}

}  // namespace companion
