#pragma once
// Covariance propagation between geographic and grid coordinates, its
// checks and the error ellipse, for one station (2x2 matrices).
#include <span>
#include <vector>

#include "geodesy/matrix.h"

namespace geodesy {

// Radians^2 <-> arc-seconds^2.
inline constexpr double kRho2 = 42545170296.02706;

// Reverses the order of the two variables: (1,1)<->(2,2), (2,1)<->(1,2).
void COVSWP(Mat2& c);

// J C J^T, through MATMUL on 4x4 work matrices.
Mat2 COVPRO(const Mat2& j, const Mat2& c);

struct Radii {
    double n = 0.0;      // prime vertical
    double m = 0.0;      // meridian
    double alpha = 0.0;  // in azimuth alpha
};

// Radii of curvature at latitude phi, in azimuth alpha (radians).
Radii RADII(double phi, double alpha);

// Geographic covariance (latitude, longitude; arc-seconds^2) to metres^2
// (north, east) at latitude phi.
Mat2 COVMET(const Mat2& cll, double phi);

// 0 when usable; 1 a diagonal element <= 0, 2 not symmetric, 3 a
// correlation outside [-1, 1]. C is n x n with leading dimension ld.
int COVCHK(std::span<const double> c, int ld, int n);

// Correlation matrix, same storage as C (ld x n). Requires positive diagonal.
std::vector<double> CORMAT(std::span<const double> c, int ld, int n);

struct ErrorEllipse {
    int code = 0;       // COVCHK's code, 0 when the ellipse was computed
    double smaj = 0.0;  // semi-major axis
    double smin = 0.0;  // semi-minor axis
    double az = 0.0;    // orientation, degrees
};

ErrorEllipse ERRELL(const Mat2& c);

}  // namespace geodesy
