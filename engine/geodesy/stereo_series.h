#pragma once
// Building blocks of the double stereographic routines that pass sines and
// cosines along instead of angles, so that MPCORD evaluates each of them
// once per point and the origin's only once per grid.
#include "geodesy/matrix.h"
#include "geodesy/stereo.h"

namespace geodesy::detail {

struct SinCos {
    double s = 0.0;
    double c = 1.0;
};

// sin and cos of chi0, kept for the last origin seen.
SinCos originTrig(double chi0);

struct SphereTrig {
    SpherePoint point;  // chi is left at 0: the sine and cosine below replace it
    SinCos chi;         // sin and cos of the conformal latitude
    double w = 0.0;     // tan(pi/4 + chi/2)
};

// DSSPHR without the arctangent: sin chi and cos chi follow from w directly.
SphereTrig sphereWithTrig(double phi, double lam, double e, double a, double n, double c, double R);

PlanePoint planeFromTrig(SinCos chi, double dLam, double falseEasting, double falseNorthing, double k0, SinCos chi0,
                         double R);

SphereCoords sphereFromPlane(double easting, double northing, double falseEasting, double falseNorthing, double k0,
                             double R, SinCos chi0, double Lam0);

Mat2 stereoJacobian(double a, double b, double R, double n, double c, double k0, double phi, SinCos chi, SinCos chi0,
                    double dLam, int direction);

}  // namespace geodesy::detail
