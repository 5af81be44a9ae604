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
    if (direction != 1 && direction != 2) return;
    const double pi = std::acos(-1.0);
    const double rad = pi / 180.0;
    const double phi = latitude * rad;
    const double lamEast = 2.0 * pi - longitude * rad;
    geodesy::Geodetic g;
    if (direction == 1) {
        const geodesy::Geocentric x = geodesy::GEOXYZ(phi, lamEast, 0.0, kDx, kDy, kDz, kClarkeA, kClarkeB);
        g = geodesy::XYZGEO(kAts77A, kAts77B, 0.0, 0.0, 0.0, x.x, x.y, x.z);
    } else {
        const geodesy::Geocentric x = geodesy::GEOXYZ(phi, lamEast, 0.0, 0.0, 0.0, 0.0, kAts77A, kAts77B);
        g = geodesy::XYZGEO(kClarkeA, kClarkeB, kDx, kDy, kDz, x.x, x.y, x.z);
    }
    latitude = g.phi / rad;
    longitude = (2.0 * pi - g.lambda) / rad;
    if (longitude < 0.0) longitude += 360.0;
    if (longitude > 360.0) longitude -= 360.0;
}

}  // namespace orvandel
