#pragma once
// Extents of each region for the configuration file: the bounding box of the
// province outline, projected, with a small margin, rounded outward.
#include <string>

#include "demo_projection.h"
#include "province_outline.h"

namespace demo {

struct GeoExtent {
  double neLat = 0, neLon = 0, swLat = 0, swLon = 0;  // longitudes positive west
};

struct GridExtent {
  double neEast = 0, neNorth = 0, swEast = 0, swNorth = 0;
};

GeoExtent geographicExtent(Region region);
bool gridExtent(Region region, Datum datum, GridExtent& extent, std::string& error);

}  // namespace demo
