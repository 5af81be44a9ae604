#pragma once
// The approximate datum shift through geocentric coordinates with the
// fixed NAD27 translation; the model's direction picks the way.
#include <cstddef>

namespace orvandel {

// Latitude (north) and longitude (west) in decimal degrees, changed in
// place. Direction 1 NAD27 to ATS77, 2 ATS77 to NAD27; any other value
// leaves them as they are.
void approximateShift(int direction, double& latitude, double& longitude);
// The same for `count` stations at once (the same values, faster).
void approximateShift(int direction, double* latitude, double* longitude, std::size_t count);

}  // namespace orvandel
