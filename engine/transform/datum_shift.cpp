#include "transform/datum_shift.h"

#include <cmath>

#include "geodesy/ellipsoids.h"
#include "geodesy/geocentric.h"

namespace orvandel {

namespace {

constexpr double kClarkeA = geodesy::kClarke1866.a;
constexpr double kClarkeB = geodesy::kClarke1866.b;
constexpr double kAts77A = geodesy::kAts77.a;
// The shift has always used b a millimetre short of the projections' value.
constexpr double kAts77B = 6356750.305;
constexpr double kDx = -15.0, kDy = 165.0, kDz = 175.0;

}  // namespace

void approximateShift(int direction, double& latitude, double& longitude) {
    approximateShift(direction, &latitude, &longitude, 1);
}

void approximateShift(int direction, double* latitude, double* longitude, std::size_t count) {
    if (direction != 1 && direction != 2) return;
    const double pi = std::acos(-1.0);
    const double rad = pi / 180.0;
    // In groups, so that the geocentric iterations of a group run side by side.
    constexpr std::size_t kGroup = 64;
    double x[kGroup], y[kGroup], z[kGroup];
    geodesy::Geodetic g[kGroup];
    for (std::size_t first = 0; first < count; first += kGroup) {
        const std::size_t n = count - first < kGroup ? count - first : kGroup;
        for (std::size_t i = 0; i < n; ++i) {
            const double phi = latitude[first + i] * rad;
            const double lamEast = 2.0 * pi - longitude[first + i] * rad;
            const geodesy::Geocentric c = direction == 1
                                              ? geodesy::GEOXYZ(phi, lamEast, 0.0, kDx, kDy, kDz, kClarkeA, kClarkeB)
                                              : geodesy::GEOXYZ(phi, lamEast, 0.0, 0.0, 0.0, 0.0, kAts77A, kAts77B);
            x[i] = c.x;
            y[i] = c.y;
            z[i] = c.z;
        }
        if (direction == 1) {
            geodesy::XYZGEO(kAts77A, kAts77B, 0.0, 0.0, 0.0, x, y, z, g, n);
        } else {
            geodesy::XYZGEO(kClarkeA, kClarkeB, kDx, kDy, kDz, x, y, z, g, n);
        }
        for (std::size_t i = 0; i < n; ++i) {
            double& lon = longitude[first + i];
            latitude[first + i] = g[i].phi / rad;
            lon = (2.0 * pi - g[i].lambda) / rad;
            if (lon < 0.0) lon += 360.0;
            if (lon > 360.0) lon -= 360.0;
        }
    }
}

}  // namespace orvandel
