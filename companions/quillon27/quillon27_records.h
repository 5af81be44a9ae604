#pragma once
// QUILLON27's input records, as the front end's IntoQuillon27_EN,
// IntoQuillon27_XY and IntoQuillon27_LL write them.
#include <optional>
#include <string>
#include <string_view>

namespace quillon27 {

struct PlaneRecord {  // identifier 1-8, easting (X) 9-20, northing (Y) from 21
  std::string identifier;
  double easting = 0.0;
  double northing = 0.0;
};

struct GeographicRecord {  // latitude 1-12, longitude 13-24, identifier from 25
  std::string identifier;
  double latitude = 0.0;       // decimal degrees
  double longitudeWest = 0.0;  // decimal degrees, positive west
};

// Nothing when the record does not fit its layout.
std::optional<PlaneRecord> parsePlaneRecord(std::string_view line);
std::optional<GeographicRecord> parseGeographicRecord(std::string_view line);

}  // namespace quillon27
