#include "config/utm_zone.h"

namespace kartovex {

void ChooseUtmZone(FrontEndSettings& settings, const std::string& zone) {
  settings.utmZoneSetting = zone;
  settings.utmZone = zone;
}

void BeginRunUtmZone(FrontEndSettings& settings, bool zoneFromInputFile) {
  settings.utmZone = zoneFromInputFile ? std::string() : settings.utmZoneSetting;
}

std::string UtmZoneToSave(const FrontEndSettings& settings) {
  return settings.utmZoneSetting.empty() ? std::string("21") : settings.utmZoneSetting;
}

}  // namespace kartovex
