#pragma once
// Shared helpers for the MPCORD tests.
#include <gtest/gtest.h>

#include "geodesy/mpcord.h"

namespace mpcord_test {

inline constexpr double kDeg = 0.017453292519968962;  // MPCORD's own factor

// Forward call with ICODE 0.
inline geodesy::MpcordArgs forward(geodesy::ZoneMemory& zones, int iproj, double latDeg, double lonDegEast,
                                   double meridn = 0.0) {
    geodesy::MpcordArgs a;
    a.IPROJ = iproj;
    a.PHI = latDeg * kDeg;
    a.LAM = lonDegEast * kDeg;
    a.MERIDN = meridn;
    geodesy::MPCORD(a, zones);
    return a;
}

// Inverse call with ICODE 0.
inline geodesy::MpcordArgs inverse(geodesy::ZoneMemory& zones, int iproj, double east, double north,
                                   double meridn = 0.0) {
    geodesy::MpcordArgs a;
    a.IPROJ = iproj;
    a.EAST = east;
    a.NORTH = north;
    a.MERIDN = meridn;
    geodesy::MPCORD(a, zones);
    return a;
}

// A fixture with the state of one run: the Nova Scotia zone meridian starts
// at 0 in every test.
class Run : public ::testing::Test {
protected:
    geodesy::ZoneMemory zones;
    void MPCORD(geodesy::MpcordArgs& a) { geodesy::MPCORD(a, zones); }
    geodesy::MpcordArgs forward(int iproj, double latDeg, double lonDegEast, double meridn = 0.0) {
        return mpcord_test::forward(zones, iproj, latDeg, lonDegEast, meridn);
    }
    geodesy::MpcordArgs inverse(int iproj, double east, double north, double meridn = 0.0) {
        return mpcord_test::inverse(zones, iproj, east, north, meridn);
    }
};

}  // namespace mpcord_test
