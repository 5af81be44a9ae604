// Double stereographic projection: Gauss's conformal sphere, then the
// stereographic plane (ATS77 family).
#include <algorithm>
#include <cmath>

#include "geodesy/stereo.h"
#include "geodesy/stereo_series.h"

namespace geodesy {
namespace {

constexpr double kQuarterPi = 0.7853981633974483;
constexpr int kMaxNewtonSteps = 100;

// Far outside the grids rounding can push an arcsine argument past 1.
double safeAsin(double v) { return std::asin(std::clamp(v, -1.0, 1.0)); }

double eccentricityFactor(double e, double sinPhi) {
    return std::pow((1.0 - e * sinPhi) / (1.0 + e * sinPhi), e / 2.0);
}

detail::SinCos sinCos(double angle) { return {std::sin(angle), std::cos(angle)}; }

// atanh(x) for the small |x| <= e |sin phi| met here, by its odd series.
double atanhSmall(double x) {
    // 1/3, 1/5, ... 1/19: the first term left out, x^21/21, is below 1e-20 x for |x| <= 0.1.
    constexpr double kInverseOdd[9] = {1.0 / 3.0,  1.0 / 5.0,  1.0 / 7.0,  1.0 / 9.0, 1.0 / 11.0,
                                       1.0 / 13.0, 1.0 / 15.0, 1.0 / 17.0, 1.0 / 19.0};
    if (!(std::fabs(x) <= 0.1)) return std::atanh(x);
    const double x2 = x * x;
    double sum = kInverseOdd[8];
    for (int k = 7; k >= 0; --k) sum = kInverseOdd[k] + x2 * sum;
    return x + x * x2 * sum;
}

// log of T(phi) = tan(pi/4 + phi/2) ((1 - e sin phi)/(1 + e sin phi))^(e/2),
// the isometric latitude, which turns the two powers into one exponential.
double logT(double e, detail::SinCos phi) { return std::log((1.0 + phi.s) / phi.c) - e * atanhSmall(e * phi.s); }

}  // namespace

namespace detail {

SinCos originTrig(double chi0) {
    // One cache per thread: stations are projected on two threads at once.
    thread_local double cachedChi0 = 0.0;
    thread_local SinCos cached{0.0, 1.0};
    if (!(chi0 == cachedChi0)) {
        cached = sinCos(chi0);
        cachedChi0 = chi0;
    }
    return cached;
}

SphereTrig sphereWithTrig(double phi, double lam, double e, double a, double n, double c, double R) {
    const SinCos p = sinCos(phi);
    const double w = c * std::exp(n * logT(e, p));
    SphereTrig out;
    out.w = w;
    out.point.Lam = n * lam;
    // chi = 2 arctan w - pi/2.
    const double w2 = w * w;
    out.chi = {(w2 - 1.0) / (w2 + 1.0), 2.0 * w / (w2 + 1.0)};
    const double nu = a / std::sqrt(1.0 - e * e * p.s * p.s);
    out.point.m = n * R * out.chi.c / (nu * p.c);
    return out;
}

PlanePoint planeFromTrig(SinCos chi, double dLam, double falseEasting, double falseNorthing, double k0, SinCos chi0,
                         double R) {
    const double sc = chi.s;
    const double cc = chi.c;
    const double s0 = chi0.s;
    const double c0 = chi0.c;
    const SinCos d = sinCos(dLam);
    const double bb = 1.0 + sc * s0 + cc * c0 * d.c;
    const double k = 2.0 * k0 * R;
    PlanePoint p;
    p.easting = falseEasting + k * cc * d.s / bb;
    p.northing = falseNorthing + k * (sc * c0 - cc * s0 * d.c) / bb;
    p.scale = 2.0 * k0 / bb;
    p.convergence = std::atan(d.s * (sc + s0) / (cc * c0 + (1.0 + sc * s0) * d.c));
    return p;
}

SphereCoords sphereFromPlane(double easting, double northing, double falseEasting, double falseNorthing, double k0,
                             double R, SinCos chi0, double Lam0) {
    const double x = (easting - falseEasting) / k0;
    const double y = (northing - falseNorthing) / k0;
    const double r = std::sqrt(x * x + y * y);
    const SinCos delta = sinCos(2.0 * std::atan(r / (2.0 * R)));
    double s = 1.0;
    double q = 0.0;
    if (r > 1e-16) {
        s = x / r;
        q = y / r;
    }
    SphereCoords p;
    p.chi = safeAsin(delta.c * chi0.s + q * delta.s * chi0.c);
    p.Lam = Lam0 + safeAsin(s * delta.s / std::cos(p.chi));
    return p;
}

Mat2 stereoJacobian(double a, double b, double R, double n, double c, double k0, double phi, SinCos chi, SinCos chi0,
                    double dLam, int direction) {
    static const double quarterPi = std::acos(-1.0) / 4.0;
    const double e2 = (a * a - b * b) / (a * a);
    const double e = std::sqrt(e2);
    const SinCos p = sinCos(phi);
    const double g = eccentricityFactor(e, p.s);
    const double ta = std::tan(quarterPi + phi / 2.0);
    const double ca = std::cos(quarterPi + phi / 2.0);
    const double tt = ta * g;
    const double w = c * std::pow(tt, n);
    const double dw = c * n * std::pow(tt, n - 1.0) * g * (0.5 / (ca * ca) - ta * e2 * p.c / (1.0 - e2 * p.s * p.s));
    const double dChi = 2.0 * dw / (1.0 + w * w);

    const double sc = chi.s;
    const double cc = chi.c;
    const double s0 = chi0.s;
    const double c0 = chi0.c;
    const SinCos d = sinCos(dLam);
    const double bb = 1.0 + sc * s0 + cc * c0 * d.c;
    const double b2 = bb * bb;
    const double k = 2.0 * k0 * R;
    const double along = (cc * c0 + (1.0 + sc * s0) * d.c) / b2;
    const double across = d.s * (sc + s0) / b2;

    const double j11 = -dChi * k * across;
    const double j21 = dChi * k * along;
    const double j12 = n * cc * k * along;
    const double j22 = n * cc * k * across;
    if (direction >= 0) return {j11, j21, j12, j22};
    const double det = j11 * j22 - j12 * j21;
    return {j22 / det, -j21 / det, -j12 / det, j11 / det};
}

}  // namespace detail

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
    const detail::SphereTrig s = detail::sphereWithTrig(phi, lam, e, a, n, c, R);
    SpherePoint p = s.point;
    p.chi = 2.0 * (std::atan(s.w) - kQuarterPi);
    return p;
}

PlanePoint DSPLAN(double chi, double Lam, double falseEasting, double falseNorthing, double k0, double chi0,
                  double Lam0, double R) {
    return detail::planeFromTrig(sinCos(chi), Lam - Lam0, falseEasting, falseNorthing, k0, detail::originTrig(chi0), R);
}

SphereCoords DSINVP(double easting, double northing, double falseEasting, double falseNorthing, double k0, double R,
                    double chi0, double Lam0) {
    return detail::sphereFromPlane(easting, northing, falseEasting, falseNorthing, k0, R, detail::originTrig(chi0),
                                   Lam0);
}

EllipsoidPoint DSELIP(double chi, double Lam, double n, double c, double e) {
    const double target = std::tan(kQuarterPi + chi / 2.0);
    const double e2 = e * e;
    EllipsoidPoint p;
    p.converged = false;
    double phi = chi;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const detail::SinCos sp = sinCos(phi);
        const double power = c * std::exp(n * logT(e, sp));
        const double value = power - target;
        // d/dphi of c T^n is c T^n n (1 - e^2) / (cos phi (1 - e^2 sin^2 phi)).
        const double slope = power * n * (1.0 - e2) / (sp.c * (1.0 - e2 * sp.s * sp.s));
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

Mat2 DSJACO(double a, double b, double R, double n, double c, double k0, double phi, double chi, double chi0,
            double dLam, int direction) {
    return detail::stereoJacobian(a, b, R, n, c, k0, phi, sinCos(chi), detail::originTrig(chi0), dLam, direction);
}

}  // namespace geodesy
