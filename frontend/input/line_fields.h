#pragma once
// Splitting one input line into its fields: a plain left-to-right search for
// the delimiter in the remaining text. Blanks around a field stay in it.

#include <optional>
#include <string>

#include "core/settings.h"

namespace kartovex {

class FieldCursor {
 public:
  // Both strings must outlive the cursor.
  FieldCursor(const std::string& line, const std::string& delimiter);

  // The text before the next delimiter; false (and nothing taken) when the
  // remaining text holds no delimiter.
  bool Take(std::string& field);

  // The last field of a layout. Without extra text the rest after a further
  // delimiter is dropped; with it, that rest is the extra text.
  void TakeLast(bool extraText, std::string& field, std::string& extra);

 private:
  const std::string& line_;
  const std::string& delimiter_;
  std::size_t pos_ = 0;
};

struct GridFields {
  std::string id;
  std::string east;
  std::string north;
  std::string extra;
};

struct UtmFields {
  std::string id;
  std::string x;
  std::string y;
  std::string zone;
  std::string extra;
};

struct GeoFields {
  std::string id;
  std::string latDeg, latMin, latSec;
  std::string lonDeg, lonMin, lonSec;
  std::string extra;
};

// The raw fields of a grid line (coordinates assigned by fieldOrder);
// std::nullopt when a required delimiter is missing.
std::optional<GridFields> SplitGridLine(const std::string& line, const FrontEndSettings& settings);
// The raw fields of a UTM line (identifier, coordinates, zone, extra text).
std::optional<UtmFields> SplitUtmLine(const std::string& line, const FrontEndSettings& settings);
// The raw fields of a geographic line (fixed order, latitude first).
std::optional<GeoFields> SplitGeoLine(const std::string& line, const FrontEndSettings& settings);

}  // namespace kartovex
