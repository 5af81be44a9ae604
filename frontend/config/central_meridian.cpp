#include "config/central_meridian.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "config/ini_values.h"

namespace kartovex {

namespace {

// The zone as a number and back to text with a blank for the sign: "20"
// gives " 20", an empty zone " 0".
std::string zoneAsNumberText(const std::string& zone) {
  std::size_t i = 0;
  while (i < zone.size() && zone[i] == ' ') ++i;
  long value = 0;
  bool negative = false;
  if (i < zone.size() && (zone[i] == '-' || zone[i] == '+')) negative = zone[i++] == '-';
  while (i < zone.size() && std::isdigit(static_cast<unsigned char>(zone[i])) && value < 100000)
    value = value * 10 + (zone[i++] - '0');
  std::string text(1, negative && value != 0 ? '-' : ' ');
  text += std::to_string(value);
  return text;
}

std::string nsZoneKey(const std::string& zone, const char* ending) {
  std::string key("NS");
  key += zoneAsNumberText(zone);
  key += ending;
  return key;
}

std::string utmKey(const ProvinceSetting& province, const UtmZoneSetting& utmZone) {
  return SettingText(province) + " Central Meridian " + SettingText(utmZone);
}

}  // namespace

std::string CentralMeridianKey(const FrontEndSettings& s, const std::string& mode) {
  const bool nb = s.province == Province::NB, ns = s.province == Province::NS,
             pei = s.province == Province::PEI;
  if (!nb && !ns && !pei) return "";
  if (nb || pei) {
    if (mode == "transform" || mode == "quillon27 NE" || mode == "vesperan" ||
        mode == "quillon27 XY")
      return utmKey(s.province, s.utmZone);
    return "";
  }
  if (mode == "transform") return nsZoneKey(SettingText(s.utmZone), " Central Meridian transform");
  if (mode == "quillon27 NE" || mode == "vesperan") {
    if (s.mtmZone == MtmZone::Zone4) return "NS 4 Central Meridian quillon27 MTM";
    if (s.mtmZone == MtmZone::Zone5) return "NS 5 Central Meridian quillon27 MTM";
    return "NS 21 Central Meridian";
  }
  if (mode == "quillon27 XY")
    return nsZoneKey(SettingText(s.utmZone), " Central Meridian quillon27");
  return "";
}

std::string CentralMeridian(const FrontEndSettings& settings, MessageService& messages,
                            const std::string& mode) {
  std::string key = CentralMeridianKey(settings, mode);
  if (key.empty()) return "69.0";
  std::string value = ReadIniValue(messages, "SETUP", key, settings.iniPath);
  // A missing key reads as "-1", which is no meridian: the default applies.
  if (value.empty() || value == "-1") return "69.0";
  return value;
}

}  // namespace kartovex
