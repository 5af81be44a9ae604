#pragma once
// VESPERAN's map projections, through PROJ: the provincial grids and UTM
// zones 19 to 21 on ATS77 and NAD83 (CSRS). Every operation is normalised to
// longitude, latitude in and easting, northing out, whatever axis order the
// EPSG definition has (the New Brunswick grids are northing-first).
#include <map>
#include <string>
#include <utility>

#include "vesperan/vesperan_request.h"

struct pj_ctx;
struct PJconsts;

namespace vesperan {

enum class Grid { NewBrunswick, PrinceEdwardIsland, NovaScotiaMtm4, NovaScotiaMtm5 };

struct PlanePoint {
  double easting = 0.0;
  double northing = 0.0;
};

struct GeoPoint {
  double latitude = 0.0;       // degrees
  double longitudeWest = 0.0;  // degrees, positive west
};

// The definition each grid and zone is built from: "EPSG:nnnn", or a PROJ
// string where EPSG has no code (ATS77 UTM zone 21).
std::string gridDefinition(Datum datum, Grid grid);
std::string utmDefinition(Datum datum, int zone);

class Projections {
 public:
  Projections();
  ~Projections();
  Projections(const Projections&) = delete;
  Projections& operator=(const Projections&) = delete;

  // Throw CompanionError when PROJ cannot build the operation or the point
  // cannot be projected.
  PlanePoint toGrid(Datum datum, Grid grid, const GeoPoint& point);
  GeoPoint fromGrid(Datum datum, Grid grid, const PlanePoint& point);
  PlanePoint toUtm(Datum datum, int zone, const GeoPoint& point);
  GeoPoint fromUtm(Datum datum, int zone, const PlanePoint& point);

 private:
  PJconsts* operation(const std::string& definition);
  PlanePoint forward(const std::string& definition, const GeoPoint& point);
  GeoPoint inverse(const std::string& definition, const PlanePoint& point);

  pj_ctx* context_;
  std::map<std::string, PJconsts*> operations_;
};

}  // namespace vesperan
