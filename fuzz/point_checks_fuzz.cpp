// The checks of one point after splitting: coordinate normalisation and
// numbers, the length checks, the geographic angles and the extents.
#include <cstdint>
#include <string>
#include <vector>

#include "core/settings.h"
#include "fuzz_support.h"
#include "input/extents_check.h"
#include "input/format_coordinate.h"
#include "input/line_fields.h"
#include "input/point_checks.h"

namespace {

kartovex::Extents provinceExtents() {
  kartovex::Extents e;
  e.latLong = {48.1, 63.7, 44.5, 69.1};
  e.nad83 = {2700000.0, 7700000.0, 2300000.0, 7300000.0};
  e.ats77 = e.nad83;
  e.nad27 = {1600000.0, 1400000.0, 1000000.0, 0.0};
  return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::string separator = (data[0] & 1) ? "," : ".";
  // The fields, one per line: identifier, two coordinates, then the six
  // geographic fields.
  std::vector<std::string> f;
  std::string rest = fuzz::asString(data + 1, size - 1);
  std::size_t start = 0;
  while (f.size() < 9) {
    const std::size_t end = rest.find('\n', start);
    f.push_back(rest.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  f.resize(9);
  static const kartovex::Extents extents = provinceExtents();

  const auto east = kartovex::FormatCoordinate(f[1], separator);
  const auto north = kartovex::FormatCoordinate(f[2], separator);
  (void)kartovex::ParseDecimal(f[1], separator);
  (void)kartovex::FormatThreeDecimals(f[2], separator);
  if (east && north && kartovex::GridPointValid(f[0], *east, *north)) {
    const auto e = kartovex::ToNumber(*east, separator);
    const auto n = kartovex::ToNumber(*north, separator);
    if (e && n) {
      for (auto datum : {kartovex::Datum::ATS77, kartovex::Datum::NAD27, kartovex::Datum::NAD83})
        (void)kartovex::CheckGridExtents(*e, *n, *east, *north,
                                         kartovex::GridExtentOf(extents, datum));
    }
  }

  kartovex::GeoFields geo;
  geo.id = f[0];
  geo.latDeg = f[3];
  geo.latMin = f[4];
  geo.latSec = f[5];
  geo.lonDeg = f[6];
  geo.lonMin = f[7];
  geo.lonSec = f[8];
  if (kartovex::NormaliseGeoFields(geo, separator)) {
    const kartovex::GeoAngles a = kartovex::CheckGeoAngles(geo, separator);
    if (a.status == kartovex::AngleStatus::Ok)
      (void)kartovex::CheckGeoExtents(a.latitude, a.longitude, geo, extents.latLong);
  }
  return 0;
}
