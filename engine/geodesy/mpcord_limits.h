#pragma once
// MPCORD's region limits: geographic and grid extents of New Brunswick,
// Nova Scotia, Prince Edward Island and the Maritimes (UTM).
namespace geodesy {

// Region 1 NB, 2 NS, 3 PEI, 4 Maritimes. Returns the region's message code
// (3 to 6) when the point lies outside, else 0. All bounds are inclusive.
int geographicLimitCode(int region, double phi, double lam);

// Same for grid coordinates (metres).
int gridLimitCode(int region, double north, double east);

// Easting truncated to whole metres, integer-divided by 1 000 000, as the
// zone rule reads it; 0 for values no zone could have.
long eastingZone(double east);

}  // namespace geodesy
