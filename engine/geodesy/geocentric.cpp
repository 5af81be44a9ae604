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

namespace {

// Points taken side by side: enough to fill the gaps of one point's chain.
constexpr std::size_t kLanes = 4;

void xyzgeoLanes(double a, double b, double dx, double dy, double dz, const double* x, const double* y, const double* z,
                 Geodetic* out, std::size_t lanes) {
    const double e2 = (a * a - b * b) / (a * a);
    const double ba2 = (b * b) / (a * a);
    double px[kLanes], py[kLanes], pz[kLanes], p[kLanes], phi[kLanes], h[kLanes], phiNext[kLanes], hNext[kLanes];
    bool settled[kLanes];
    for (std::size_t l = 0; l < lanes; ++l) {
        px[l] = x[l] - dx;
        py[l] = y[l] - dy;
        pz[l] = z[l] - dz;
        p[l] = std::sqrt(px[l] * px[l] + py[l] * py[l]);
        const double r = std::sqrt(p[l] * p[l] + pz[l] * pz[l]);
        h[l] = r - std::sqrt(a * b);
        phi[l] = std::atan((pz[l] / p[l]) / (1.0 - e2 * a / (a + h[l])));
        phiNext[l] = phi[l];
        hNext[l] = h[l];
        settled[l] = false;
        out[l].converged = false;
    }
    for (int i = 1; i <= kXyzgeoMaxIterations; ++i) {
        bool moving = false;
        for (std::size_t l = 0; l < lanes; ++l) {
            if (settled[l]) continue;
            const double c = std::cos(phi[l]);
            const double s = std::sin(phi[l]);
            const double n = a / std::sqrt(c * c + ba2 * s * s);
            hNext[l] = p[l] / c - n;
            phiNext[l] = std::atan((pz[l] / p[l]) / (1.0 - e2 * n / (n + hNext[l])));
            out[l].iterations = i;
            if (std::fabs(phiNext[l] - phi[l]) < 1e-10 && std::fabs(hNext[l] - h[l]) < a * 1e-10) {
                out[l].converged = true;
                settled[l] = true;
                continue;
            }
            phi[l] = phiNext[l];
            h[l] = hNext[l];
            moving = true;
        }
        if (!moving) break;
    }
    for (std::size_t l = 0; l < lanes; ++l) {
        out[l].phi = phiNext[l];
        out[l].h = hNext[l];
        out[l].lambda = std::atan(py[l] / px[l]);
    }
}

}  // namespace

Geodetic XYZGEO(double a, double b, double dx, double dy, double dz, double x, double y, double z) {
    Geodetic out;
    xyzgeoLanes(a, b, dx, dy, dz, &x, &y, &z, &out, 1);
    return out;
}

void XYZGEO(double a, double b, double dx, double dy, double dz, const double* x, const double* y, const double* z,
            Geodetic* out, std::size_t count) {
    for (std::size_t first = 0; first < count; first += kLanes) {
        const std::size_t lanes = count - first < kLanes ? count - first : kLanes;
        xyzgeoLanes(a, b, dx, dy, dz, x + first, y + first, z + first, out + first, lanes);
    }
}

}  // namespace geodesy
