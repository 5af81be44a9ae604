#include "input/extents_check.h"

namespace kartovex {

namespace {
constexpr Text kEastingText{"The following Easting is outside the defined limits in the ini file: ",
                            "La valeur EST se situe à l'extérieure: "};
constexpr Text kEastingTitle{"Invalid Easting/File Error", "EST non conforme/Erreur de fichier "};
constexpr Text kNorthingText{
    "The following Northing is outside the defined limits in the ini file: ",
    "La valeur NORD se situe à l'extérieure: "};
constexpr Text kNorthingTitle{"Invalid Northing/File Error", "NORD non conforme/Erreur de fichier"};
constexpr Text kLatitudeText{
    "The following Latitude is outside the defined limits in the ini file: ",
    "La valeur Latitude est à l'extérieure: "};
constexpr Text kLatitudeTitle{"Invalid Latitude/File Error",
                              "Latitude non conforme/Erreur de fichier"};
constexpr Text kLongitudeText{
    "The following Longitude is outside the defined limits in the ini file: ",
    "La valeur Longitude est à l'extérieure: "};
constexpr Text kLongitudeTitle{"Invalid Longitude/File Error",
                               "Longitude non conforme/Erreur de fichier"};
}  // namespace

const GridExtent& GridExtentOf(const Extents& extents, Datum datum) {
  switch (datum) {
    case Datum::ATS77: return extents.ats77;
    case Datum::NAD27: return extents.nad27;
    default: return extents.nad83;
  }
}

std::optional<ExtentRejection> CheckGridExtents(double easting, double northing,
                                                const std::string& eastingText,
                                                const std::string& northingText,
                                                const GridExtent& limits) {
  if (easting >= limits.NE_EAST || easting <= limits.SW_EAST) {
    return ExtentRejection{kEastingText, kEastingTitle, eastingText};
  }
  if (northing >= limits.NE_NORTH || northing <= limits.SW_NORTH) {
    return ExtentRejection{kNorthingText, kNorthingTitle, northingText};
  }
  return std::nullopt;
}

std::optional<ExtentRejection> CheckGeoExtents(double latitude, double longitude,
                                               const GeoFields& f, const GeographicExtent& limits) {
  if (latitude >= limits.NE_LAT || latitude <= limits.SW_LAT) {
    return ExtentRejection{kLatitudeText, kLatitudeTitle,
                           f.latDeg + " " + f.latMin + " " + f.latSec};
  }
  if (longitude <= limits.NE_LON || longitude >= limits.SW_LON) {
    return ExtentRejection{kLongitudeText, kLongitudeTitle,
                           f.lonDeg + " " + f.lonMin + " " + f.lonSec};
  }
  return std::nullopt;
}

}  // namespace kartovex
