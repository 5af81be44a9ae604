// Redfearn's Transverse Mercator series in the psi form on Clarke 1866
// (NAD27): Nova Scotia grid in feet, UTM in metres.
#include <cmath>

#include "geodesy/grids.h"
#include "geodesy/tm27.h"

namespace geodesy {
namespace {

constexpr double kDegPerRad = 57.29577951308232;
constexpr double kDegPerRadShort = 57.2957795;  // the inverses convert with this one
constexpr double kE2 = 0.006768657997291274;
constexpr double kOneMinusE2 = 0.9932313420027087;
constexpr double kA = kClarke1866.a;
constexpr double kAOneMinusE2 = 6335034.502242265;
constexpr double kAFeet = 20925874.01574803;
constexpr double kFalseEastingFeet = kNovaScotia27FalseEastingFeet;
constexpr double kA0 = 0.998305681878434;
constexpr double kA2 = 0.002542555507651376;
constexpr double kA4 = 2.698084527466155e-06;
constexpr double kA6 = 3.5330887396358122e-09;

double arcSeries(double phi) {
    return kA0 * phi - kA2 * std::sin(2.0 * phi) + kA4 * std::sin(4.0 * phi) - kA6 * std::sin(6.0 * phi);
}

// x: metres from the central meridian; y: meridian arc in metres (already
// divided by k0).
Tm27Geo inverse(double x, double y, double k0, double centralMeridian, double tolerance) {
    Tm27Geo geo;
    geo.scale = k0;

    const double aa0 = kA * kA0;
    double phi1 = y / aa0;
    int corrections = 0;
    geo.converged = false;
    while (true) {
        const double delta = (y - kA * arcSeries(phi1)) / aa0;
        if (std::fabs(delta) <= tolerance) {
            geo.converged = true;
            break;
        }
        if (corrections == 100) break;
        phi1 += delta;
        ++corrections;
    }

    const double sn = std::sin(phi1);
    const double w2 = 1.0 - kE2 * sn * sn;
    const double w = std::sqrt(w2);
    const double nu = kA / w;
    const double rho = kAOneMinusE2 / (w2 * w);
    const double p = w2 / kOneMinusE2;  // psi
    const double p2 = p * p;
    const double p3 = p2 * p;
    const double p4 = p2 * p2;
    const double t = std::tan(phi1);
    const double t2 = t * t;
    const double t4 = t2 * t2;
    const double t6 = t4 * t2;
    const double xp = x / (k0 * nu);
    const double xp2 = xp * xp;
    const double xp3 = xp2 * xp;
    const double xp5 = xp3 * xp2;
    const double xp7 = xp5 * xp2;
    const double f = t / (k0 * rho);

    const double phi =
        phi1 - f * x * xp / 2.0 + f * x * xp3 / 24.0 * (-4.0 * p2 + 9.0 * p * (1.0 - t2) + 12.0 * t2) -
        f * x * xp5 / 720.0 *
            (8.0 * p4 * (11.0 - 24.0 * t2) - 12.0 * p3 * (21.0 - 71.0 * t2) +
             15.0 * p2 * (15.0 - 98.0 * t2 + 15.0 * t4) + 180.0 * p * (5.0 * t2 - 3.0 * t4) + 360.0 * t4) +
        f * x * xp7 / 40320.0 * (1385.0 + 3633.0 * t2 + 4095.0 * t4 + 1575.0 * t6);

    const double dlamCos =
        xp - xp3 / 6.0 * (p + 2.0 * t2) +
        xp5 / 120.0 * (-4.0 * p3 * (1.0 - 6.0 * t2) + p2 * (9.0 - 68.0 * t2) + 72.0 * p * t2 + 24.0 * t4) -
        xp7 / 5040.0 * (61.0 + 662.0 * t2 + 1320.0 * t4 + 720.0 * t6);
    const double dlam = dlamCos / std::cos(phi1);

    geo.lam = centralMeridian - dlam * kDegPerRadShort;
    geo.convergence = kDegPerRadShort * (t * xp - t * xp3 / 3.0 * (-2.0 * p2 + 3.0 * p + t2) +
                                         t * xp5 / 15.0 *
                                             (p4 * (11.0 - 24.0 * t2) - 3.0 * p3 * (8.0 - 23.0 * t2) +
                                              5.0 * p2 * (3.0 - 14.0 * t2) + 30.0 * p * t2 + 3.0 * t4) -
                                         t * xp7 / 315.0 * (17.0 + 77.0 * t2 + 105.0 * t4 + 45.0 * t6));
    geo.phi = phi * kDegPerRadShort;
    return geo;
}

}  // namespace

Tm27Grid TM27FW(double phiDeg, double lamDeg, double k0, double centralMeridian, Tm27Unit unit) {
    const double phi = phiDeg / kDegPerRad;
    const double lam = lamDeg / kDegPerRad;
    const double cm = centralMeridian * 3600.0 / 206264.806247;
    const double dlam = lam - cm;  // positive west
    const double s = kAFeet * arcSeries(phi);

    Tm27Grid grid;
    if (std::fabs(dlam) < 5e-7) {
        grid.easting = kFalseEastingFeet;
        grid.northing = k0 * s;
        grid.convergence = 0.0;
    } else {
        const double sn = std::sin(phi);
        const double c = std::cos(phi);
        const double t = std::tan(phi);
        const double t2 = t * t;
        const double t4 = t2 * t2;
        const double t6 = t4 * t2;
        const double w2 = 1.0 - kE2 * sn * sn;
        const double nu = kAFeet / std::sqrt(w2);
        const double p = w2 / kOneMinusE2;  // psi
        const double p2 = p * p;
        const double p3 = p2 * p;
        const double p4 = p2 * p2;
        const double c2 = c * c;
        const double c3 = c2 * c;
        const double c5 = c3 * c2;
        const double c7 = c5 * c2;
        const double l2 = dlam * dlam;
        const double l3 = l2 * dlam;
        const double l4 = l2 * l2;
        const double l5 = l4 * dlam;
        const double l6 = l4 * l2;
        const double l7 = l6 * dlam;
        const double l8 = l4 * l4;

        grid.northing = k0 * (s + nu * sn *
                                      (c * l2 / 2.0 + c3 * l4 / 24.0 * (4.0 * p2 + p - t2) +
                                       c5 * l6 / 720.0 *
                                           (8.0 * p4 * (11.0 - 24.0 * t2) - 28.0 * p3 * (1.0 - 6.0 * t2) +
                                            p2 * (1.0 - 32.0 * t2) - 2.0 * p * t2 + t4) +
                                       c7 * l8 / 40320.0 * (1385.0 - 3111.0 * t2 + 543.0 * t4 - t6)));
        grid.easting =
            kFalseEastingFeet -
            k0 * nu *
                (c * dlam + c3 * l3 / 6.0 * (p - t2) +
                 c5 * l5 / 120.0 * (4.0 * p3 * (1.0 - 6.0 * t2) + p2 * (1.0 + 8.0 * t2) - 2.0 * p * t2 + t4) +
                 c7 * l7 / 5040.0 * (61.0 - 479.0 * t2 + 179.0 * t4 - t6));
        const double lc2 = l2 * c2;
        grid.convergence =
            -kDegPerRad * dlam * sn *
            (1.0 + lc2 / 3.0 * (2.0 * p2 - p) +
             lc2 * lc2 / 15.0 *
                 (p4 * (11.0 - 24.0 * t2) - p3 * (11.0 - 36.0 * t2) + 2.0 * p2 * (1.0 - 7.0 * t2) + p * t2) +
             lc2 * lc2 * lc2 / 315.0 * (17.0 - 26.0 * t2 + 2.0 * t4));
    }

    if (unit == Tm27Unit::Metres) {  // UTM: metres with its own false easting
        grid.easting = (grid.easting - kFalseEastingFeet) / kFeetPerMetre + kUtmFalseEasting;
        grid.northing = grid.northing / kFeetPerMetre;
    }
    return grid;
}

Tm27Geo TM27MI(double easting, double northing, double centralMeridian) {
    constexpr double k0 = kNovaScotia27Scale;
    const double x = (easting - kFalseEastingFeet) / kFeetPerMetre;
    const double y = northing / k0 / kFeetPerMetre;
    return inverse(x, y, k0, centralMeridian, 1e-12);
}

Tm27Geo TM27UI(double northing, double easting, double k0, double centralMeridian) {
    const double x = easting - kUtmFalseEasting;
    const double y = northing / k0;
    return inverse(x, y, k0, centralMeridian, 9.999999960041972e-13);
}

}  // namespace geodesy
