#pragma once
// The MPCORD calls of the stages, coordinates only (covariance code 0).
// Radians with longitudes positive east, metres, central meridian in
// degrees positive east.

#include <ostream>
#include <string>

#include "geodesy/mpcord.h"

namespace orvandel {

struct GridPoint {
    double easting = 0.0;
    double northing = 0.0;
    int message = 0;  // MPCORD's message code
};

struct GeoPoint {
    double phi = 0.0;
    double lam = 0.0;
    int message = 0;
};

// The provincial grid's projection code of a three-letter province code
// ("NB ", "NS ", "PEI"): 1, 2 or 3; 0 for any other.
int projectionCode(const std::string& province);

// Projection code 1, 2, 3 (provincial grids) or 4 (UTM). `zones` is the
// run's Nova Scotia meridian.
GridPoint projectAts77(geodesy::ZoneMemory& zones, int projection, double phi, double lam, double meridian);

// Projection code 11, 12 or 13. The caller's easting and northing stay as given.
GeoPoint unprojectAts77(geodesy::ZoneMemory& zones, int projection, double easting, double northing, double meridian);

// MPMSG's text for a message code (empty for codes without one).
void printProjectionMessage(int message, std::ostream& out);

}  // namespace orvandel
