#include "geodesy/angles.h"

#include <cmath>

namespace geodesy {

namespace {

// Truncation toward zero into an int; angles no station can have (NaN,
// beyond the int range) give 0 or the nearest int rather than undefined behaviour.
int truncated(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return 2147483647;
    if (v <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(v);
}

}  // namespace

double DMSRAD(int degrees, int minutes, float seconds) {
    const double sign = (degrees < 0 || minutes < 0 || seconds < 0.0F) ? -1.0 : 1.0;
    return sign *
           (std::fabs(static_cast<double>(degrees)) + std::fabs(static_cast<double>(minutes) / 60.0) +
            std::fabs(static_cast<double>(seconds) / 3600.0)) /
           57.29577951308233;
}

Dms DEGDMS(double decimalDegrees) {
    Dms out;
    out.degrees = truncated(decimalDegrees);
    const double m = (decimalDegrees - out.degrees) * 60.0;
    out.minutes = truncated(m);
    out.seconds = (m - out.minutes) * 60.0;
    // 59.99999 as the single-precision constant it was stored as.
    if (out.seconds >= 59.9999885559082 && out.minutes < 2147483647) {
        out.minutes += 1;
        out.seconds = 60.0 - out.seconds;
    }
    return out;
}

DmsSingle RADDMS(double radians) {
    const bool negative = !(radians >= 0.0);
    const double l = std::fabs(radians) * 206264.8062470963 + 0.00005;
    DmsSingle out;
    out.degrees = truncated(l / 3600.0);
    out.minutes = truncated(l / 60.0 - 60.0 * out.degrees);
    out.seconds = static_cast<float>(l - 3600.0 * out.degrees - 60.0 * out.minutes - 0.00005);
    if (negative) {
        if (out.degrees != 0) {
            out.degrees = -out.degrees;
        } else if (out.minutes != 0) {
            out.minutes = -out.minutes;
        } else {
            out.seconds = -out.seconds;
        }
    }
    return out;
}

}  // namespace geodesy
