// Meridian arc and its inverse, the footpoint latitude (ATS77 family).
#include <cmath>

#include "geodesy/tmerc.h"

namespace geodesy {
namespace {

struct ArcCoefficients {
  double a0, a2, a4, a6, a8;
};

ArcCoefficients arcCoefficients(double a, double b) {
  const double e2 = (a * a - b * b) / (a * a);
  const double e4 = e2 * e2;
  const double e6 = e4 * e2;
  const double e8 = e6 * e2;
  ArcCoefficients k{};
  k.a0 = 1.0 - e2 * 0.25 - 3.0 * e4 * 0.015625 - 5.0 * e6 * 0.00390625 -
         175.0 * e8 * 6.103515625e-05;
  k.a2 = 0.375 * (e2 + e4 * 0.25 + 15.0 * e6 * 0.0078125 - 455.0 * e8 * 0.000244140625);
  k.a4 = 0.05859375 * (e4 + 3.0 * e6 * 0.25 - 77.0 * e8 * 0.0078125);
  k.a6 = 0.011393229166666666 * (e6 - 41.0 * e8 * 0.03125);
  k.a8 = -315.0 * 7.62939453125e-06 * e8;
  return k;
}

double arc(const ArcCoefficients& k, double a, double phi) {
  return a * (k.a0 * phi - k.a2 * std::sin(2.0 * phi) + k.a4 * std::sin(4.0 * phi) -
              k.a6 * std::sin(6.0 * phi) + k.a8 * std::sin(8.0 * phi));
}

constexpr int kMaxNewtonSteps = 100;

}  // namespace

double MERARC(double phi, double a, double b) {
  return arc(arcCoefficients(a, b), a, phi);
}

Footpoint FOOTPT(double a, double b, double s) {
  const ArcCoefficients k = arcCoefficients(a, b);
  Footpoint result;
  double phi = s / a;
  for (int step = 0; step < kMaxNewtonSteps; ++step) {
    const double slope = a * (k.a0 - 2.0 * k.a2 * std::cos(2.0 * phi) +
                              4.0 * k.a4 * std::cos(4.0 * phi) -
                              6.0 * k.a6 * std::cos(6.0 * phi) +
                              8.0 * k.a8 * std::cos(8.0 * phi));
    const double correction = (arc(k, a, phi) - s) / slope;
    phi -= correction;
    if (std::fabs(correction) < 1e-11) {
      result.phi1 = phi;
      return result;
    }
  }
  result.phi1 = phi;
  result.converged = false;
  return result;
}

}  // namespace geodesy
