#include "common/zones.h"

#include <cmath>

#include "geodesy/grids.h"

namespace companion {

namespace {

bool near(double a, double b) { return std::fabs(a - b) < 1e-6; }

// Degrees west.
constexpr double kMtm4West = -geodesy::kNovaScotiaZone4.centralMeridian;
constexpr double kMtm5West = -geodesy::kNovaScotiaZone5.centralMeridian;

}  // namespace

int utmZoneOf(double longitudeWest) {
  const double zone = std::ceil((180.0 - longitudeWest) / 6.0 - 1e-12);
  // A longitude that is not a number gets zone 1 rather than an undefined int.
  return !(zone >= 1.0) ? 1 : zone > 60.0 ? 60 : static_cast<int>(zone);
}

double utmCentralMeridian(int zone) { return 183.0 - 6.0 * zone; }

std::optional<int> utmZoneFromMeridian(double centralMeridian) {
  const double west = std::fabs(centralMeridian);
  for (int zone = 19; zone <= 21; ++zone) {
    if (near(west, utmCentralMeridian(zone))) return zone;
  }
  return std::nullopt;
}

std::optional<int> mtmZoneFromMeridian(double centralMeridian) {
  const double west = std::fabs(centralMeridian);
  if (near(west, kMtm4West)) return 4;
  if (near(west, kMtm5West)) return 5;
  return std::nullopt;
}

double mtmCentralMeridian(int zone) { return zone == 5 ? kMtm5West : kMtm4West; }

int mtmZoneFromLongitude(double longitudeWest) { return longitudeWest > 63.0 ? 5 : 4; }

}  // namespace companion
