#include "common/angles.h"

#include <cmath>

#include "common/columns.h"
#include "common/companion_error.h"

namespace companion {

Dms toDms(double decimalDegrees, int secondDecimals) {
  if (!std::isfinite(decimalDegrees) || std::fabs(decimalDegrees) > 360.0 || secondDecimals < 0 ||
      secondDecimals > 9) {
    throw CompanionError("angle out of range");
  }
  static constexpr double kScale[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
  const double scale = kScale[secondDecimals];
  // Whole units of the last second decimal avoid 59.9999995 printing as 60.
  const double units = std::round(std::fabs(decimalDegrees) * 3600.0 * scale);
  const double perMinute = 60.0 * scale;
  const double perDegree = 3600.0 * scale;
  Dms dms;
  dms.degrees = static_cast<int>(std::floor(units / perDegree));
  const double rest = units - dms.degrees * perDegree;
  dms.minutes = static_cast<int>(std::floor(rest / perMinute));
  dms.seconds = (rest - dms.minutes * perMinute) / scale;
  return dms;
}

bool parseDms(std::string_view degrees, std::string_view minutes, std::string_view seconds,
              double& decimalDegrees) {
  int d = 0;
  int m = 0;
  double s = 0.0;
  if (!parseInt(degrees, d) || !parseInt(minutes, m) || !parseReal(seconds, s)) return false;
  if (d < 0 || d > 180 || m < 0 || m >= 60 || s < 0.0 || s >= 60.0) return false;
  decimalDegrees = d + m / 60.0 + s / 3600.0;
  return true;
}

}  // namespace companion
