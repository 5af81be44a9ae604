#pragma once
// MPCORD's zone checks: the Nova Scotia MTM zone (with the meridian kept
// from one call to the next) and the UTM zone.
namespace geodesy {

struct ZoneCheck {
    int ierr = 0;  // 7 or 8 when MERIDN is not the point's zone, else the code held before
    int falseEasting = 0;
};

// Code 2. `zoneMeridian` is the persistent Nova Scotia meridian; it is set
// to the meridian this point selects.
ZoneCheck nsZoneForward(double lam, double meridn, int ierr, double& zoneMeridian);

// Code 12. An easting of neither zone keeps `zoneMeridian` as it was.
ZoneCheck nsZoneInverse(double east, double meridn, int ierr, double& zoneMeridian);

// Code 4.
ZoneCheck utmZoneForward(double lam, double meridn, int ierr);

}  // namespace geodesy
