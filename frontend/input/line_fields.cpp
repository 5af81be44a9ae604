#include "input/line_fields.h"

namespace kartovex {

FieldCursor::FieldCursor(const std::string& line, const std::string& delimiter)
    : line_(line), delimiter_(delimiter) {}

bool FieldCursor::Take(std::string& field) {
  std::size_t found = line_.find(delimiter_, pos_);
  if (found == std::string::npos) return false;
  field.assign(line_, pos_, found - pos_);
  pos_ = found + delimiter_.size();
  return true;
}

void FieldCursor::TakeLast(bool extraText, std::string& field, std::string& extra) {
  extra.clear();
  std::size_t found = line_.find(delimiter_, pos_);
  if (found == std::string::npos) {
    field.assign(line_, pos_, std::string::npos);
  } else {
    field.assign(line_, pos_, found - pos_);
    if (extraText) extra.assign(line_, found + delimiter_.size(), std::string::npos);
  }
  pos_ = line_.size();
}

namespace {

// The two coordinates of a grid or UTM line in the order of fieldOrder.
bool TakeCoordinatePair(FieldCursor& cursor, const FrontEndSettings& settings, bool lastIsSecond,
                        std::string& east, std::string& north, std::string& extra) {
  std::string first;
  std::string second;
  if (!cursor.Take(first)) return false;
  if (lastIsSecond) {
    cursor.TakeLast(settings.extraText, second, extra);
  } else if (!cursor.Take(second)) {
    return false;
  }
  if (settings.fieldOrder == "NE") {
    north = first;
    east = second;
  } else {
    east = first;
    north = second;
  }
  return true;
}

}  // namespace

std::optional<GridFields> SplitGridLine(const std::string& line, const FrontEndSettings& settings) {
  FieldCursor cursor(line, settings.delimiter);
  GridFields f;
  if (!cursor.Take(f.id)) return std::nullopt;
  if (!TakeCoordinatePair(cursor, settings, true, f.east, f.north, f.extra)) return std::nullopt;
  return f;
}

std::optional<UtmFields> SplitUtmLine(const std::string& line, const FrontEndSettings& settings) {
  FieldCursor cursor(line, settings.delimiter);
  UtmFields f;
  if (!cursor.Take(f.id)) return std::nullopt;
  std::string unused;
  if (!TakeCoordinatePair(cursor, settings, false, f.x, f.y, unused)) return std::nullopt;
  cursor.TakeLast(settings.extraText, f.zone, f.extra);
  return f;
}

std::optional<GeoFields> SplitGeoLine(const std::string& line, const FrontEndSettings& settings) {
  FieldCursor cursor(line, settings.delimiter);
  GeoFields f;
  for (std::string* field : {&f.id, &f.latDeg, &f.latMin, &f.latSec, &f.lonDeg, &f.lonMin}) {
    if (!cursor.Take(*field)) return std::nullopt;
  }
  cursor.TakeLast(settings.extraText, f.lonSec, f.extra);
  return f;
}

}  // namespace kartovex
