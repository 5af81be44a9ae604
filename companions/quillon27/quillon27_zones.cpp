#include "quillon27/quillon27_zones.h"

#include "common/columns.h"
#include "common/companion_error.h"
#include "common/zones.h"

namespace quillon27 {

using companion::CompanionError;

namespace {

std::string meridianText(double meridian) { return companion::fixedDecimals(meridian, 1); }

// The UTM zone of the X,Y output named after an MTM meridian.
int utmZoneNamed(double meridian) {
  const auto zone = companion::utmZoneFromMeridian(meridian);
  if (!zone) {
    throw CompanionError("UTM central meridian " + meridianText(meridian) +
                         " is not that of UTM zone 19, 20 or 21");
  }
  return *zone;
}

}  // namespace

RunZones runZones(const QuillonRequest& request) {
  RunZones zones;
  if (request.province == Province::PrinceEdwardIsland) {
    if (!request.centralMeridian) {
      if (request.form == InputForm::Utm) zones.utmZone = 20;
      return zones;
    }
    // The zone the front end labels the X,Y with, even where the island lies
    // in another one.
    zones.utmZone = companion::utmZoneFromMeridian(*request.centralMeridian);
    if (!zones.utmZone) {
      throw CompanionError("central meridian " + meridianText(*request.centralMeridian) +
                           " is not that of UTM zone 19, 20 or 21");
    }
    if (request.utmMeridian) zones.utmZone = utmZoneNamed(*request.utmMeridian);
    return zones;
  }
  const double meridian = request.centralMeridian.value_or(0.0);
  const std::string text = meridianText(meridian);
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
    throw CompanionError(
        "Nova Scotia East,North input needs the central meridian of MTM zone "
        "4 or 5, not " +
        text);
  }
  if (request.utmMeridian) {
    const int named = utmZoneNamed(*request.utmMeridian);
    if (zones.utmZone && *zones.utmZone != named) {
      throw CompanionError("UTM central meridian " + meridianText(*request.utmMeridian) +
                           " differs from the central meridian " + text);
    }
    zones.utmZone = named;
  }
  // An MTM meridian without a UTM one names no UTM zone: the run's X,Y are
  // all in zone 20, the province's own, since the front end labels every
  // point with one zone.
  if (request.province == Province::NovaScotia && !zones.utmZone) zones.utmZone = 20;
  return zones;
}

}  // namespace quillon27
