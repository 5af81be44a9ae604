#include "vesperan/projections.h"

#include <proj.h>

#include <cmath>

#include "common/companion_error.h"

namespace vesperan {

using companion::CompanionError;

std::string gridDefinition(Datum datum, Grid grid) {
  const bool ats = datum == Datum::Ats77;
  switch (grid) {
    case Grid::NewBrunswick: return ats ? "EPSG:2200" : "EPSG:2953";
    case Grid::PrinceEdwardIsland: return ats ? "EPSG:2290" : "EPSG:2954";
    case Grid::NovaScotiaMtm4: return ats ? "EPSG:2294" : "EPSG:22338";
    case Grid::NovaScotiaMtm5: return ats ? "EPSG:2295" : "EPSG:22337";
  }
  throw CompanionError("unknown grid");
}

std::string utmDefinition(Datum datum, int zone) {
  if (zone < 19 || zone > 21) {
    throw CompanionError("UTM zone " + std::to_string(zone) + " is not one of 19, 20, 21");
  }
  if (datum == Datum::Nad83Csrs) return "EPSG:" + std::to_string(2960 + zone - 19);
  if (zone == 21) {
    // EPSG defines ATS77 UTM only for zones 19 and 20; zone 21 is the same
    // definition moved to 57 degrees west.
    return "+proj=utm +zone=21 +a=6378135 +rf=298.257 +units=m +no_defs +type=crs";
  }
  return "EPSG:" + std::to_string(2219 + zone - 19);
}

Projections::Projections() : context_(proj_context_create()) {
  if (context_ == nullptr) throw CompanionError("cannot start PROJ");
  proj_log_level(context_, PJ_LOG_NONE);
}

Projections::~Projections() {
  for (auto& entry : operations_) proj_destroy(entry.second);
  proj_context_destroy(context_);
}

PJ* Projections::operation(const std::string& definition) {
  const auto found = operations_.find(definition);
  if (found != operations_.end()) return found->second;

  PJ* projected = proj_create(context_, definition.c_str());
  if (projected == nullptr) throw CompanionError("PROJ does not know " + definition);
  PJ* geographic = proj_crs_get_geodetic_crs(context_, projected);
  PJ* raw = geographic == nullptr
                ? nullptr
                : proj_create_crs_to_crs_from_pj(context_, geographic, projected, nullptr, nullptr);
  PJ* normalised = raw == nullptr ? nullptr : proj_normalize_for_visualization(context_, raw);
  proj_destroy(raw);
  proj_destroy(geographic);
  proj_destroy(projected);
  if (normalised == nullptr) throw CompanionError("PROJ cannot project with " + definition);
  operations_.emplace(definition, normalised);
  return normalised;
}

PJ* Projections::gridOperation(Datum datum, Grid grid) {
  PJ*& op = gridOperations_[datum == Datum::Ats77 ? 0 : 1][static_cast<int>(grid) & 3];
  if (op == nullptr) op = operation(gridDefinition(datum, grid));
  return op;
}

PJ* Projections::utmOperation(Datum datum, int zone) {
  if (zone < 19 || zone > 21) return operation(utmDefinition(datum, zone));  // throws
  PJ*& op = utmOperations_[datum == Datum::Ats77 ? 0 : 1][zone - 19];
  if (op == nullptr) op = operation(utmDefinition(datum, zone));
  return op;
}

bool Projections::forward(PJ* op, const GeoPoint& point, PlanePoint& projected) {
  proj_errno_reset(op);
  const PJ_COORD out =
      proj_trans(op, PJ_FWD, proj_coord(-point.longitudeWest, point.latitude, 0.0, 0.0));
  if (!std::isfinite(out.xy.x) || !std::isfinite(out.xy.y) || out.xy.x == HUGE_VAL ||
      proj_errno(op) != 0) {
    return false;
  }
  projected = {out.xy.x, out.xy.y};
  return true;
}

bool Projections::inverse(PJ* op, const PlanePoint& point, GeoPoint& geographic) {
  proj_errno_reset(op);
  const PJ_COORD out = proj_trans(op, PJ_INV, proj_coord(point.easting, point.northing, 0.0, 0.0));
  if (!std::isfinite(out.lp.lam) || !std::isfinite(out.lp.phi) || out.lp.lam == HUGE_VAL ||
      proj_errno(op) != 0) {
    return false;
  }
  geographic = {out.lp.phi, -out.lp.lam};
  return true;
}

PlanePoint Projections::toGrid(Datum datum, Grid grid, const GeoPoint& point) {
  PlanePoint projected;
  if (!forward(gridOperation(datum, grid), point, projected)) {
    throw CompanionError("the point cannot be projected with " + gridDefinition(datum, grid));
  }
  return projected;
}

GeoPoint Projections::fromGrid(Datum datum, Grid grid, const PlanePoint& point) {
  GeoPoint geographic;
  if (!inverse(gridOperation(datum, grid), point, geographic)) {
    throw CompanionError("the point cannot be converted with " + gridDefinition(datum, grid));
  }
  return geographic;
}

PlanePoint Projections::toUtm(Datum datum, int zone, const GeoPoint& point) {
  PlanePoint projected;
  if (!forward(utmOperation(datum, zone), point, projected)) {
    throw CompanionError("the point cannot be projected with " + utmDefinition(datum, zone));
  }
  return projected;
}

GeoPoint Projections::fromUtm(Datum datum, int zone, const PlanePoint& point) {
  GeoPoint geographic;
  if (!inverse(utmOperation(datum, zone), point, geographic)) {
    throw CompanionError("the point cannot be converted with " + utmDefinition(datum, zone));
  }
  return geographic;
}

}  // namespace vesperan
