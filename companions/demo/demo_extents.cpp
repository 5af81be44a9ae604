#include "demo_extents.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace demo {
namespace {

constexpr double kGeoMargin = 0.05;  // degrees
constexpr double kGridMarginMetres = 2000;
constexpr double kFeetPerMetre = 3.280839895013123;

double down(double v, double step) { return std::floor(v / step) * step; }
double up(double v, double step) { return std::ceil(v / step) * step; }

}  // namespace

GeoExtent geographicExtent(Region r) {
  double minLat = 90, maxLat = -90, minLon = 360, maxLon = -360;
  for (const auto& p : regionBoundary(r)) {
    minLat = std::min(minLat, p.lat);
    maxLat = std::max(maxLat, p.lat);
    minLon = std::min(minLon, p.lonWest);
    maxLon = std::max(maxLon, p.lonWest);
  }
  GeoExtent e;
  e.neLat = up(maxLat + kGeoMargin, 0.01);
  e.swLat = down(minLat - kGeoMargin, 0.01);
  // Positive west: the north-east corner has the smaller longitude.
  e.neLon = down(minLon - kGeoMargin, 0.01);
  e.swLon = up(maxLon + kGeoMargin, 0.01);
  return e;
}

bool gridExtent(Region r, Datum d, GridExtent& e, std::string& error) {
  Projector proj;
  if (!proj.open(gridDefinition(r, d), error)) return false;
  double minE = std::numeric_limits<double>::max(), minN = minE, maxE = -minE, maxN = -minE;
  for (const auto& p : regionBoundary(r)) {
    double east = 0, north = 0;
    if (!proj.forward(p, east, north)) {
      error = std::string("cannot project the outline of ") + sectionPrefix(r);
      return false;
    }
    minE = std::min(minE, east);
    maxE = std::max(maxE, east);
    minN = std::min(minN, north);
    maxN = std::max(maxN, north);
  }
  const double margin = d == Datum::NAD27 ? kGridMarginMetres * kFeetPerMetre : kGridMarginMetres;
  e.neEast = up(maxE + margin, 100);
  e.neNorth = up(maxN + margin, 100);
  e.swEast = down(minE - margin, 100);
  e.swNorth = down(minN - margin, 100);
  return true;
}

}  // namespace demo
