// Transverse Mercator series on the ATS77 ellipsoid (eta-squared form).
#include <cmath>

#include "geodesy/tmerc.h"

namespace geodesy {

TmGrid TMGRID(double phi, double dlam, double a, double b, double k0, double falseEasting,
              double /*centralMeridian*/) {
  double x = 0.0;
  double y = MERARC(phi, a, b);
  if (!(std::fabs(dlam) < 2e-9)) {
    const double e2 = (a * a - b * b) / (a * a);
    const double ep2 = (a * a - b * b) / (b * b);
    const double sn = std::sin(phi);
    const double c = std::cos(phi);
    const double t = std::tan(phi);
    const double t2 = t * t;
    const double t4 = t2 * t2;
    const double t6 = t4 * t2;
    const double h2 = ep2 * c * c;  // eta squared
    const double h4 = h2 * h2;
    const double h6 = h4 * h2;
    const double h8 = h4 * h4;
    const double nu = a / std::sqrt(1.0 - e2 * sn * sn);
    const double c3 = c * c * c;
    const double c5 = c3 * c * c;
    const double c7 = c5 * c * c;
    const double l2 = dlam * dlam;
    const double l3 = l2 * dlam;
    const double l4 = l2 * l2;
    const double l5 = l4 * dlam;
    const double l6 = l4 * l2;
    const double l7 = l6 * dlam;
    const double l8 = l4 * l4;

    x = nu * (c * dlam + c3 * l3 / 6.0 * (1.0 - t2 + h2) +
              c5 * l5 / 120.0 *
                  (5.0 - 18.0 * t2 + t4 + 14.0 * h2 - 58.0 * t2 * h2 + 13.0 * h4 + 4.0 * h6 -
                   64.0 * t2 * h4 - 24.0 * t2 * h6) +
              c7 * l7 / 5040.0 * (61.0 - 479.0 * t2 + 179.0 * t4 - t6));
    y += nu * sn *
         (c * l2 / 2.0 + c3 * l4 / 24.0 * (5.0 - t2 + 9.0 * h2 + 4.0 * h4) +
          c5 * l6 / 720.0 *
              (61.0 - 58.0 * t2 + t4 + 270.0 * h2 - 330.0 * t2 * h2 + 445.0 * h4 + 324.0 * h6 -
               680.0 * t2 * h4 + 88.0 * h8 - 600.0 * t2 * h6 - 192.0 * t2 * h8) +
          c7 * l8 / 40320.0 * (1385.0 - 3111.0 * t2 + 543.0 * t4 - t6));
  }
  TmGrid grid;
  grid.easting = k0 * x + falseEasting;
  grid.northing = k0 * y;
  return grid;
}

TmGeo TMGEO(double easting, double northing, double a, double b, double k0,
            double falseEasting, double centralMeridian) {
  const double x = (easting - falseEasting) / k0;
  const double y = northing / k0;
  const Footpoint foot = FOOTPT(a, b, y);
  const double phi1 = foot.phi1;

  const double e2 = (a * a - b * b) / (a * a);
  const double ep2 = (a * a - b * b) / (b * b);
  const double sn = std::sin(phi1);
  const double c1 = std::cos(phi1);
  const double t = std::tan(phi1);
  const double t2 = t * t;
  const double t4 = t2 * t2;
  const double t6 = t4 * t2;
  const double h2 = ep2 * c1 * c1;
  const double h4 = h2 * h2;
  const double h6 = h4 * h2;
  const double h8 = h4 * h4;
  const double w = std::sqrt(1.0 - e2 * sn * sn);
  const double nu = a / w;
  const double rho = a * (1.0 - e2) / (w * w * w);
  const double nu3 = nu * nu * nu;
  const double nu5 = nu3 * nu * nu;
  const double nu7 = nu5 * nu * nu;
  const double x2 = x * x;
  const double x4 = x2 * x2;
  const double x6 = x4 * x2;
  const double x8 = x4 * x4;
  const double q = x / nu;
  const double q3 = q * q * q;
  const double q5 = q3 * q * q;
  const double q7 = q5 * q * q;

  TmGeo geo;
  geo.converged = foot.converged;
  geo.phi = phi1 - t * x2 / (2.0 * rho * nu) +
            t * x4 / (24.0 * rho * nu3) * (5.0 + 3.0 * t2 + h2 - 4.0 * h4 - 9.0 * t2 * h2) -
            t * x6 / (720.0 * rho * nu5) *
                (61.0 + 90.0 * t2 + 46.0 * h2 + 45.0 * t4 - 252.0 * t2 * h2 - 3.0 * h4 +
                 100.0 * h6 - 66.0 * t2 * h4 - 90.0 * t4 * h2 + 88.0 * h8 + 225.0 * t4 * h4 +
                 84.0 * t2 * h6 - 192.0 * t2 * h8) +
            t * x8 / (40320.0 * rho * nu7) * (1385.0 + 3633.0 * t2 + 4095.0 * t4 + 1575.0 * t6);
  geo.lam = centralMeridian +
            (q - q3 / 6.0 * (1.0 + 2.0 * t2 + h2) +
             q5 / 120.0 *
                 (5.0 + 6.0 * h2 + 28.0 * t2 - 3.0 * h4 + 8.0 * t2 * h2 + 24.0 * t4 - 4.0 * h6 +
                  4.0 * t2 * h4 + 24.0 * t2 * h6) -
             q7 / 5040.0 * (61.0 + 662.0 * t2 + 1320.0 * t4 + 720.0 * t6)) /
                c1;
  return geo;
}

TmConvergence TMCONV(double phi, double dlam, double k0, double a, double b) {
  const double ep2 = (a * a - b * b) / (b * b);
  const double c = std::cos(phi);
  const double t = std::tan(phi);
  const double t2 = t * t;
  const double h2 = ep2 * c * c;
  const double h4 = h2 * h2;
  const double lc2 = dlam * dlam * c * c;
  const double lc4 = lc2 * lc2;
  TmConvergence result;
  result.convergence =
      dlam * std::sin(phi) * (1.0 + lc2 / 3.0 * (1.0 + 3.0 * h2 + 2.0 * h4) + lc4 / 15.0 * (2.0 - t2));
  result.scale = k0 * (1.0 + lc2 / 2.0 * (1.0 + h2) + lc4 / 24.0 * (5.0 - 4.0 * t2));
  return result;
}

}  // namespace geodesy
