#pragma once
// Which provincial grid a VESPERAN point belongs to (the UTM and MTM zone
// rules shared with QUILLON27 are in common/zones.h).
#include "vesperan/projections.h"

namespace vesperan {

// The MTM zone whose false easting lies nearest to the easting.
int mtmZoneFromEasting(Datum datum, double easting);

// The province's grid; mtmZone matters for Nova Scotia only.
Grid provinceGrid(Province province, int mtmZone);

}  // namespace vesperan
