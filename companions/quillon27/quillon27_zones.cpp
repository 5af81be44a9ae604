#include "quillon27/quillon27_zones.h"

#include "common/columns.h"
#include "common/companion_error.h"
#include "common/zones.h"

namespace quillon27 {

using companion::CompanionError;

RunZones runZones(const QuillonRequest& request) {
  RunZones zones;
  if (request.province == Province::PrinceEdwardIsland) {
    if (request.form == InputForm::Utm) zones.utmZone = 20;
    return zones;
  }
  const double meridian = request.centralMeridian.value_or(0.0);
  const std::string text = companion::fixedDecimals(meridian, 1);
  zones.utmZone = companion::utmZoneFromMeridian(meridian);
  if (request.province == Province::NovaScotia) {
    zones.mtmZone = companion::mtmZoneFromMeridian(meridian);
  }
  if (!zones.utmZone && !zones.mtmZone) {
    throw CompanionError("central meridian " + text +
                         (request.province == Province::NovaScotia
                              ? " is not that of UTM zone 19, 20, 21 or MTM zone 4, 5"
                              : " is not that of UTM zone 19, 20 or 21"));
  }
  if (request.form == InputForm::Utm && !zones.utmZone) {
    throw CompanionError("UTM input needs the central meridian of its UTM zone, not " + text);
  }
  if (request.form == InputForm::Grid && request.province == Province::NovaScotia &&
      !zones.mtmZone) {
    throw CompanionError("Nova Scotia East,North input needs the central meridian of MTM zone "
                         "4 or 5, not " + text);
  }
  // An MTM meridian names no UTM zone: the run's X,Y are all in zone 20, the
  // province's own, since the front end labels every point with one zone.
  if (request.province == Province::NovaScotia && !zones.utmZone) zones.utmZone = 20;
  return zones;
}

}  // namespace quillon27
