#pragma once
// The grids of the three provinces and UTM: origin, scale factor and false
// values of each, on ATS77 (metres) and on NAD27 (Clarke 1866, feet for the
// provincial grids, metres for UTM).
#include "geodesy/ellipsoids.h"

namespace geodesy {

inline constexpr double kMtmScale = 0.9999;  // Nova Scotia MTM zones
inline constexpr double kUtmScale = 0.9996;
inline constexpr double kStereoScale = 0.999912;      // New Brunswick and PEI double stereographic
inline constexpr double kUtmFalseEasting = 500000.0;  // metres, on both datums

// ATS77 double stereographic grids. The origin is kept as the radians the
// projection has always used (46 30 N 66 30 W and 47 15 N 63 W).
struct StereoGrid {
    double phi0, lam0;  // origin, radians, longitude positive east
    double k0;
    int fe, fn;  // metres
};

inline constexpr StereoGrid kNewBrunswickStereo{0.8115781021785567, -1.160643952577936, kStereoScale, 300000, 800000};
inline constexpr StereoGrid kPrinceEdwardIslandStereo{0.8246680715685335, -1.0995574287580447, kStereoScale, 700000,
                                                      400000};

// ATS77 Nova Scotia MTM zones: origin on the equator at the central meridian.
struct TmZone {
    double centralMeridian;  // degrees, positive east
    double k0;
    int fe, fn;  // metres
};

inline constexpr TmZone kNovaScotiaZone4{-61.5, kMtmScale, 4500000, 0};
inline constexpr TmZone kNovaScotiaZone5{-64.5, kMtmScale, 5500000, 0};

// NAD27 provincial stereographic grids, in feet; the projection works from
// the origin with a radius constant instead of a scale factor.
struct Stereo27Grid {
    double phi0, lam0;                   // origin, degrees, longitude positive west
    double falseEasting, falseNorthing;  // feet
    double radiusConstant;
};

inline constexpr Stereo27Grid kNewBrunswickStereo27{46.5, 66.5, 1000000.0, 1000000.0, 8.845999400364235e-05};
inline constexpr Stereo27Grid kPrinceEdwardIslandStereo27{47.25, 63.0, 500000.0, 700000.0, 8.843999967211857e-05};

// NAD27 Nova Scotia MTM (central meridian 61.5 W or 64.5 W), in feet.
inline constexpr double kNovaScotia27Scale = kMtmScale;
inline constexpr double kNovaScotia27FalseEastingFeet = 1000000.0;

}  // namespace geodesy
