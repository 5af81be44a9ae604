#pragma once
// Map projections of the demo installation through PROJ: the provincial
// grids on NAD83 (CSRS), ATS77 and NAD27 (feet) and UTM on each datum.
#include <memory>
#include <string>

#include "province_outline.h"

namespace demo {

enum class Datum { NAD83, ATS77, NAD27 };

const char* datumName(Datum d);  // "NAD83", "ATS77", "NAD27"

// "EPSG:nnnn" or a PROJ pipeline from degrees (longitude east, latitude).
std::string gridDefinition(Region region, Datum datum);
std::string utmDefinition(int zone, Datum datum);

// UTM zone 19, 20 or 21 from the longitude (positive west).
int utmZoneOf(double lonWest);

class Projector {
 public:
  Projector();
  ~Projector();
  Projector(const Projector&) = delete;
  Projector& operator=(const Projector&) = delete;

  bool open(const std::string& definition, std::string& error);
  // Easting and northing in the grid's units, easting first.
  bool forward(const LatLon& p, double& east, double& north) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace demo
