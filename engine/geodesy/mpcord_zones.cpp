#include "geodesy/mpcord_zones.h"

#include <cmath>

#include "geodesy/mpcord_limits.h"
#include "geodesy/tmerc.h"

namespace geodesy {

namespace {

constexpr double kDegToRad = 0.017453292519968962;

}  // namespace

ZoneCheck nsZoneForward(double lam, double meridn, int ierr, double& zoneMeridian) {
    const double deg = std::fabs(lam / kDegToRad);
    const double d4 = std::fabs(61.5 - deg);
    const double d5 = std::fabs(64.5 - deg);
    // 63 W, exactly halfway, takes zone 4.
    zoneMeridian = d4 <= d5 ? -61.5 : -64.5;
    ZoneCheck out;
    out.ierr = ierr;
    // On the zone boundary either meridian is right.
    if (std::fabs(zoneMeridian - meridn) > 0.5 && !(std::fabs(d4 - d5) < 2e-8)) out.ierr = 7;
    out.falseEasting = std::fabs(meridn + 64.5) < 0.5 ? 5500000 : 4500000;
    return out;
}

ZoneCheck nsZoneInverse(double east, double meridn, int ierr, double& zoneMeridian) {
    const long zone = eastingZone(east);
    if (zone == 4) {
        zoneMeridian = -61.5;
    } else if (zone == 5) {
        zoneMeridian = -64.5;
    }
    ZoneCheck out;
    out.ierr = std::fabs(zoneMeridian - meridn) > 0.5 ? 7 : ierr;
    if (std::fabs(meridn + 64.5) < 0.5) {
        out.falseEasting = 5500000;
    } else if (std::fabs(meridn + 61.5) < 0.5) {
        out.falseEasting = 4500000;
    } else {
        out.falseEasting = 0;
    }
    return out;
}

ZoneCheck utmZoneForward(double lam, double meridn, int ierr) {
    const UtmZone zone = UTMZON(lam);
    const double meridianDeg = zone.centralMeridian * 180.0 / 3.141592653589793;
    ZoneCheck out;
    // A neighbouring zone's meridian is accepted within 3 degrees of the point.
    out.ierr = std::fabs(std::fabs(meridianDeg) - std::fabs(meridn)) > 3.00000002 ? 8 : ierr;
    out.falseEasting = 500000;
    return out;
}

}  // namespace geodesy
