#pragma once
// New Brunswick and Prince Edward Island NAD27 stereographic grids (Clarke
// 1866, feet, decimal degrees, longitudes positive west).

namespace geodesy {

struct St27Grid {
    double easting = 0.0;      // feet
    double northing = 0.0;     // feet
    double convergence = 0.0;  // degrees, positive east of the origin meridian
};

// Province code 3 selects Prince Edward Island; 1, 2 (and any other code)
// the New Brunswick grid.
St27Grid ST27FW(double phi, double lam, int province);

struct St27Geo {
    double phi = 0.0;          // degrees
    double lam = 0.0;          // degrees, positive west
    double convergence = 0.0;  // degrees; NB27IN's sign is opposite to ST27FW's
};

St27Geo NB27IN(double easting, double northing);
St27Geo PE27IN(double easting, double northing);

}  // namespace geodesy
