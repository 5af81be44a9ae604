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
  // The operation of a grid or UTM zone, built on first use and kept: a
  // run looks each one up once, not once a point.
  PJconsts* gridOperation(Datum datum, Grid grid);
  PJconsts* utmOperation(Datum datum, int zone);
  static bool forward(PJconsts* op, const GeoPoint& point, PlanePoint& projected);
  static bool inverse(PJconsts* op, const PlanePoint& point, GeoPoint& geographic);

  pj_ctx* context_;
  std::map<std::string, PJconsts*> operations_;
  PJconsts* gridOperations_[2][4] = {};
  PJconsts* utmOperations_[2][3] = {};
};

}  // namespace vesperan
