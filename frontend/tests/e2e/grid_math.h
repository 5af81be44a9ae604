#pragma once
// Independent map projections through PROJ for the checks of the data text
// files: the provincial grids and UTM on ATS77, NAD83 (CSRS) and NAD27.

#include <proj.h>

#include <cmath>
#include <string>

namespace e2e {

enum class Region { NB, NS4, NS5, PEI };
enum class OnDatum { ATS77, NAD83, NAD27 };

inline const char* Ellipsoid(OnDatum d) {
  switch (d) {
    case OnDatum::ATS77: return " +a=6378135 +rf=298.257";
    case OnDatum::NAD83: return " +ellps=GRS80";
    case OnDatum::NAD27: break;
  }
  return " +ellps=clrk66";
}

// Projection in metres; the NAD27 grids are then taken in feet.
inline std::string GridProjection(Region r, OnDatum d) {
  std::string p;
  switch (r) {
    case Region::NB:
      p = "+proj=sterea +lat_0=46.5 +lon_0=-66.5 +k=0.999912";
      if (d == OnDatum::ATS77)
        p += " +x_0=300000 +y_0=800000";
      else if (d == OnDatum::NAD83)
        p += " +x_0=2500000 +y_0=7500000";
      else
        p += " +x_0=304800 +y_0=304800";
      break;
    case Region::PEI:
      p = "+proj=sterea +lat_0=47.25 +lon_0=-63 +k=0.999912";
      if (d == OnDatum::ATS77)
        p += " +x_0=700000 +y_0=400000";
      else if (d == OnDatum::NAD83)
        p += " +x_0=400000 +y_0=800000";
      else
        p += " +x_0=152400 +y_0=213360";
      break;
    case Region::NS4:
    case Region::NS5: {
      const bool four = r == Region::NS4;
      p = std::string("+proj=tmerc +lat_0=0 +k=0.9999 +y_0=0 +lon_0=") + (four ? "-61.5" : "-64.5");
      if (d == OnDatum::ATS77)
        p += four ? " +x_0=4500000" : " +x_0=5500000";
      else if (d == OnDatum::NAD83)
        p += four ? " +x_0=14500000" : " +x_0=15500000";
      else
        p += " +x_0=304800";
      break;
    }
  }
  return p + Ellipsoid(d);
}

inline std::string UtmProjection(int zone, OnDatum d) {
  return "+proj=utm +zone=" + std::to_string(zone) + Ellipsoid(d);
}

inline constexpr double kFoot = 0.3048;

struct LatLonW {
  double lat = 0;      // degrees
  double lonWest = 0;  // degrees, positive west
};

class Projection {
 public:
  explicit Projection(const std::string& definition) {
    proj_log_level(ctx_, PJ_LOG_NONE);
    op_ = proj_create(ctx_, definition.c_str());
  }
  ~Projection() {
    if (op_) proj_destroy(op_);
    proj_context_destroy(ctx_);
  }
  Projection(const Projection&) = delete;
  Projection& operator=(const Projection&) = delete;
  bool ok() const { return op_ != nullptr; }

  void forward(const LatLonW& p, double& e, double& n) const {
    PJ_COORD c = proj_coord(proj_torad(-p.lonWest), proj_torad(p.lat), 0, 0);
    c = proj_trans(op_, PJ_FWD, c);
    e = c.xy.x;
    n = c.xy.y;
  }
  LatLonW inverse(double e, double n) const {
    PJ_COORD c = proj_trans(op_, PJ_INV, proj_coord(e, n, 0, 0));
    return {proj_todeg(c.lp.phi), -proj_todeg(c.lp.lam)};
  }

 private:
  PJ_CONTEXT* ctx_ = proj_context_create();
  PJ* op_ = nullptr;
};

// Grid values in the grid's own units (feet on NAD27).
inline void GridForward(Region r, OnDatum d, const LatLonW& p, double& e, double& n) {
  Projection proj(GridProjection(r, d));
  proj.forward(p, e, n);
  if (d == OnDatum::NAD27) {
    e /= kFoot;
    n /= kFoot;
  }
}

inline LatLonW GridInverse(Region r, OnDatum d, double e, double n) {
  Projection proj(GridProjection(r, d));
  if (d == OnDatum::NAD27) return proj.inverse(e * kFoot, n * kFoot);
  return proj.inverse(e, n);
}

inline void UtmForward(int zone, OnDatum d, const LatLonW& p, double& x, double& y) {
  Projection(UtmProjection(zone, d)).forward(p, x, y);
}

inline LatLonW UtmInverse(int zone, OnDatum d, double x, double y) {
  return Projection(UtmProjection(zone, d)).inverse(x, y);
}

}  // namespace e2e
