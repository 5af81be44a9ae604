#pragma once
// One line of the data text file: the fields of a converted point joined by
// the input delimiter, so the file reads back as an input text file.

#include <string>

#include "core/settings.h"
#include "input/extra_text_table.h"

namespace kartovex {

struct GridPoint {
  std::string id, easting, northing;
};
struct UtmPoint {
  std::string id, x, y, zone;
};
struct GeoPoint {
  std::string id;
  std::string latDeg, latMin, latSec;
  std::string lonDeg, lonMin, lonSec;
};

// Field order by fieldOrder; the point's extra text appended when extraText
// is on and the table holds a non-empty text for the identifier.
std::string GridDataLine(const GridPoint& p, const FrontEndSettings& s, const ExtraTextTable& t);
std::string UtmDataLine(const UtmPoint& p, const FrontEndSettings& s, const ExtraTextTable& t);
// Geographic lines carry two-digit minutes and two digits of whole seconds
// on every route, whatever form the program wrote them in.
std::string GeoDataLine(const GeoPoint& p, const FrontEndSettings& s, const ExtraTextTable& t);

// Seconds read from a program output: a leading "." gets a "0" in front.
std::string SecondsWithLeadingZero(std::string seconds);

}  // namespace kartovex
