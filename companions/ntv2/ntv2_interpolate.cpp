#include "ntv2_interpolate.h"

#include <algorithm>
#include <cmath>

namespace ntv2 {
namespace {

bool contains(const Subfile& s, double lat, double lonW) {
  return lat >= s.southLat && lat <= s.northLat && lonW >= s.eastLong && lonW <= s.westLong;
}

}  // namespace

bool interpolate(const File& file, double lat, double lonW, Node& result) {
  const Subfile* best = nullptr;
  for (const auto& s : file.subfiles)
    if (contains(s, lat, lonW) && (!best || s.latInc * s.longInc < best->latInc * best->longInc))
      best = &s;
  if (!best) return false;
  const Subfile& s = *best;
  const int rows = s.rows(), cols = s.columns();
  const double y = (lat - s.southLat) / s.latInc;
  const double x = (lonW - s.eastLong) / s.longInc;
  const int r = std::clamp(static_cast<int>(std::floor(y)), 0, rows - 2);
  const int c = std::clamp(static_cast<int>(std::floor(x)), 0, cols - 2);
  const double fy = y - r, fx = x - c;
  const Node& a = s.at(r, c);
  const Node& b = s.at(r, c + 1);
  const Node& d = s.at(r + 1, c);
  const Node& e = s.at(r + 1, c + 1);
  auto mix = [&](float Node::*m) {
    return static_cast<float>((1 - fy) * ((1 - fx) * a.*m + fx * b.*m) +
                              fy * ((1 - fx) * d.*m + fx * e.*m));
  };
  result.latShift = mix(&Node::latShift);
  result.lonShift = mix(&Node::lonShift);
  // An unknown accuracy at any corner makes the point's accuracy unknown.
  const bool known = std::min({a.latAccuracy, b.latAccuracy, d.latAccuracy, e.latAccuracy,
                               a.lonAccuracy, b.lonAccuracy, d.lonAccuracy, e.lonAccuracy}) >= 0;
  result.latAccuracy = known ? mix(&Node::latAccuracy) : -1.0f;
  result.lonAccuracy = known ? mix(&Node::lonAccuracy) : -1.0f;
  return true;
}

bool carriesAccuracies(const File& file) {
  for (const auto& s : file.subfiles)
    for (const auto& n : s.nodes)
      if (n.latAccuracy > 0 || n.lonAccuracy > 0) return true;
  return false;
}

}  // namespace ntv2
