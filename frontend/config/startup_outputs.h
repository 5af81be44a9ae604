#pragma once
// What the start-up sequence hands to the main window. The main window model
// binds to these; the core itself shows nothing.

#include <string>

#include "core/settings_types.h"

namespace kartovex {

struct StartupOutputs {
  std::string provinceLabel;    // txtProvince
  std::string utmZoneLabel;     // txtUtmZome
  std::string delimiterLabel;   // txtdelimintor
  bool captionsEnglish = true;  // SetEnglish (true) or SetFrench (false)
  std::string windowCaption;    // titleEnglish or titleFrench
  bool helpEnabled = false;     // comHELP
  bool captionsSet = false;
  bool laidOut = false;  // window laid out and centred
};

// "Province = 'NS' Zone (4)" for Nova Scotia, "Province = 'NB'" otherwise.
std::string ProvinceLabel(const ProvinceSetting& province, const MtmZoneSetting& mtmZone);
// "UTM Zone " + zone.
std::string UtmZoneLabel(const UtmZoneSetting& utmZone);
// "Delimeter = '<d>'" (French "Délimité par = '<d>'"), by the caption language.
std::string DelimiterLabel(const std::string& delimiter, const LanguageSetting& language);

}  // namespace kartovex
