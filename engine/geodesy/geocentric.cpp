#include "geodesy/geocentric.h"

#include <cmath>

namespace geodesy {

Geocentric GEOXYZ(double phi, double lambda, double h, double dx, double dy, double dz, double a, double b) {
    const double e2 = (a * a - b * b) / (a * a);
    const double s = std::sin(phi);
    const double n = a / std::sqrt(1.0 - e2 * s * s);
    return {(n + h) * std::cos(phi) * std::cos(lambda) + dx, (n + h) * std::cos(phi) * std::sin(lambda) + dy,
            (n * (1.0 - e2) + h) * s + dz};
}

Geodetic XYZGEO(double a, double b, double dx, double dy, double dz, double x, double y, double z) {
    const double e2 = (a * a - b * b) / (a * a);
    const double px = x - dx;
    const double py = y - dy;
    const double pz = z - dz;
    const double p = std::sqrt(px * px + py * py);
    const double r = std::sqrt(p * p + pz * pz);

    Geodetic out;
    double h = r - std::sqrt(a * b);
    double phi = std::atan((pz / p) / (1.0 - e2 * a / (a + h)));
    const double ba2 = (b * b) / (a * a);
    double phiNext = phi;
    double hNext = h;
    out.converged = false;
    for (int i = 1; i <= kXyzgeoMaxIterations; ++i) {
        const double c = std::cos(phi);
        const double s = std::sin(phi);
        const double n = a / std::sqrt(c * c + ba2 * s * s);
        hNext = p / c - n;
        phiNext = std::atan((pz / p) / (1.0 - e2 * n / (n + hNext)));
        out.iterations = i;
        if (std::fabs(phiNext - phi) < 1e-10 && std::fabs(hNext - h) < a * 1e-10) {
            out.converged = true;
            break;
        }
        phi = phiNext;
        h = hNext;
    }
    out.phi = phiNext;
    out.h = hNext;
    out.lambda = std::atan(py / px);
    return out;
}

}  // namespace geodesy
