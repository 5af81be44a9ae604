#pragma once
// Degrees, minutes and seconds as the data files carry them.
#include <string_view>

namespace companion {

struct Dms {
  int degrees = 0;
  int minutes = 0;
  double seconds = 0.0;
};

// Splits a non-negative angle in decimal degrees, rounding the seconds to
// `secondDecimals` decimals first so that 60 seconds carry into the minutes.
// Throws CompanionError for an angle beyond 360 degrees or not finite.
Dms toDms(double decimalDegrees, int secondDecimals);

// Decimal degrees of a degrees, minutes, seconds triple; false unless the
// texts are numbers with whole degrees and minutes, minutes below 60 and
// seconds in [0, 60).
bool parseDms(std::string_view degrees, std::string_view minutes, std::string_view seconds,
              double& decimalDegrees);

}  // namespace companion
