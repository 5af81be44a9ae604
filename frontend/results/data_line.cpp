#include "results/data_line.h"

#include <initializer_list>
#include <string_view>

namespace kartovex {

namespace {

std::string Joined(std::initializer_list<const std::string*> fields, const std::string& id,
                   const FrontEndSettings& s, const ExtraTextTable& t) {
  std::string line;
  std::size_t size = 0;
  for (const std::string* f : fields) size += f->size() + s.delimiter.size();
  line.reserve(size);
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

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// Minutes in two digits: ORVANDEL's GHOST output gives " 7" where the other
// programs give "07".
std::string TwoDigitMinutes(std::string minutes) {
  if (minutes.size() == 1 && AllDigits(minutes)) minutes.insert(minutes.begin(), '0');
  return minutes;
}

// Seconds with two digits before the point ("5.12345" becomes "05.12345").
std::string TwoDigitSeconds(std::string seconds) {
  const std::string_view text(seconds);
  const std::size_t dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  const bool decimals = dot == std::string_view::npos || AllDigits(text.substr(dot + 1));
  if (whole.size() == 1 && AllDigits(whole) && decimals) seconds.insert(seconds.begin(), '0');
  return seconds;
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
  // One form for the column whatever program the point came from.
  const std::string latMin = TwoDigitMinutes(p.latMin), lonMin = TwoDigitMinutes(p.lonMin);
  const std::string latSec = TwoDigitSeconds(SecondsWithLeadingZero(p.latSec));
  const std::string lonSec = TwoDigitSeconds(SecondsWithLeadingZero(p.lonSec));
  return Joined({&p.id, &p.latDeg, &latMin, &latSec, &p.lonDeg, &lonMin, &lonSec}, p.id, s, t);
}

std::string SecondsWithLeadingZero(std::string seconds) {
  if (!seconds.empty() && seconds[0] == '.') seconds.insert(seconds.begin(), '0');
  return seconds;
}

}  // namespace kartovex
