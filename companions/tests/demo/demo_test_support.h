#pragma once
// Reading a KARTOVEX.INI text back into sections and keys, and an
// independent PROJ projection, for the demo installation tests.
#include <proj.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>

namespace demo_test {

using Ini = std::map<std::string, std::map<std::string, std::string>>;

inline Ini parseIni(const std::string& text) {
  Ini ini;
  std::istringstream in(text);
  std::string line, section;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      ini[section];
      continue;
    }
    const auto eq = line.find('=');
    if (eq != std::string::npos) ini[section][line.substr(0, eq)] = line.substr(eq + 1);
  }
  return ini;
}

// EPSG grid definitions, longitude and latitude in, easting and northing out.
struct Epsg {
  PJ_CONTEXT* ctx = proj_context_create();
  PJ* op = nullptr;
  explicit Epsg(int code) {
    proj_log_level(ctx, PJ_LOG_NONE);
    PJ* crs = proj_create(ctx, (std::string("EPSG:") + std::to_string(code)).c_str());
    PJ* geog = proj_crs_get_geodetic_crs(ctx, crs);
    PJ* raw = proj_create_crs_to_crs_from_pj(ctx, geog, crs, nullptr, nullptr);
    op = proj_normalize_for_visualization(ctx, raw);
    proj_destroy(raw);
    proj_destroy(geog);
    proj_destroy(crs);
  }
  ~Epsg() {
    if (op) proj_destroy(op);
    proj_context_destroy(ctx);
  }
  Epsg(const Epsg&) = delete;
  Epsg& operator=(const Epsg&) = delete;
  void forward(double lat, double lonWest, double& e, double& n) const {
    PJ_COORD c = proj_trans(op, PJ_FWD, proj_coord(-lonWest, lat, 0, 0));
    e = c.xy.x;
    n = c.xy.y;
  }
};

}  // namespace demo_test
