#include "config/save_settings.h"

#include <exception>

#include "config/ini_values.h"
#include "config/utm_zone.h"

namespace kartovex {

bool SaveSettings(const FrontEndSettings& s, MessageService& messages) {
  try {
    const std::string& ini = s.iniPath;
    bool all = true;
    auto write = [&](const std::string& value, const char* key, const char* section) {
      all = WriteIniValue(messages, value, key, section, ini) && all;
    };
    if (!s.inputDir.empty()) write(s.inputDir, "INPUT", "PATH");
    if (!s.outputDir.empty()) write(s.outputDir, "OUTPUT", "PATH");
    write(SettingText(s.province), "Province Code", "SETUP");
    const std::string mtmZone = SettingText(s.mtmZone);
    write(mtmZone.empty() ? "4" : mtmZone, "MTM Zone", "SETUP");
    write(s.fieldOrder, "EN order", "SETUP");
    // A blank would be lost to trimming when read back, so it is quoted.
    write(s.delimiter == " " ? "' '" : s.delimiter, "Delimeter", "SETUP");
    write(s.extraText ? "TRUE" : "FALSE", "Extra Text", "SETUP");
    write(s.displayExtraText ? "TRUE" : "FALSE", "Display Extra Text", "SETUP");
    write(SettingText(s.language), "LANGUAGE", "SETUP");
    write(s.pdfReader, "PDF READER", "PATH");
    write(UtmZoneToSave(s), "UTM Zone", "SETUP");
    return all;
  } catch (const std::exception&) {
    messages.critical(titles::kFatalError, kCannotInitialize);
    return false;
  }
}

}  // namespace kartovex
