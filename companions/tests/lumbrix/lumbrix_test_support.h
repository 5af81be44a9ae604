#pragma once
// Helpers shared by the LUMBRIX tests: temporary folders, demonstration
// grids, answer files and an independent PROJ reference shift.
#include <proj.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ntv2_io.h"
#include "ntv2_synthetic.h"

namespace lumbrix_test {

namespace fs = std::filesystem;

struct TempDir {
  fs::path path;
  explicit TempDir(const char* tag = "lumbrix") {
    std::random_device rd;
    path = fs::temp_directory_path() /
           (std::string(tag) + "_" + std::to_string(::getpid()) + "_" + std::to_string(rd()));
    fs::create_directories(path);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  std::string operator/(const std::string& name) const { return (path / name).string(); }
};

inline std::string testdata(const std::string& name) {
  return std::string(KARTOVEX_TESTDATA) + "/companions/lumbrix/" + name;
}

inline std::string trimmed(const std::string& s) {
  const auto b = s.find_first_not_of(' ');
  return b == std::string::npos ? "" : s.substr(b, s.find_last_not_of(' ') - b + 1);
}

inline void writeText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline std::vector<std::string> readLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// A demonstration grid over the Maritimes written into dir.
inline std::string makeGrid(const TempDir& dir, ntv2::Field field,
                            const std::string& name = "GRID.GSB") {
  ntv2::File f;
  std::string error;
  ntv2::syntheticGrid(field, {43.0, 48.5, 59.5, 69.5, 300}, "DEMO", "DEMO", f, error);
  const auto path = dir / name;
  ntv2::writeFile(path, f, error);
  return path;
}

// Template L with CR LF line ends, as the front end writes it.
inline std::string answers(const std::string& grid, const std::string& src,
                           const std::string& flags, const std::string& base) {
  std::string a = "Q\r\nG\r\n" + grid + "\r\nC\r\n" + src + "\r\n";
  for (char f : flags) a += std::string(1, f) + "\r\n";
  a +=
      "A\r\nB\r\nM\r\nX\r\nX\r\n" + base + "LIS\r\n" + base + "NEW\r\n" + base + "MIS\r\n\r\nN\r\n";
  return a;
}

// PROJ's own hgridshift, set up independently of LUMBRIX.
struct Reference {
  PJ_CONTEXT* ctx = proj_context_create();
  PJ* pj = nullptr;
  explicit Reference(const std::string& grid) {
    proj_log_level(ctx, PJ_LOG_NONE);
    pj = proj_create(ctx, ("+proj=hgridshift +grids=" + grid).c_str());
  }
  ~Reference() {
    if (pj) proj_destroy(pj);
    proj_context_destroy(ctx);
  }
  Reference(const Reference&) = delete;
  Reference& operator=(const Reference&) = delete;
  // Degrees, longitude positive west.
  bool shift(double lat, double lonWest, bool backward, double& outLat, double& outLonWest) const {
    PJ_COORD c = proj_coord(proj_torad(-lonWest), proj_torad(lat), 0, 0);
    c = proj_trans(pj, backward ? PJ_INV : PJ_FWD, c);
    if (c.lp.lam == HUGE_VAL || !std::isfinite(c.lp.lam)) return false;
    outLat = proj_todeg(c.lp.phi);
    outLonWest = -proj_todeg(c.lp.lam);
    return true;
  }
};

}  // namespace lumbrix_test
