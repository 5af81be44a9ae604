#pragma once
// Geodetic <-> geocentric Cartesian coordinates with a translation, for the
// approximate datum shift.
#include <cstddef>

namespace geodesy {

struct Geocentric {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

struct Geodetic {
    double phi = 0.0;     // radians
    double lambda = 0.0;  // radians, between -pi/2 and pi/2 (one-argument arctangent)
    double h = 0.0;
    bool converged = true;  // false when the iteration stopped at its cap
    int iterations = 0;
};

// Geocentric coordinates of (phi, lambda, h) on ellipsoid (a, b), plus (dx, dy, dz).
Geocentric GEOXYZ(double phi, double lambda, double h, double dx, double dy, double dz, double a, double b);

// Geodetic coordinates of (x, y, z) less the translation (dx, dy, dz).
Geodetic XYZGEO(double a, double b, double dx, double dy, double dz, double x, double y, double z);

// The same for `count` points at once, each with exactly the operations of
// the one above. Their iterations run side by side: one point's long chain
// of dependent operations leaves the processor idle that the next one fills.
void XYZGEO(double a, double b, double dx, double dy, double dz, const double* x, const double* y, const double* z,
            Geodetic* out, std::size_t count);

// The cap on XYZGEO's iterations; near the earth's centre or the poles the
// iteration need not settle.
inline constexpr int kXyzgeoMaxIterations = 100;

}  // namespace geodesy
