#pragma once
// Shared helpers for the MPCORD tests.
#include "geodesy/mpcord.h"

namespace mpcord_test {

inline constexpr double kDeg = 0.017453292519968962;  // MPCORD's own factor

// Forward call with ICODE 0.
inline geodesy::MpcordArgs forward(int iproj, double latDeg, double lonDegEast, double meridn = 0.0) {
    geodesy::MpcordArgs a;
    a.IPROJ = iproj;
    a.PHI = latDeg * kDeg;
    a.LAM = lonDegEast * kDeg;
    a.MERIDN = meridn;
    geodesy::MPCORD(a);
    return a;
}

// Inverse call with ICODE 0.
inline geodesy::MpcordArgs inverse(int iproj, double east, double north, double meridn = 0.0) {
    geodesy::MpcordArgs a;
    a.IPROJ = iproj;
    a.EAST = east;
    a.NORTH = north;
    a.MERIDN = meridn;
    geodesy::MPCORD(a);
    return a;
}

}  // namespace mpcord_test
