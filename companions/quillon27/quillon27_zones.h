#pragma once
// The zones a QUILLON27 run works in, from its central-meridian answer: a UTM
// zone's meridian (69, 63, 57) fixes the UTM zone, a Nova Scotia MTM zone's
// (61.5, 64.5) the MTM zone; whatever is not fixed follows each point's
// longitude. A UTM meridian given after an MTM one fixes the UTM zone of the
// X,Y. Prince Edward Island's meridian, when given, fixes its UTM zone;
// without it UTM input is taken in zone 20.
#include <optional>

#include "quillon27/quillon27_request.h"

namespace quillon27 {

struct RunZones {
  std::optional<int> utmZone;
  std::optional<int> mtmZone;
};

// Throws CompanionError when the meridian does not fit the province or the
// input form needs a zone the meridian does not give.
RunZones runZones(const QuillonRequest& request);

}  // namespace quillon27
