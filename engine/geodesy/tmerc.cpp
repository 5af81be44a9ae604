// Transverse Mercator series on the ATS77 ellipsoid (eta-squared form).
#include <cmath>

#include "geodesy/tmerc.h"
#include "geodesy/tmerc_series.h"

namespace geodesy {
namespace detail {

TmGrid tmGridFromTrig(const TmEllipsoid& k, double phi, double sn, double c, double dlam, double k0,
                      double falseEasting) {
    double x = 0.0;
    double y = arcFromLatitudeTrig(k, phi, sn, c);
    if (!(std::fabs(dlam) < 2e-9)) {
        const double t2 = (sn / c) * (sn / c);
        const double t4 = t2 * t2;
        const double t6 = t4 * t2;
        const double h2 = k.ep2 * c * c;  // eta squared
        const double h4 = h2 * h2;
        const double h6 = h4 * h2;
        const double h8 = h4 * h4;
        const double nu = k.a / std::sqrt(1.0 - k.e2 * sn * sn);
        // Powers of c dlam, in Horner form.
        const double u = c * dlam;
        const double u2 = u * u;
        const double p3 = (1.0 - t2 + h2) * (1.0 / 6.0);
        const double p5 = (5.0 - 18.0 * t2 + t4 + 14.0 * h2 - 58.0 * t2 * h2 + 13.0 * h4 + 4.0 * h6 - 64.0 * t2 * h4 -
                           24.0 * t2 * h6) *
                          (1.0 / 120.0);
        const double p7 = (61.0 - 479.0 * t2 + 179.0 * t4 - t6) * (1.0 / 5040.0);
        x = nu * u * (1.0 + u2 * (p3 + u2 * (p5 + u2 * p7)));
        const double q4 = (5.0 - t2 + 9.0 * h2 + 4.0 * h4) * (1.0 / 24.0);
        const double q6 = (61.0 - 58.0 * t2 + t4 + 270.0 * h2 - 330.0 * t2 * h2 + 445.0 * h4 + 324.0 * h6 -
                           680.0 * t2 * h4 + 88.0 * h8 - 600.0 * t2 * h6 - 192.0 * t2 * h8) *
                          (1.0 / 720.0);
        const double q8 = (1385.0 - 3111.0 * t2 + 543.0 * t4 - t6) * (1.0 / 40320.0);
        y += nu * sn * c * dlam * dlam * (0.5 + u2 * (q4 + u2 * (q6 + u2 * q8)));
    }
    TmGrid grid;
    grid.easting = k0 * x + falseEasting;
    grid.northing = k0 * y;
    return grid;
}

TmConvergence tmConvergenceFromTrig(const TmEllipsoid& k, double sn, double c, double dlam, double k0) {
    const double t2 = (sn / c) * (sn / c);
    const double h2 = k.ep2 * c * c;
    const double h4 = h2 * h2;
    const double lc2 = dlam * dlam * c * c;
    TmConvergence result;
    result.convergence =
        dlam * sn * (1.0 + lc2 * ((1.0 + 3.0 * h2 + 2.0 * h4) * (1.0 / 3.0) + lc2 * (2.0 - t2) * (1.0 / 15.0)));
    result.scale = k0 * (1.0 + lc2 * ((1.0 + h2) * 0.5 + lc2 * (5.0 - 4.0 * t2) * (1.0 / 24.0)));
    return result;
}

TmGeoTrig tmGeoWithTrig(const TmEllipsoid& k, double easting, double northing, double k0, double falseEasting,
                        double centralMeridian) {
    const double x = (easting - falseEasting) / k0;
    const double y = northing / k0;
    const FootpointTrig foot = footpointWithTrig(k, y);
    const double phi1 = foot.foot.phi1;
    const double sn = foot.sinPhi1;
    const double c1 = foot.cosPhi1;
    const double inverseC1 = 1.0 / c1;
    const double t = sn * inverseC1;
    const double t2 = t * t;
    const double t4 = t2 * t2;
    const double t6 = t4 * t2;
    const double h2 = k.ep2 * c1 * c1;
    const double h4 = h2 * h2;
    const double h6 = h4 * h2;
    const double h8 = h4 * h4;
    const double w2 = 1.0 - k.e2 * sn * sn;
    // x^(2j) / (rho nu^(2j-1)) = (nu / rho) q^(2j), and nu / rho = W^2 / (1 - e^2).
    const double psi = w2 * k.inverseOneMinusE2;
    const double q = x * std::sqrt(w2) * k.inverseA;  // x / nu
    const double q2 = q * q;

    const double f4 = (5.0 + 3.0 * t2 + h2 - 4.0 * h4 - 9.0 * t2 * h2) * (1.0 / 24.0);
    const double f6 =
        (61.0 + 90.0 * t2 + 46.0 * h2 + 45.0 * t4 - 252.0 * t2 * h2 - 3.0 * h4 + 100.0 * h6 - 66.0 * t2 * h4 -
         90.0 * t4 * h2 + 88.0 * h8 + 225.0 * t4 * h4 + 84.0 * t2 * h6 - 192.0 * t2 * h8) *
        (1.0 / 720.0);
    const double f8 = (1385.0 + 3633.0 * t2 + 4095.0 * t4 + 1575.0 * t6) * (1.0 / 40320.0);
    const double g3 = (1.0 + 2.0 * t2 + h2) * (1.0 / 6.0);
    const double g5 = (5.0 + 6.0 * h2 + 28.0 * t2 - 3.0 * h4 + 8.0 * t2 * h2 + 24.0 * t4 - 4.0 * h6 + 4.0 * t2 * h4 +
                       24.0 * t2 * h6) *
                      (1.0 / 120.0);
    const double g7 = (61.0 + 662.0 * t2 + 1320.0 * t4 + 720.0 * t6) * (1.0 / 5040.0);

    TmGeoTrig out;
    out.geo.converged = foot.foot.converged;
    const double dphi = t * psi * q2 * (0.5 - q2 * (f4 - q2 * (f6 - q2 * f8)));
    out.geo.phi = phi1 - dphi;
    out.geo.lam = centralMeridian + q * (1.0 - q2 * (g3 - q2 * (g5 - q2 * g7))) * inverseC1;
    out.sinPhi = sn;
    out.cosPhi = c1;
    rotateBack(out.sinPhi, out.cosPhi, dphi, out.geo.phi);
    return out;
}

}  // namespace detail

TmGrid TMGRID(double phi, double dlam, double a, double b, double k0, double falseEasting, double /*centralMeridian*/) {
    return detail::tmGridFromTrig(detail::tmEllipsoid(a, b), phi, std::sin(phi), std::cos(phi), dlam, k0, falseEasting);
}

TmGeo TMGEO(double easting, double northing, double a, double b, double k0, double falseEasting,
            double centralMeridian) {
    return detail::tmGeoWithTrig(detail::tmEllipsoid(a, b), easting, northing, k0, falseEasting, centralMeridian).geo;
}

TmConvergence TMCONV(double phi, double dlam, double k0, double a, double b) {
    return detail::tmConvergenceFromTrig(detail::tmEllipsoid(a, b), std::sin(phi), std::cos(phi), dlam, k0);
}

}  // namespace geodesy
