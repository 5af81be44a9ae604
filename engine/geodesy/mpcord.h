#pragma once
// The single entry point for ATS77 map projections: geographic <-> grid for
// the New Brunswick and Prince Edward Island double stereographic grids, the
// Nova Scotia MTM zones and UTM, with convergence, scale and, on request,
// covariance propagation and the error ellipse. Problems are reported
// through IERR (MPMSG prints them); the call never fails otherwise.
#include "geodesy/matrix.h"

namespace geodesy {

// MPCORD's projection codes (IPROJ): geographic to grid, and +10 back.
enum class MpcordProjection : int {
    NewBrunswickToGrid = 1,
    NovaScotiaToGrid = 2,
    PrinceEdwardIslandToGrid = 3,
    UtmToGrid = 4,
    NewBrunswickToGeographic = 11,
    NovaScotiaToGeographic = 12,
    PrinceEdwardIslandToGeographic = 13,
    UtmToGeographic = 14,
};

inline constexpr int code(MpcordProjection p) { return static_cast<int>(p); }

// MPCORD's arguments in one record. "in"/"out" flip with the direction:
// codes 1-4 read PHI, LAM (and CLL) and write EAST, NORTH (and CNE);
// codes 11-14 the reverse. CLL, CNE, SMAJ, SMIN and AZ are touched only
// when ICODE is 1; on IERR 1 or 2 nothing but IERR is touched.
struct MpcordArgs {
    int ICODE = 0;        // 0 coordinates only, 1 also the covariance
    int IPROJ = 0;        // a MpcordProjection code (other values give IERR 2)
    double PHI = 0.0;     // latitude, radians
    double LAM = 0.0;     // longitude, radians, positive east
    Mat2 CLL{};           // geographic covariance (latitude, longitude), arc-seconds^2
    double MERIDN = 0.0;  // central meridian, degrees positive east (codes 2, 4, 12, 14)
    double EAST = 0.0;    // metres
    double NORTH = 0.0;   // metres
    double CONV = 0.0;    // meridian convergence, arc-seconds
    int IERR = 0;         // message code, 0 when all is well
    double SCALE = 0.0;   // point scale factor
    Mat2 CNE{};           // grid covariance (northing, easting), m^2
    double SMAJ = 0.0;    // error ellipse semi-major axis, m
    double SMIN = 0.0;    // semi-minor axis, m
    double AZ = 0.0;      // orientation of the semi-major axis, degrees
    int FE = 0;           // false easting used, m
    int FN = 0;           // false northing used, m
};

// The Nova Scotia zone meridian one run carries from call to call (0 before
// the first): an easting of neither zone keeps the meridian last selected.
struct ZoneMemory {
    double meridian = 0.0;
};

void MPCORD(MpcordArgs& args, ZoneMemory& zones);

}  // namespace geodesy
