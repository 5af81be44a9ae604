#include "config/startup_outputs.h"

#include "messages/text.h"

namespace kartovex {

std::string ProvinceLabel(const ProvinceSetting& province, const MtmZoneSetting& mtmZone) {
  const std::string label = "Province = '" + SettingText(province) + "'";
  if (province == Province::NS) return label + " Zone (" + SettingText(mtmZone) + ")";
  return label;
}

std::string UtmZoneLabel(const UtmZoneSetting& utmZone) {
  return "UTM Zone " + SettingText(utmZone);
}

std::string DelimiterLabel(const std::string& delimiter, const LanguageSetting& language) {
  return pickCaption({"Delimeter = ", "Délimité par = "}, language) + "'" + delimiter + "'";
}

}  // namespace kartovex
