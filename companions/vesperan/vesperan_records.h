#pragma once
// VESPERAN's input records: the front end's IntoVesperan_EN, IntoVesperan_XY
// and IntoVesperan_LL layouts and LUMBRIX's .NEW file.
#include <optional>
#include <string>
#include <string_view>

namespace vesperan {

// identifier 1-9, northing 10-22, easting 23-35, and the elevation in 36-44
// when the file is ORVANDEL's TRN_CORD.DAT (the input of rows 49 to 51).
struct GridRecord {
  std::string identifier;
  double northing = 0.0;
  double easting = 0.0;
  double elevation = 0.0;
};

struct UtmRecord {  // identifier 7-15; zone, X and Y after column 50
  std::string identifier;
  int zone = 0;
  double x = 0.0;
  double y = 0.0;
};

struct GeographicRecord {
  std::string identifier;
  double latitude = 0.0;                  // decimal degrees
  double longitudeWest = 0.0;             // decimal degrees, positive west
  std::optional<double> centralMeridian;  // Nova Scotia records only
};

// Each returns nothing when the record does not fit its layout.
std::optional<GridRecord> parseGridRecord(std::string_view line);
std::optional<UtmRecord> parseUtmRecord(std::string_view line);

// identifier 1-9; latitude 11-12, 14-15, 17-24; longitude 26-27, 29-30,
// 32-39; central meridian from column 41 (may be absent).
std::optional<GeographicRecord> parseVesperanGeographic(std::string_view line);

// identifier 7-15; latitude 41-42, 44-45, 47-54; longitude 57-58, 60-61,
// 63-70; whatever follows (the grid's accuracy) is not used.
std::optional<GeographicRecord> parseLumbrixNew(std::string_view line);

}  // namespace vesperan
