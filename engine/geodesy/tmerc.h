#pragma once
// Transverse Mercator on the ATS77 ellipsoid (UTM and the Nova Scotia MTM
// zones): radians, longitudes positive east, metres.
#include "geodesy/matrix.h"

namespace geodesy {

// Meridian arc from the equator to latitude phi (radians), metres.
double MERARC(double phi, double a, double b);

struct Footpoint {
    double phi1 = 0.0;      // latitude whose meridian arc is the given one, radians
    bool converged = true;  // false when Newton's method hit the iteration cap
};

// Footpoint latitude of the meridian arc s (metres).
Footpoint FOOTPT(double a, double b, double s);

struct TmGrid {
    double easting = 0.0;
    double northing = 0.0;
};

// Latitude phi and longitude difference dlam from the central meridian
// (radians) to easting, northing. No false northing. The central meridian
// is not needed by the series and is accepted only to keep the call shape.
TmGrid TMGRID(double phi, double dlam, double a, double b, double k0, double falseEasting, double centralMeridian);

struct TmGeo {
    double phi = 0.0;       // radians
    double lam = 0.0;       // radians, positive east
    bool converged = true;  // footpoint iteration converged
};

// Easting, northing to latitude and longitude (radians).
TmGeo TMGEO(double easting, double northing, double a, double b, double k0, double falseEasting,
            double centralMeridian);

struct TmConvergence {
    double scale = 0.0;        // point scale factor
    double convergence = 0.0;  // meridian convergence, radians
};

TmConvergence TMCONV(double phi, double dlam, double k0, double a, double b);

// Approximate Jacobian (rows easting, northing; columns latitude, longitude).
// A negative direction returns its inverse.
Mat2 TMJACO(double phi, double dlam, int direction);

struct UtmZone {
    int zone = 0;
    double centralMeridian = 0.0;  // radians, same sign convention as the input
};

// Standard 6-degree UTM zone of longitude lam (radians, positive east).
UtmZone UTMZON(double lam);

}  // namespace geodesy
