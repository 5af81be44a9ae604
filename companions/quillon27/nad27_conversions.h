#pragma once
// NAD27 conversions between coordinate forms with ORVANDEL's NAD27 routines:
// provincial grids in feet (ST27FW, NB27IN, PE27IN; TM27FW, TM27MI for Nova
// Scotia MTM) and UTM in metres (TM27FW, TM27UI).
#include "quillon27/quillon27_request.h"

namespace quillon27 {

struct Geographic {
  double latitude = 0.0;       // degrees
  double longitudeWest = 0.0;  // degrees, positive west
};

struct Plane {
  double easting = 0.0;
  double northing = 0.0;
};

// The routines hold only in and near the provinces; conversions of points
// outside 40-52 N, 52-72 W throw CompanionError.
bool nearMaritimes(const Geographic& point);

// Provincial grid in feet; mtmZone (4 or 5) matters for Nova Scotia only.
Plane gridFromGeographic(Province province, int mtmZone, const Geographic& point);
Geographic geographicFromGrid(Province province, int mtmZone, const Plane& grid);

// UTM in metres, zone 19, 20 or 21.
Plane utmFromGeographic(int zone, const Geographic& point);
Geographic geographicFromUtm(int zone, const Plane& utm);

}  // namespace quillon27
