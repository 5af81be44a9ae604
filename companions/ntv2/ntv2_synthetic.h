#pragma once
// Smooth synthetic shift fields of realistic size for the demonstration
// grids. They are not the provinces' official grids.
#include <string>

#include "ntv2_file.h"

namespace ntv2 {

enum class Field {
  Nad27ToNad83,  // NAD27 -> NAD83 (1989): tens of metres
  Ats77ToNad83,  // ATS77 -> NAD83 (1989): about a metre
  Ats77ToCsrs,   // ATS77 -> NAD83 (CSRS): sub-metre
};

// "27-83", "77-83", "77-csrs"; false for any other text.
bool parseField(const std::string& text, Field& field);

// Shift and accuracy at a point (degrees, longitude positive west), in
// arc-seconds with the longitude shift positive west as NTv2 stores it.
Node syntheticNode(Field field, double latDeg, double lonWestDeg);

struct GridExtent {
  double southDeg = 0, northDeg = 0;  // latitude
  double eastDeg = 0, westDeg = 0;    // longitude, positive west
  double spacingSeconds = 300;        // both increments
};

// A one-subfile grid over the extent; false when the extent is unusable.
bool syntheticGrid(Field field, const GridExtent& extent, const std::string& name,
                   const std::string& date, File& file, std::string& error);

}  // namespace ntv2
