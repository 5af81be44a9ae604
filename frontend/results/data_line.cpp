#include "results/data_line.h"

#include <initializer_list>

namespace kartovex {

namespace {

std::string Joined(std::initializer_list<const std::string*> fields, const std::string& id,
                   const FrontEndSettings& s, const ExtraTextTable& t) {
  std::string line;
  bool first = true;
  for (const std::string* f : fields) {
    if (!first) line += s.delimiter;
    line += *f;
    first = false;
  }
  if (s.extraText) {
    std::string extra = t.FindExtraText(id);
    if (!extra.empty()) line += s.delimiter + extra;
  }
  return line;
}

}  // namespace

std::string GridDataLine(const GridPoint& p, const FrontEndSettings& s, const ExtraTextTable& t) {
  if (s.fieldOrder == "NE") return Joined({&p.id, &p.northing, &p.easting}, p.id, s, t);
  return Joined({&p.id, &p.easting, &p.northing}, p.id, s, t);
}

std::string UtmDataLine(const UtmPoint& p, const FrontEndSettings& s, const ExtraTextTable& t) {
  if (s.fieldOrder == "NE") return Joined({&p.id, &p.y, &p.x, &p.zone}, p.id, s, t);
  return Joined({&p.id, &p.x, &p.y, &p.zone}, p.id, s, t);
}

std::string GeoDataLine(const GeoPoint& p, const FrontEndSettings& s, const ExtraTextTable& t) {
  return Joined({&p.id, &p.latDeg, &p.latMin, &p.latSec, &p.lonDeg, &p.lonMin, &p.lonSec}, p.id,
                s, t);
}

std::string SecondsWithLeadingZero(std::string seconds) {
  if (!seconds.empty() && seconds[0] == '.') seconds.insert(seconds.begin(), '0');
  return seconds;
}

}  // namespace kartovex
