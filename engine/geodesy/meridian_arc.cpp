// Meridian arc and its inverse, the footpoint latitude (ATS77 family).
#include <cmath>

#include "geodesy/ellipsoids.h"
#include "geodesy/tmerc.h"
#include "geodesy/tmerc_series.h"

namespace geodesy {
namespace detail {

TmEllipsoid makeTmEllipsoid(double a, double b) {
    TmEllipsoid k;
    k.a = a;
    k.b = b;
    const double e2 = (a * a - b * b) / (a * a);
    const double e4 = e2 * e2;
    const double e6 = e4 * e2;
    const double e8 = e6 * e2;
    k.e2 = e2;
    k.ep2 = (a * a - b * b) / (b * b);
    k.a0 = 1.0 - e2 * 0.25 - 3.0 * e4 * 0.015625 - 5.0 * e6 * 0.00390625 - 175.0 * e8 * 6.103515625e-05;
    k.a2 = 0.375 * (e2 + e4 * 0.25 + 15.0 * e6 * 0.0078125 - 455.0 * e8 * 0.000244140625);
    k.a4 = 0.05859375 * (e4 + 3.0 * e6 * 0.25 - 77.0 * e8 * 0.0078125);
    k.a6 = 0.011393229166666666 * (e6 - 41.0 * e8 * 0.03125);
    k.a8 = -315.0 * 7.62939453125e-06 * e8;
    // sin 2j phi = sin 2phi U(j-1)(cos 2phi): U0 = 1, U1 = 2x, U2 = 4x^2 - 1, U3 = 8x^3 - 4x.
    const double b1 = -k.a2, b2 = k.a4, b3 = -k.a6, b4 = k.a8;
    k.sinPoly[0] = b1 - b3;
    k.sinPoly[1] = 2.0 * b2 - 4.0 * b4;
    k.sinPoly[2] = 4.0 * b3;
    k.sinPoly[3] = 8.0 * b4;
    // cos 2j phi = T(j)(cos 2phi): T1 = x, T2 = 2x^2 - 1, T3 = 4x^3 - 3x, T4 = 8x^4 - 8x^2 + 1;
    // the derivative's coefficients are 2j b(j).
    const double d1 = 2.0 * b1, d2 = 4.0 * b2, d3 = 6.0 * b3, d4 = 8.0 * b4;
    k.cosPoly[0] = d4 - d2;
    k.cosPoly[1] = d1 - 3.0 * d3;
    k.cosPoly[2] = 2.0 * d2 - 8.0 * d4;
    k.cosPoly[3] = 4.0 * d3;
    k.cosPoly[4] = 8.0 * d4;
    k.inverseA = 1.0 / a;
    k.inverseOneMinusE2 = 1.0 / (1.0 - e2);
    return k;
}

namespace {

// -A2 sin 2phi + A4 sin 4phi - A6 sin 6phi + A8 sin 8phi from one sine and
// cosine of 2phi, the cubic evaluated in Estrin's form for a short chain.
double sineSeries(const TmEllipsoid& k, double s2, double c2) {
    const double* p = k.sinPoly;
    const double x2 = c2 * c2;
    return s2 * ((p[0] + p[1] * c2) + x2 * (p[2] + p[3] * c2));
}

// The derivative's series -2A2 cos 2phi + 4A4 cos 4phi - 6A6 cos 6phi +
// 8A8 cos 8phi, likewise.
double cosineSeries(const TmEllipsoid& k, double c2) {
    const double* p = k.cosPoly;
    const double x2 = c2 * c2;
    return (p[0] + p[1] * c2) + x2 * ((p[2] + p[3] * c2) + x2 * p[4]);
}

}  // namespace

const TmEllipsoid& ats77Series() {
    static const TmEllipsoid k = makeTmEllipsoid(kAts77.a, kAts77.b);
    return k;
}

TmEllipsoid tmEllipsoid(double a, double b) {
    if (a == kAts77.a && b == kAts77.b) return ats77Series();
    return makeTmEllipsoid(a, b);
}

double arcFromTrig(const TmEllipsoid& k, double phi, double sin2phi, double cos2phi) {
    return k.a * (k.a0 * phi + sineSeries(k, sin2phi, cos2phi));
}

double arcFromLatitudeTrig(const TmEllipsoid& k, double phi, double sinPhi, double cosPhi) {
    return arcFromTrig(k, phi, 2.0 * sinPhi * cosPhi, (cosPhi - sinPhi) * (cosPhi + sinPhi));
}

void rotateBack(double& sinPhi, double& cosPhi, double d, double newPhi) {
    if (!(std::fabs(d) < 0.02)) {
        sinPhi = std::sin(newPhi);
        cosPhi = std::cos(newPhi);
        return;
    }
    // Taylor series of sin d and cos d - 1; the first omitted terms are below
    // 1e-19 relative for |d| < 0.02.
    const double d2 = d * d;
    double sd = 0.0;
    double cm1 = 0.0;
    if (std::fabs(d) < 1e-4) {
        // The last Newton steps: d^5/120 is below 1e-18 relative.
        sd = d * (1.0 - d2 * (1.0 / 6.0));
        cm1 = -d2 * 0.5 * (1.0 - d2 * (1.0 / 12.0));
    } else if (std::fabs(d) < 4e-3) {
        // The first footpoint step and the TMGEO latitude series: d^7/5040 is below 1e-18 relative.
        sd = d * (1.0 - d2 * (1.0 / 6.0) * (1.0 - d2 * (1.0 / 20.0)));
        cm1 = -d2 * 0.5 * (1.0 - d2 * (1.0 / 12.0) * (1.0 - d2 * (1.0 / 30.0)));
    } else {
        sd = d * (1.0 - d2 * (1.0 / 6.0) * (1.0 - d2 * (1.0 / 20.0) * (1.0 - d2 * (1.0 / 42.0))));
        cm1 = -d2 * 0.5 * (1.0 - d2 * (1.0 / 12.0) * (1.0 - d2 * (1.0 / 30.0) * (1.0 - d2 * (1.0 / 56.0))));
    }
    const double s = sinPhi;
    const double c = cosPhi;
    sinPhi = s + (s * cm1 - c * sd);
    cosPhi = c + (c * cm1 + s * sd);
}

namespace {
constexpr int kMaxNewtonSteps = 100;
}  // namespace

FootpointTrig footpointWithTrig(const TmEllipsoid& k, double s) {
    FootpointTrig result;
    double phi = s / k.a;
    double sn = std::sin(phi);
    double cs = std::cos(phi);
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const double s2 = 2.0 * sn * cs;
        const double c2 = (cs - sn) * (cs + sn);
        const double slope = k.a * (k.a0 + cosineSeries(k, c2));
        const double correction = (arcFromTrig(k, phi, s2, c2) - s) / slope;
        phi -= correction;
        rotateBack(sn, cs, correction, phi);
        if (std::fabs(correction) < 1e-11) {
            result.foot.phi1 = phi;
            result.sinPhi1 = sn;
            result.cosPhi1 = cs;
            return result;
        }
    }
    result.foot.phi1 = phi;
    result.foot.converged = false;
    result.sinPhi1 = sn;
    result.cosPhi1 = cs;
    return result;
}

}  // namespace detail

double MERARC(double phi, double a, double b) {
    return detail::arcFromLatitudeTrig(detail::tmEllipsoid(a, b), phi, std::sin(phi), std::cos(phi));
}

Footpoint FOOTPT(double a, double b, double s) { return detail::footpointWithTrig(detail::tmEllipsoid(a, b), s).foot; }

}  // namespace geodesy
