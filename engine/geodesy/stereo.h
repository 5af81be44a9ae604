#pragma once
// Double stereographic projection on the ATS77 ellipsoid (New Brunswick and
// Prince Edward Island grids): ellipsoid to Gauss's conformal sphere, then
// sphere to plane. Radians, longitudes positive east, metres.
#include "geodesy/matrix.h"

namespace geodesy {

struct SphereParams {
    double R = 0.0;     // radius of the conformal sphere
    double n = 0.0;     // longitude factor
    double c = 0.0;     // latitude constant
    double e = 0.0;     // first eccentricity
    double chi0 = 0.0;  // conformal latitude of the origin
    double Lam0 = 0.0;  // sphere longitude of the origin
};

SphereParams DSPARM(double phi0, double lam0, double a, double b);

struct SpherePoint {
    double chi = 0.0;  // conformal latitude
    double Lam = 0.0;  // sphere longitude
    double m = 0.0;    // Gauss scale
};

SpherePoint DSSPHR(double phi, double lam, double e, double a, double n, double c, double R);

struct PlanePoint {
    double easting = 0.0;
    double northing = 0.0;
    double scale = 0.0;        // stereographic scale (times the Gauss scale gives the point scale)
    double convergence = 0.0;  // radians
};

PlanePoint DSPLAN(double chi, double Lam, double falseEasting, double falseNorthing, double k0, double chi0,
                  double Lam0, double R);

struct SphereCoords {
    double chi = 0.0;
    double Lam = 0.0;
};

SphereCoords DSINVP(double easting, double northing, double falseEasting, double falseNorthing, double k0, double R,
                    double chi0, double Lam0);

struct EllipsoidPoint {
    double phi = 0.0;
    double lam = 0.0;
    bool converged = true;  // false when Newton's method hit the iteration cap
};

EllipsoidPoint DSELIP(double chi, double Lam, double n, double c, double e);

// Jacobian (rows easting, northing; columns latitude, longitude); dLam is
// the sphere longitude difference Lam - Lam0. A negative direction returns
// its inverse.
Mat2 DSJACO(double a, double b, double R, double n, double c, double k0, double phi, double chi, double chi0,
            double dLam, int direction);

}  // namespace geodesy
