// Double stereographic projection: Gauss's conformal sphere, then the
// stereographic plane (ATS77 family).
#include <algorithm>
#include <cmath>

#include "geodesy/stereo.h"

namespace geodesy {
namespace {

constexpr double kQuarterPi = 0.7853981633974483;
constexpr int kMaxNewtonSteps = 100;

// Far outside the grids rounding can push an arcsine argument past 1.
double safeAsin(double v) { return std::asin(std::clamp(v, -1.0, 1.0)); }

double eccentricityFactor(double e, double sinPhi) {
  return std::pow((1.0 - e * sinPhi) / (1.0 + e * sinPhi), e / 2.0);
}

}  // namespace

SphereParams DSPARM(double phi0, double lam0, double a, double b) {
  const double e2 = (a * a - b * b) / (a * a);
  SphereParams p;
  p.e = std::sqrt(e2);
  const double s0 = std::sin(phi0);
  const double c0 = std::cos(phi0);
  p.R = a * std::sqrt(1.0 - e2) / (1.0 - e2 * s0 * s0);
  p.n = std::sqrt(1.0 + e2 * c0 * c0 * c0 * c0 / (1.0 - e2));
  p.chi0 = safeAsin(s0 / p.n);
  p.Lam0 = p.n * lam0;
  p.c = std::tan(kQuarterPi + p.chi0 / 2.0) /
        std::pow(std::tan(kQuarterPi + phi0 / 2.0) * eccentricityFactor(p.e, s0), p.n);
  return p;
}

SpherePoint DSSPHR(double phi, double lam, double e, double a, double n, double c, double R) {
  const double s = std::sin(phi);
  const double w = c * std::pow(std::tan(kQuarterPi + phi / 2.0) * eccentricityFactor(e, s), n);
  SpherePoint p;
  p.chi = 2.0 * (std::atan(w) - kQuarterPi);
  p.Lam = n * lam;
  const double nu = a / std::sqrt(1.0 - e * e * s * s);
  p.m = n * R * std::cos(p.chi) / (nu * std::cos(phi));
  return p;
}

PlanePoint DSPLAN(double chi, double Lam, double falseEasting, double falseNorthing, double k0,
                  double chi0, double Lam0, double R) {
  const double dLam = Lam - Lam0;
  const double sc = std::sin(chi);
  const double cc = std::cos(chi);
  const double s0 = std::sin(chi0);
  const double c0 = std::cos(chi0);
  const double cd = std::cos(dLam);
  const double sd = std::sin(dLam);
  const double bb = 1.0 + sc * s0 + cc * c0 * cd;
  const double k = 2.0 * k0 * R;
  PlanePoint p;
  p.easting = falseEasting + k * cc * sd / bb;
  p.northing = falseNorthing + k * (sc * c0 - cc * s0 * cd) / bb;
  p.scale = 2.0 * k0 / bb;
  p.convergence = std::atan(sd * (sc + s0) / (cc * c0 + (1.0 + sc * s0) * cd));
  return p;
}

SphereCoords DSINVP(double easting, double northing, double falseEasting, double falseNorthing,
                    double k0, double R, double chi0, double Lam0) {
  const double x = (easting - falseEasting) / k0;
  const double y = (northing - falseNorthing) / k0;
  const double r = std::sqrt(x * x + y * y);
  const double delta = 2.0 * std::atan(r / (2.0 * R));
  double s = 1.0;
  double q = 0.0;
  if (r > 1e-16) {
    s = x / r;
    q = y / r;
  }
  SphereCoords p;
  p.chi = safeAsin(std::cos(delta) * std::sin(chi0) + q * std::sin(delta) * std::cos(chi0));
  p.Lam = Lam0 + safeAsin(s * std::sin(delta) / std::cos(p.chi));
  return p;
}

EllipsoidPoint DSELIP(double chi, double Lam, double n, double c, double e) {
  const double target = std::tan(kQuarterPi + chi / 2.0);
  EllipsoidPoint p;
  p.converged = false;
  double phi = chi;
  for (int step = 0; step < kMaxNewtonSteps; ++step) {
    const double s = std::sin(phi);
    const double g = eccentricityFactor(e, s);
    const double ta = std::tan(kQuarterPi + phi / 2.0);
    const double ca = std::cos(kQuarterPi + phi / 2.0);
    const double tt = ta * g;
    const double value = c * std::pow(tt, n) - target;
    const double slope = c * n * std::pow(tt, n - 1.0) * g *
                         (0.5 / (ca * ca) - ta * e * e * std::cos(phi) / (1.0 - e * e * s * s));
    const double correction = value / slope;
    phi -= correction;
    if (std::fabs(correction) <= 1e-11) {
      p.converged = true;
      break;
    }
  }
  p.phi = phi;
  p.lam = Lam / n;
  return p;
}

Mat2 DSJACO(double a, double b, double R, double n, double c, double k0, double phi,
            double chi, double chi0, double dLam, int direction) {
  const double quarterPi = std::acos(-1.0) / 4.0;
  const double e2 = (a * a - b * b) / (a * a);
  const double e = std::sqrt(e2);
  const double s = std::sin(phi);
  const double g = eccentricityFactor(e, s);
  const double ta = std::tan(quarterPi + phi / 2.0);
  const double ca = std::cos(quarterPi + phi / 2.0);
  const double tt = ta * g;
  const double w = c * std::pow(tt, n);
  const double dw = c * n * std::pow(tt, n - 1.0) * g *
                    (0.5 / (ca * ca) - ta * e2 * std::cos(phi) / (1.0 - e2 * s * s));
  const double dChi = 2.0 * dw / (1.0 + w * w);

  const double sc = std::sin(chi);
  const double cc = std::cos(chi);
  const double s0 = std::sin(chi0);
  const double c0 = std::cos(chi0);
  const double cd = std::cos(dLam);
  const double sd = std::sin(dLam);
  const double bb = 1.0 + sc * s0 + cc * c0 * cd;
  const double b2 = bb * bb;
  const double k = 2.0 * k0 * R;
  const double along = (cc * c0 + (1.0 + sc * s0) * cd) / b2;
  const double across = sd * (sc + s0) / b2;

  const double j11 = -dChi * k * across;
  const double j21 = dChi * k * along;
  const double j12 = n * cc * k * along;
  const double j22 = n * cc * k * across;
  if (direction >= 0) return {j11, j21, j12, j22};
  const double det = j11 * j22 - j12 * j21;
  return {j22 / det, -j21 / det, -j12 / det, j11 / det};
}

}  // namespace geodesy
