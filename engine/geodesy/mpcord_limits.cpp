#include "geodesy/mpcord_limits.h"

#include <cmath>

namespace geodesy {

namespace {

struct GeoBox {
    double latFrom, latTo, westFrom, westTo;  // degrees
};

// The NB bounds are 44, 48-30, 63, 69-30 widened by 0.0006 arc-second.
constexpr GeoBox kGeoBoxes[4] = {
    {43.999999833333334, 48.500000166666666, 62.999999833333334, 69.50000016666667},
    {43.36666666666667, 47.233333333333334, 59.0, 67.0},
    {45.916666666666664, 47.083333333333336, 61.93333333333333, 64.46666666666667},
    {43.36666666666667, 48.5, 59.0, 69.5},
};

bool inside(double v, double from, double to) { return v >= from && v <= to; }

}  // namespace

long eastingZone(double east) {
    if (!(std::fabs(east) < 1e15)) return 0;
    return static_cast<long>(std::trunc(east)) / 1000000L;
}

int geographicLimitCode(int region, double phi, double lam) {
    if (region < 1 || region > 4) return 0;
    const GeoBox& box = kGeoBoxes[region - 1];
    const int code = region + 2;
    const double pi = std::acos(-1.0);
    const double deg = pi / 180.0;
    if (!std::isfinite(lam) || !std::isfinite(phi)) return code;
    // Bring the longitude into [-pi, pi]; a huge value would take forever
    // one turn at a time, and is far outside anyway.
    if (std::fabs(lam) > 1e6) return code;
    while (lam > pi) lam -= 2.0 * pi;
    while (lam < -pi) lam += 2.0 * pi;
    if (!inside(phi, box.latFrom * deg, box.latTo * deg)) return code;
    if (!inside(lam, -box.westTo * deg, -box.westFrom * deg)) return code;
    return 0;
}

int gridLimitCode(int region, double north, double east) {
    const int code = region + 2;
    bool ok = false;
    switch (region) {
        case 1:
            ok = inside(north - 800000.0, -213360.0, 179985.0) && inside(east - 300000.0, -205313.0, 214824.0);
            break;
        case 2:
            ok = inside(north, 4804066.0, 5235695.0) &&
                 (eastingZone(east) == 5 ? inside(east - 5500000.0, -202620.0, 113573.0)
                                         : inside(east - 4500000.0, -113574.0, 202619.0));
            break;
        case 3:
            ok = inside(north - 400000.0, -147219.0, -17984.0) && inside(east - 700000.0, -112472.0, 79860.0);
            break;
        case 4: ok = inside(north, 4801348.0, 5330992.0) && inside(east - 500000.0, -283434.0, 283434.0); break;
        default: return 0;
    }
    return ok ? 0 : code;
}

}  // namespace geodesy
