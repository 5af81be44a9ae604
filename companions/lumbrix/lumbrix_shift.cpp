#include "lumbrix_shift.h"

#include <proj.h>

#include <cmath>
#include <filesystem>

#include "ntv2_interpolate.h"
#include "ntv2_io.h"

namespace lumbrix {

struct GridShift::Proj {
  PJ_CONTEXT* ctx = nullptr;
  PJ* pj = nullptr;
  ~Proj() {
    if (pj) proj_destroy(pj);
    if (ctx) proj_context_destroy(ctx);
  }
};

GridShift::GridShift() = default;
GridShift::~GridShift() = default;

bool GridShift::open(const std::string& path, std::string& error) {
  proj_.reset();
  if (!ntv2::readFile(path, file_, error)) return false;
  carriesAccuracies_ = ntv2::carriesAccuracies(file_);
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(path, ec).lexically_normal();
  const std::string name = absolute.filename().string();
  if (ec || name.find_first_of(" \t\"") != std::string::npos) {
    error = "grid-shift file name must not contain blanks or quotes: " + path;
    return false;
  }
  auto p = std::make_unique<Proj>();
  p->ctx = proj_context_create();
  if (!p->ctx) {
    error = "cannot start the projection library";
    return false;
  }
  proj_log_level(p->ctx, PJ_LOG_NONE);
  proj_context_set_enable_network(p->ctx, 0);
  // A PROJ string cannot carry blanks: a folder with blanks becomes the
  // search path and the grid is named without it.
  std::string grids = absolute.string();
  if (grids.find_first_of(" \t\"") != std::string::npos) {
    const std::string folder = absolute.parent_path().string();
    const char* paths[] = {folder.c_str()};
    proj_context_set_search_paths(p->ctx, 1, paths);
    grids = name;
  }
  p->pj = proj_create(p->ctx, ("+proj=hgridshift +grids=" + grids).c_str());
  if (!p->pj) {
    error = "the projection library cannot use " + path + ": " +
            proj_context_errno_string(p->ctx, proj_context_errno(p->ctx));
    return false;
  }
  proj_ = std::move(p);
  return true;
}

bool GridShift::shift(double latDeg, double lonWestDeg, bool backward, double& outLat,
                      double& outLonWest) const {
  if (!proj_) return false;
  PJ_COORD c = proj_coord(proj_torad(-lonWestDeg), proj_torad(latDeg), 0, 0);
  proj_errno_reset(proj_->pj);
  c = proj_trans(proj_->pj, backward ? PJ_INV : PJ_FWD, c);
  if (proj_errno(proj_->pj) != 0 || !std::isfinite(c.lp.lam) || !std::isfinite(c.lp.phi) ||
      c.lp.lam == HUGE_VAL) {
    proj_errno_reset(proj_->pj);
    return false;
  }
  outLat = proj_todeg(c.lp.phi);
  outLonWest = -proj_todeg(c.lp.lam);
  return shiftedPointUsable(latDeg, lonWestDeg, outLat, outLonWest);
}

bool shiftedPointUsable(double latDeg, double lonWestDeg, double outLat, double& outLonWest) {
  if (!std::isfinite(latDeg) || !std::isfinite(lonWestDeg) || !std::isfinite(outLat) ||
      !std::isfinite(outLonWest) || std::fabs(outLat) > 90)
    return false;
  // Keep the longitude on the input's side of the 180th meridian: whole turns
  // in one step, so no shift, however large, can keep this going.
  const double turns = std::round((outLonWest - lonWestDeg) / 360);
  if (turns != 0) outLonWest -= 360 * turns;
  const double moved = outLonWest - lonWestDeg;
  // No datum shift comes near two degrees (the reader refuses nodes beyond
  // one); more can only come from a damaged grid.
  return std::fabs(moved) <= 2 && std::fabs(outLat - latDeg) <= 2;
}

bool GridShift::accuracyMetres(double latDeg, double lonWestDeg, double& metres) const {
  if (!carriesAccuracies_) return false;
  ntv2::Node n;
  if (!ntv2::interpolate(file_, latDeg * 3600, lonWestDeg * 3600, n) || n.latAccuracy < 0 ||
      n.lonAccuracy < 0)
    return false;
  // Arc-seconds to metres on the grid's target ellipsoid.
  const double a = file_.majorTo > 0 ? file_.majorTo : 6378137.0;
  const double perSecond = a * M_PI / (180.0 * 3600.0);
  const double north = n.latAccuracy * perSecond;
  const double east = n.lonAccuracy * perSecond * std::cos(latDeg * M_PI / 180.0);
  metres = std::hypot(north, east);
  return true;
}

}  // namespace lumbrix
