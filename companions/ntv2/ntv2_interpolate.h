#pragma once
// Bilinear interpolation of an NTv2 grid at one point, in the densest
// subfile that contains it.
#include "ntv2_file.h"

namespace ntv2 {

// latSeconds and lonWestSeconds in arc-seconds (longitude positive west).
// False when no subfile contains the point.
bool interpolate(const File& file, double latSeconds, double lonWestSeconds, Node& result);

// True when any node of any subfile carries a positive accuracy.
bool carriesAccuracies(const File& file);

}  // namespace ntv2
