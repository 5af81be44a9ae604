#include "province_outline.h"

#include <algorithm>
#include <cmath>

namespace demo {
namespace {

const std::vector<LatLon> kNewBrunswick = {
    {45.05, 67.20}, {45.60, 67.80}, {46.10, 67.78}, {47.06, 67.79}, {47.25, 68.30}, {47.42, 68.90},
    {47.46, 69.06}, {47.60, 68.40}, {47.92, 68.12}, {48.00, 67.60}, {48.08, 66.70}, {47.95, 66.00},
    {47.95, 64.50}, {47.40, 64.80}, {46.70, 64.70}, {46.20, 63.80}, {45.90, 64.10}, {45.70, 64.30},
    {45.35, 64.95}, {45.20, 65.90}, {44.60, 66.80}, {45.00, 67.05}};

const std::vector<LatLon> kNovaScotia = {
    {43.40, 65.62}, {43.80, 66.15}, {44.30, 66.35}, {44.70, 65.80}, {45.10, 64.90}, {45.30, 64.40},
    {45.70, 64.60}, {45.90, 64.25}, {45.95, 63.80}, {45.75, 62.70}, {45.65, 61.95}, {45.95, 61.45},
    {46.60, 61.05}, {47.04, 60.60}, {46.95, 60.35}, {46.30, 59.80}, {45.95, 59.80}, {45.55, 60.90},
    {45.30, 61.00}, {44.95, 62.40}, {44.55, 63.50}, {44.30, 64.30}, {43.90, 64.90}};

const std::vector<LatLon> kPrinceEdwardIsland = {
    {46.45, 61.97}, {46.00, 62.45}, {45.95, 62.90}, {46.15, 63.50}, {46.30, 63.85}, {46.45, 64.05},
    {46.60, 64.40}, {47.06, 63.99}, {46.75, 63.70}, {46.50, 63.30}, {46.45, 62.60}};

const std::vector<Place> kNbPlaces = {{"FREDTN", {45.9636, 66.6431}},
                                      {"MONCTON", {46.0878, 64.7782}},
                                      {"STJOHN", {45.2733, 66.0633}},
                                      {"BATHURST", {47.6186, 65.6513}},
                                      {"EDMUNDST", {47.3737, 68.3251}}};
const std::vector<Place> kNs4Places = {{"SYDNEY", {46.1368, 60.1942}},
                                       {"ANTIGON", {45.6226, 61.9933}},
                                       {"PTHAWK", {45.6153, 61.3642}},
                                       {"SHERBRK", {45.1400, 61.9800}},
                                       {"CHETICMP", {46.6400, 60.9500}}};
const std::vector<Place> kNs5Places = {{"HALIFAX", {44.6488, 63.5752}},
                                       {"YARMOUTH", {43.8375, 66.1174}},
                                       {"TRURO", {45.3650, 63.2863}},
                                       {"KENTVL", {45.0771, 64.4946}},
                                       {"AMHERST", {45.8168, 64.2143}}};
const std::vector<Place> kPeiPlaces = {{"CHTOWN", {46.2382, 63.1311}},
                                       {"SUMMERSD", {46.3959, 63.7876}},
                                       {"SOURIS", {46.3536, 62.2520}},
                                       {"ALBERTON", {46.8140, 64.0650}},
                                       {"MONTAGUE", {46.1657, 62.6490}}};

// Nova Scotia zone 4 lies east of 63 W, zone 5 west of it.
bool inRegion(Region r, const LatLon& p) {
  if (r == Region::NS4) return p.lonWest <= 63.25;
  if (r == Region::NS5) return p.lonWest >= 62.75;
  return true;
}

}  // namespace

const std::vector<Region>& allRegions() {
  static const std::vector<Region> all{Region::NB, Region::NS4, Region::NS5, Region::PEI};
  return all;
}

std::string sectionPrefix(Region r) {
  switch (r) {
    case Region::NB: return "NB";
    case Region::NS4: return "NS 4";
    case Region::NS5: return "NS 5";
    case Region::PEI: return "PEI";
  }
  return "";
}

const std::vector<LatLon>& outline(Region r) {
  switch (r) {
    case Region::NB: return kNewBrunswick;
    case Region::NS4:
    case Region::NS5: return kNovaScotia;
    case Region::PEI: break;
  }
  return kPrinceEdwardIsland;
}

std::vector<LatLon> regionBoundary(Region r) {
  const auto& o = outline(r);
  std::vector<LatLon> out;
  for (size_t i = 0; i < o.size(); ++i) {
    const LatLon a = o[i], b = o[(i + 1) % o.size()];
    const int steps = std::max(
        1, static_cast<int>(std::ceil(std::hypot(b.lat - a.lat, b.lonWest - a.lonWest) / 0.02)));
    for (int k = 0; k < steps; ++k) {
      const double t = static_cast<double>(k) / steps;
      const LatLon p{a.lat + t * (b.lat - a.lat), a.lonWest + t * (b.lonWest - a.lonWest)};
      if (inRegion(r, p)) out.push_back(p);
    }
  }
  return out;
}

const std::vector<Place>& places(Region r) {
  switch (r) {
    case Region::NB: return kNbPlaces;
    case Region::NS4: return kNs4Places;
    case Region::NS5: return kNs5Places;
    case Region::PEI: break;
  }
  return kPeiPlaces;
}

}  // namespace demo
