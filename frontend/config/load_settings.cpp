#include "config/load_settings.h"

#include <exception>

#include "config/ini_values.h"
#include "config/load_extents.h"
#include "config/utm_zone.h"
#include "platform/paths.h"

namespace kartovex {

namespace {

bool blank(const std::string& v) { return v.find_first_not_of(' ') == std::string::npos; }

std::string orWhenEmpty(const std::string& v, const char* fallback) {
  return blank(v) ? fallback : v;
}

std::string orWhenMissing(const std::string& v, const char* fallback) {
  return v == "-1" ? fallback : v;
}

}  // namespace

bool LoadSettings(FrontEndSettings& s, MessageService& messages, StartupOutputs& mainWindow) {
  try {
    const std::string& ini = s.iniPath;
    s.province =
        ProvinceFromText(orWhenEmpty(ReadIniValue(messages, "SETUP", "Province Code", ini), "NB"));
    s.titleEnglish = ReadIniValue(messages, "SETUP", "Title String English", ini);
    s.titleFrench = ReadIniValue(messages, "SETUP", "Title String French", ini);
    s.helpFormat = ReadIniValue(messages, "SETUP", "Help Format", ini);
    s.pdfReader = ReadIniValue(messages, "PATH", "PDF READER", ini);
    if (!PathExists(s.pdfReader)) {
      bool goOn = messages.french()
                      ? messages.askYesNoCritical("ERREUR CRITIQUE",
                                                  "Le fichier de données '" + s.pdfReader +
                                                      "' n'existe pas ! Voulez-vous continuer ?")
                      : messages.askYesNoCritical("FATAL ERROR",
                                                  "The '" + s.pdfReader +
                                                      "'file does not exist! Please set in the "
                                                      "setup dialog. Continue?");
      if (!goOn) return false;
    }
    s.mtmZone = MtmZoneFromText(orWhenEmpty(ReadIniValue(messages, "SETUP", "MTM Zone", ini), "4"));
    ChooseUtmZone(
        s, UtmZoneFromText(orWhenEmpty(ReadIniValue(messages, "SETUP", "UTM Zone", ini), "19")));
    mainWindow.provinceLabel = ProvinceLabel(s.province, s.mtmZone);
    s.language =
        LanguageFromText(orWhenEmpty(ReadIniValue(messages, "SETUP", "LANGUAGE", ini), "ENGLISH"));
    if (!LoadExtents(s, messages, s.province, s.mtmZone, ini)) return false;
    s.fieldOrder = orWhenMissing(ReadIniValue(messages, "SETUP", "EN order", ini), "EN");
    s.delimiter = orWhenMissing(ReadIniValue(messages, "SETUP", "Delimeter", ini), ",");
    s.extraText = ReadIniValue(messages, "SETUP", "Extra Text", ini) == "TRUE";
    s.displayExtraText = ReadIniValue(messages, "SETUP", "Display Extra Text", ini) == "TRUE";
    return true;
  } catch (const std::exception&) {
    messages.critical(titles::kFatalError, kCannotInitialize);
    return false;
  }
}

}  // namespace kartovex
