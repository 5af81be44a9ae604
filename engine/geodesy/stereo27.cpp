// NAD27 stereographic grids of New Brunswick and Prince Edward Island:
// forward through distance and azimuth from the grid origin, inverse by the
// empirical polynomials fitted to each grid.
#include <cmath>

#include "geodesy/grids.h"
#include "geodesy/stereo27.h"

namespace geodesy {
namespace {

// Clarke 1866 constants as single-precision values.
constexpr double kE2 = 0.006768657825887203;
constexpr double kEp2 = 0.006814784836024046;
constexpr double kA = kClarke1866.a;
constexpr double kAOneMinusE2 = 6335034.503335517;
constexpr double kDegPerRad = 57.2957795;
constexpr double kLog10E = 0.4342945;
constexpr double kK1 = 5.5122362532488266e-06;
constexpr double kK2 = 1.1024472506497653e-05;
constexpr double kK3 = 1.653670875974648e-05;
constexpr double kMetresPerFoot = 0.30480000376701355;

constexpr const Stereo27Grid& kNewBrunswick = kNewBrunswickStereo27;
constexpr const Stereo27Grid& kPrinceEdwardIsland = kPrinceEdwardIslandStereo27;

double sinDeg(double d) { return std::sin(d / kDegPerRad); }
double cosDeg(double d) { return std::cos(d / kDegPerRad); }

}  // namespace

St27Grid ST27FW(double phi, double lam, int province) {
    const Stereo27Grid& g = province == 3 ? kPrinceEdwardIsland : kNewBrunswick;
    const double dPhi = phi - g.phi0;
    const double dLam = g.lam0 - lam;  // positive east

    St27Grid out;
    if (dPhi == 0.0 && dLam == 0.0) {
        out.easting = g.falseEasting;
        out.northing = g.falseNorthing;
        out.convergence = 0.0;
        return out;
    }

    const double phiM = (g.phi0 + phi) / 2.0;
    const double s = sinDeg(phiM);
    const double c = cosDeg(phiM);
    const double tn = std::tan(phiM / kDegPerRad);
    const double t2 = tn * tn;
    const double h2 = kEp2 * c * c;
    const double v2 = 1.0 + h2;
    const double v4 = v2 * v2;
    const double w = std::sqrt(1.0 - kE2 * s * s);
    const double nm = kA / w;
    const double mm = kAOneMinusE2 / (w * w * w);
    const double rm = kDegPerRad / mm;
    const double f1 = kK1 / kLog10E;
    const double f2 = kK2 / kLog10E;
    const double f3 = kK3 / kLog10E;
    const double dPhi2 = dPhi * dPhi;
    const double dLam2 = dLam * dLam;

    const double x = (dLam * c * nm / kDegPerRad) * (1.0 - s * s * dLam2 * f1 + (v2 - 9.0 * h2 * t2) / v4 * dPhi2 * f1);
    const double y = (dPhi * cosDeg(dLam / 2.0) / rm) * (1.0 + dLam2 * c * c * (1.0 - 2.0 * h2) * f1 -
                                                         h2 * (t2 - 1.0 - h2 - 4.0 * t2 * h2) / v4 * dPhi2 * f3);
    const double gamma =
        dLam * s * (1.0 + c * c * dLam2 * v2 * f2 + dPhi2 * (3.0 + 8.0 * h2 + 5.0 * h2 * h2) / v4 * f1);

    double alpha = 0.0;
    if (dPhi != 0.0) {
        alpha = std::atan(x / y) * kDegPerRad;
        if (dPhi < 0.0) alpha += 180.0;
        if (dLam < 0.0) alpha += 360.0;
    } else {
        alpha = dLam > 0.0 ? 90.0 : 270.0;
    }

    const double sa = sinDeg(alpha);
    const double ca = cosDeg(alpha);
    const double dist = std::fabs(sa) >= std::fabs(ca) ? x / sa : y / ca;
    const double sf = dist / kMetresPerFoot;
    const double sf3 = sf * sf * sf;
    const double rho =
        sf + 1.9020000422631186e-16 * sf3 - g.radiusConstant * sf + 4.342999942584049e-32 * sf3 * sf * sf;
    double beta = alpha - gamma / 2.0;
    if (beta < 0.0) beta += 360.0;

    out.easting = g.falseEasting + rho * sinDeg(beta);
    out.northing = g.falseNorthing + rho * cosDeg(beta);
    out.convergence = gamma;
    return out;
}

St27Geo NB27IN(double easting, double northing) {
    const double u = (easting - kNewBrunswick.falseEasting) / 1000000.0;
    const double v = (northing - kNewBrunswick.falseNorthing) / 1000000.0;
    const double u2 = u * u;
    const double u3 = u2 * u;
    const double u4 = u2 * u2;
    const double u5 = u4 * u;
    const double v2 = v * v;
    const double v3 = v2 * v;
    St27Geo out;
    out.phi = 46.5 + (9872.0033724 * v - 248.1452114 * u2 - 2.400224 * v2 - 17.9973728 * u2 * v - 1.8776066 * v3 +
                      0.2988811 * u4 - 0.923441 * u2 * v2 + 0.0573046 * u4 * v) /
                         3600.0;
    out.lam = 66.5 + (-14295.2945665 * u - 718.6600649 * u * v - 0.0007206 * u2 - 44.2990316 * u * v2 +
                      14.8300635 * u3 - 2.5941871 * u * v3 + 2.6302648 * u3 * v - 0.1245733 * u5) /
                         3600.0;
    const double phiM = (out.phi + 46.5) / 2.0;
    out.convergence = sinDeg(phiM) * (out.lam - 66.5);
    return out;
}

St27Geo PE27IN(double easting, double northing) {
    const double u = (easting - kPrinceEdwardIsland.falseEasting) / 1000000.0;
    const double v = (northing - kPrinceEdwardIsland.falseNorthing) / 1000000.0;
    const double u2 = u * u;
    const double u3 = u2 * u;
    const double u4 = u2 * u2;
    const double u5 = u4 * u;
    const double v2 = v * v;
    const double v3 = v2 * v;
    St27Geo out;
    out.phi = 47.25 + (9870.6891293778 * v - 254.6983005676 * u2 - 2.3987828443 * v2 - 18.6648134741 * u2 * v -
                       1.8726875279 * v3 + 0.3199826986 * u4 - 0.9506883746 * u2 * v2 + 0.0865735292 * u4 * v) /
                          3600.0;
    out.lam = 63.0 + (-14495.8527985729 * u - 748.104281229 * u * v - 0.000793831 * u2 - 46.8903918464 * u * v2 +
                      15.7092921386 * u3 - 2.7717043621 * u * v3 + 2.9185103659 * u3 * v - 0.2367355752 * u5) /
                         3600.0;
    const double phiM = (out.phi + 47.25) / 2.0;
    out.convergence = -sinDeg(phiM) * (out.lam - 63.0);
    return out;
}

}  // namespace geodesy
