#pragma once
// Transverse Mercator on Clarke 1866 (NAD27): decimal degrees with
// longitudes positive west. The Nova Scotia grid is in feet with a
// 1000000 ft false easting; UTM is in metres with a 500000 m one.

namespace geodesy {

enum class Tm27Unit {
    Feet,    // Nova Scotia grid
    Metres,  // UTM
};

struct Tm27Grid {
    double easting = 0.0;
    double northing = 0.0;
    double convergence = 0.0;  // degrees, negative west of the central meridian
};

Tm27Grid TM27FW(double phi, double lam, double k0, double centralMeridian, Tm27Unit unit);

struct Tm27Geo {
    double scale = 0.0;        // k0 used (TM27MI: always 0.9999)
    double phi = 0.0;          // degrees
    double lam = 0.0;          // degrees, positive west
    double convergence = 0.0;  // degrees
    bool converged = true;     // footpoint iteration converged within 100 corrections
};

// Nova Scotia NAD27 grid, feet, k0 0.9999 (kMtmScale).
Tm27Geo TM27MI(double easting, double northing, double centralMeridian);

// NAD27 UTM, metres. Note the northing-first argument order.
Tm27Geo TM27UI(double northing, double easting, double k0, double centralMeridian);

}  // namespace geodesy
