// Standard 6-degree UTM zone of a longitude; on a zone boundary the western
// zone wins.
#include <cmath>
#include <limits>

#include "geodesy/tmerc.h"

namespace geodesy {

UtmZone UTMZON(double lam) {
    constexpr double kPi = 3.141592653589793;
    const bool west = lam < 0.0;
    const double shifted = west ? lam + 2.0 * kPi : lam;
    const double d = shifted * 180.0 / kPi;
    UtmZone result;
    // Beyond any sensible longitude the integer arithmetic below would overflow.
    if (!std::isfinite(d) || std::fabs(d) > 1e6) {
        result.zone = 0;
        result.centralMeridian = std::numeric_limits<double>::quiet_NaN();
        return result;
    }
    const long g = static_cast<long>(d + 1e-10);
    const long q = g / 6;
    long zone = q >= 30 ? q - 29 : q + 31;
    if (d - static_cast<double>(g) < 1e-10 && g % 6 == 0) zone -= 1;
    if (zone == 0) zone = 1;
    double cm = 6.0 * static_cast<double>(zone) + 177.0;
    if (cm > 360.0) cm -= 360.0;
    cm = cm * kPi / 180.0;
    if (west) cm -= 2.0 * kPi;
    result.zone = static_cast<int>(zone);
    result.centralMeridian = cm;
    return result;
}

}  // namespace geodesy
