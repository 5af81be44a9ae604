#include "config/startup_outputs.h"

#include "messages/text.h"

namespace kartovex {

std::string ProvinceLabel(const std::string& province, const std::string& mtmZone) {
  if (province == "NS") return "Province = '" + province + "' Zone (" + mtmZone + ")";
  return "Province = '" + province + "'";
}

std::string UtmZoneLabel(const std::string& utmZone) { return "UTM Zone " + utmZone; }

std::string DelimiterLabel(const std::string& delimiter, const std::string& language) {
  return pickCaption({"Delimeter = ", "Délimité par = "}, language) + "'" + delimiter + "'";
}

}  // namespace kartovex
