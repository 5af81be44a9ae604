#pragma once
// Building blocks of the ATS77 Transverse Mercator routines that take the
// sine and cosine of the latitude from the caller, so that MPCORD evaluates
// them once per point for the grid, convergence and Jacobian alike.
#include "geodesy/matrix.h"
#include "geodesy/tmerc.h"

namespace geodesy::detail {

// Eccentricities and meridian-arc coefficients of one ellipsoid.
struct TmEllipsoid {
    double a = 0.0, b = 0.0;
    double e2 = 0.0;   // first eccentricity squared
    double ep2 = 0.0;  // second eccentricity squared
    double a0 = 0.0, a2 = 0.0, a4 = 0.0, a6 = 0.0, a8 = 0.0;
    // The arc's sine series over sin 2phi, and its derivative's cosine series,
    // as polynomials in cos 2phi (Chebyshev form of the multiple angles).
    double sinPoly[4] = {};
    double cosPoly[5] = {};
    double inverseA = 0.0;           // 1 / a
    double inverseOneMinusE2 = 0.0;  // 1 / (1 - e^2)
};

// The coefficients for (a, b).
TmEllipsoid makeTmEllipsoid(double a, double b);

// ATS77's coefficients, derived once.
const TmEllipsoid& ats77Series();

// For the routines that take the axes: ATS77's set when the axes are ATS77's,
// otherwise derived for this call.
TmEllipsoid tmEllipsoid(double a, double b);

// Meridian arc from sin 2phi and cos 2phi.
double arcFromTrig(const TmEllipsoid& k, double phi, double sin2phi, double cos2phi);

// Meridian arc from sin phi and cos phi.
double arcFromLatitudeTrig(const TmEllipsoid& k, double phi, double sinPhi, double cosPhi);

// sin and cos of phi - d from those of phi: a rotation by the small Newton
// or series correction d, which needs no sine or cosine call.
void rotateBack(double& sinPhi, double& cosPhi, double d, double newPhi);

struct FootpointTrig {
    Footpoint foot;
    double sinPhi1 = 0.0;
    double cosPhi1 = 1.0;
};

// FOOTPT, also giving sin and cos of the footpoint latitude.
FootpointTrig footpointWithTrig(const TmEllipsoid& k, double s);

struct TmGeoTrig {
    TmGeo geo;
    double sinPhi = 0.0;
    double cosPhi = 1.0;
};

// TMGEO, also giving sin and cos of the computed latitude.
TmGeoTrig tmGeoWithTrig(const TmEllipsoid& k, double easting, double northing, double k0, double falseEasting,
                        double centralMeridian);

TmGrid tmGridFromTrig(const TmEllipsoid& k, double phi, double sinPhi, double cosPhi, double dlam, double k0,
                      double falseEasting);

TmConvergence tmConvergenceFromTrig(const TmEllipsoid& k, double sinPhi, double cosPhi, double dlam, double k0);

Mat2 tmJacobianFromTrig(double sinPhi, double cosPhi, double dlam, int direction);

}  // namespace geodesy::detail
