#include "config/utm_zone.h"

namespace kartovex {

void ChooseUtmZone(FrontEndSettings& settings, const UtmZoneSetting& zone) {
  settings.utmZoneSetting = zone;
  settings.utmZone = zone;
}

void BeginRunUtmZone(FrontEndSettings& settings, bool zoneFromInputFile) {
  settings.utmZone = zoneFromInputFile ? UtmZoneSetting(UtmZone::None) : settings.utmZoneSetting;
}

std::string UtmZoneToSave(const FrontEndSettings& settings) {
  return settings.utmZoneSetting == UtmZone::None ? std::string("21")
                                                  : SettingText(settings.utmZoneSetting);
}

}  // namespace kartovex
