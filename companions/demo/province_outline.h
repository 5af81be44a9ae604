#pragma once
// Rough outlines of the three provinces (latitude, longitude positive west),
// the regions whose extents the configuration file holds (NB, NS MTM zones 4
// and 5, PEI) and a few sample places in each.
#include <string>
#include <vector>

namespace demo {

struct LatLon {
  double lat = 0;
  double lonWest = 0;
};

enum class Region { NB, NS4, NS5, PEI };

struct Place {
  std::string id;
  LatLon at;
};

const std::vector<Region>& allRegions();

// "NB", "NS 4", "NS 5", "PEI": the prefix of the extent sections.
std::string sectionPrefix(Region region);

// Province outline vertices, closed implicitly.
const std::vector<LatLon>& outline(Region region);

// Points along the outline every ~0.02 degree, kept only where they fall in
// the region's longitudes (Nova Scotia is split at 63 W with a small overlap).
std::vector<LatLon> regionBoundary(Region region);

// Sample places inside the region.
const std::vector<Place>& places(Region region);

}  // namespace demo
