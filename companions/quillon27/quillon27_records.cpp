#include "quillon27/quillon27_records.h"

#include "common/angles.h"
#include "common/columns.h"

namespace quillon27 {

using companion::field;
using companion::fieldFrom;
using companion::trimmed;

std::optional<PlaneRecord> parsePlaneRecord(std::string_view line) {
  PlaneRecord record;
  record.identifier = trimmed(field(line, 1, 8));
  if (record.identifier.empty()) return std::nullopt;
  if (!companion::parseReal(field(line, 9, 20), record.easting) ||
      !companion::parseReal(fieldFrom(line, 21), record.northing)) {
    return std::nullopt;
  }
  return record;
}

std::optional<GeographicRecord> parseGeographicRecord(std::string_view line) {
  GeographicRecord record;
  if (!companion::parseDms(field(line, 1, 2), field(line, 3, 4), field(line, 5, 12),
                           record.latitude) ||
      !companion::parseDms(field(line, 13, 14), field(line, 15, 16), field(line, 17, 24),
                           record.longitudeWest)) {
    return std::nullopt;
  }
  record.identifier = trimmed(fieldFrom(line, 25));
  if (record.identifier.empty() || record.identifier.size() > 8) return std::nullopt;
  return record;
}

}  // namespace quillon27
