#pragma once
// The two reference ellipsoids of the system: ATS77 for the current grids
// and Clarke 1866 for NAD27.
namespace geodesy {

struct Ellipsoid {
    double a;  // semi-major axis, metres
    double b;  // semi-minor axis, metres
};

inline constexpr Ellipsoid kAts77{6378135.0, 6356750.306};
inline constexpr Ellipsoid kClarke1866{6378206.4, 6356583.8};

// Metres to feet: the international foot (0.3048 m exactly).
inline constexpr double kFeetPerMetre = 3.280839895013123;

}  // namespace geodesy
