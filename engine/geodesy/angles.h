#pragma once
// Sexagesimal angle conversions used around the projections. Seconds that
// come from or go to station records are single precision.
namespace geodesy {

struct Dms {
    int degrees = 0;
    int minutes = 0;
    double seconds = 0.0;
};

struct DmsSingle {
    int degrees = 0;
    int minutes = 0;
    float seconds = 0.0F;
};

// Degrees, minutes, seconds to radians; any negative part makes the whole angle negative.
double DMSRAD(int degrees, int minutes, float seconds);

// Decimal degrees split into integer degrees, integer minutes and seconds.
// Seconds within 1e-5 of 60 are carried into the minutes only.
Dms DEGDMS(double decimalDegrees);

// Radians to a signed split rounded to 0.0001 second for printing; the sign
// sits on the first non-zero field.
DmsSingle RADDMS(double radians);

}  // namespace geodesy
