#include "geodesy/mpcord_zones.h"

#include <cmath>

#include "geodesy/grids.h"
#include "geodesy/mpcord_limits.h"
#include "geodesy/tmerc.h"

namespace geodesy {

namespace {

constexpr double kDegToRad = 0.017453292519968962;
constexpr double kZone4 = kNovaScotiaZone4.centralMeridian;
constexpr double kZone5 = kNovaScotiaZone5.centralMeridian;
constexpr int kZone4FalseEasting = kNovaScotiaZone4.fe;
constexpr int kZone5FalseEasting = kNovaScotiaZone5.fe;

}  // namespace

ZoneCheck nsZoneForward(double lam, double meridn, int ierr, double& zoneMeridian) {
    const double deg = std::fabs(lam / kDegToRad);
    const double d4 = std::fabs(-kZone4 - deg);
    const double d5 = std::fabs(-kZone5 - deg);
    // 63 W, exactly halfway, takes zone 4.
    zoneMeridian = d4 <= d5 ? kZone4 : kZone5;
    ZoneCheck out;
    out.ierr = ierr;
    // On the zone boundary either meridian is right.
    if (std::fabs(zoneMeridian - meridn) > 0.5 && !(std::fabs(d4 - d5) < 2e-8)) out.ierr = 7;
    out.falseEasting = std::fabs(meridn - kZone5) < 0.5 ? kZone5FalseEasting : kZone4FalseEasting;
    return out;
}

ZoneCheck nsZoneInverse(double east, double meridn, int ierr, double& zoneMeridian) {
    const long zone = eastingZone(east);
    if (zone == 4) {
        zoneMeridian = kZone4;
    } else if (zone == 5) {
        zoneMeridian = kZone5;
    }
    ZoneCheck out;
    out.ierr = std::fabs(zoneMeridian - meridn) > 0.5 ? 7 : ierr;
    if (std::fabs(meridn - kZone5) < 0.5) {
        out.falseEasting = kZone5FalseEasting;
    } else if (std::fabs(meridn - kZone4) < 0.5) {
        out.falseEasting = kZone4FalseEasting;
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
    out.falseEasting = static_cast<int>(kUtmFalseEasting);
    return out;
}

}  // namespace geodesy
