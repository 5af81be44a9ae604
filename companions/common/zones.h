#pragma once
// UTM and Nova Scotia MTM zones of the Maritime provinces. Longitudes and
// central meridians in degrees, positive west.
#include <optional>

namespace companion {

// The UTM zone of a longitude; a point on a zone boundary belongs to the
// western zone (66 W is in zone 19).
int utmZoneOf(double longitudeWest);

// Central meridian of a UTM zone: 69 for zone 19, 63 for 20, 57 for 21.
double utmCentralMeridian(int zone);

// Zone 19, 20 or 21 of a central meridian 69, 63 or 57 (either sign);
// nothing for any other value.
std::optional<int> utmZoneFromMeridian(double centralMeridian);

// MTM zone 4 (61.5) or 5 (64.5) of a central meridian (either sign).
std::optional<int> mtmZoneFromMeridian(double centralMeridian);

// Central meridian of MTM zone 4 or 5.
double mtmCentralMeridian(int zone);

// Zone 5 west of 63 degrees west, zone 4 from there east.
int mtmZoneFromLongitude(double longitudeWest);

}  // namespace companion
