#include "demo_projection.h"

#include <proj.h>

#include <cmath>

namespace demo {
namespace {

const char* kDegToRad = "+proj=pipeline +step +proj=unitconvert +xy_in=deg +xy_out=rad +step ";
const char* kAts77 = " +a=6378135 +rf=298.257";
// The NAD27 grids are in international feet.
const char* kToFeet = " +step +proj=unitconvert +xy_in=m +xy_out=ft";

std::string pipeline(const std::string& projection, const char* tail = "") {
  return std::string(kDegToRad) + projection + tail;
}

}  // namespace

const char* datumName(Datum d) {
  switch (d) {
    case Datum::NAD83: return "NAD83";
    case Datum::ATS77: return "ATS77";
    case Datum::NAD27: break;
  }
  return "NAD27";
}

std::string gridDefinition(Region r, Datum d) {
  switch (r) {
    case Region::NB:
      if (d == Datum::NAD83) return "EPSG:2953";
      if (d == Datum::ATS77) return "EPSG:2200";
      return pipeline(
          "+proj=sterea +lat_0=46.5 +lon_0=-66.5 +k=0.999912 +x_0=304800 +y_0=304800 +ellps=clrk66",
          kToFeet);
    case Region::PEI:
      if (d == Datum::NAD83) return "EPSG:2954";
      if (d == Datum::ATS77) return "EPSG:2290";
      return pipeline(
          "+proj=sterea +lat_0=47.25 +lon_0=-63 +k=0.999912 +x_0=152400 +y_0=213360 +ellps=clrk66",
          kToFeet);
    case Region::NS4:
      if (d == Datum::NAD83) return "EPSG:22338";
      if (d == Datum::ATS77) return "EPSG:2294";
      return pipeline(
          "+proj=tmerc +lat_0=0 +lon_0=-61.5 +k=0.9999 +x_0=304800 +y_0=0 +ellps=clrk66", kToFeet);
    case Region::NS5:
      if (d == Datum::NAD83) return "EPSG:22337";
      if (d == Datum::ATS77) return "EPSG:2295";
      return pipeline(
          "+proj=tmerc +lat_0=0 +lon_0=-64.5 +k=0.9999 +x_0=304800 +y_0=0 +ellps=clrk66", kToFeet);
  }
  return "";
}

std::string utmDefinition(int zone, Datum d) {
  if (d == Datum::NAD83) return std::string("EPSG:") + std::to_string(2960 + zone - 19);
  std::string utm = std::string("+proj=utm +zone=") + std::to_string(zone);
  return pipeline(d == Datum::ATS77 ? utm + kAts77 : utm + " +ellps=clrk66");
}

int utmZoneOf(double lonWest) {
  if (lonWest > 66.0) return 19;
  if (lonWest > 60.0) return 20;
  return 21;
}

struct Projector::Impl {
  PJ_CONTEXT* ctx = proj_context_create();
  PJ* op = nullptr;
  ~Impl() {
    if (op) proj_destroy(op);
    proj_context_destroy(ctx);
  }
};

Projector::Projector() = default;
Projector::~Projector() = default;

bool Projector::open(const std::string& definition, std::string& error) {
  auto impl = std::make_unique<Impl>();
  proj_log_level(impl->ctx, PJ_LOG_NONE);
  if (definition.rfind("EPSG:", 0) == 0) {
    PJ* crs = proj_create(impl->ctx, definition.c_str());
    PJ* geog = crs ? proj_crs_get_geodetic_crs(impl->ctx, crs) : nullptr;
    PJ* op =
        geog ? proj_create_crs_to_crs_from_pj(impl->ctx, geog, crs, nullptr, nullptr) : nullptr;
    // Longitude and latitude in, easting and northing out, whatever the
    // axis order of the definition.
    if (op) impl->op = proj_normalize_for_visualization(impl->ctx, op);
    for (PJ* p : {op, geog, crs})
      if (p) proj_destroy(p);
  } else {
    impl->op = proj_create(impl->ctx, definition.c_str());
  }
  if (!impl->op) {
    error = "cannot set up the projection " + definition;
    return false;
  }
  impl_ = std::move(impl);
  return true;
}

bool Projector::forward(const LatLon& p, double& east, double& north) const {
  if (!impl_) return false;
  PJ_COORD c = proj_coord(-p.lonWest, p.lat, 0, 0);
  c = proj_trans(impl_->op, PJ_FWD, c);
  if (!std::isfinite(c.xy.x) || !std::isfinite(c.xy.y) || c.xy.x == HUGE_VAL) return false;
  east = c.xy.x;
  north = c.xy.y;
  return true;
}

}  // namespace demo
