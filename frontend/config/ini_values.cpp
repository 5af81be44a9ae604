#include "config/ini_values.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/profile_file.h"

namespace kartovex {

std::string ReadIniValue(MessageService& messages, const std::string& section,
                         const std::string& key, const std::string& file) {
  std::string value = GetPrivateProfileString(section, key, "", file, kProfileValueSize);
  if (!value.empty()) return value;
  if (messages.french())
    messages.critical("Erreur du système",
                      "Incapable de trouver '" + section + "' / '" + key + "' dans " + file + ".");
  else
    messages.critical("System ERROR", "Failed to find in section '" + section + "' with key '" +
                                          key + "' in " + file + ".");
  // Inside a run a default would give a result on the wrong meridian.
  if (messages.settingsErrorsStopRun()) throw SettingsReadFailure(key);
  return "-1";
}

bool WriteIniValue(MessageService& messages, const std::string& value, const std::string& key,
                   const std::string& section, const std::string& file) {
  if (WritePrivateProfileString(section, key, value, file)) return true;
  messages.critical(messages.pick(titles::kError), "ERROR updating INI File");
  return false;
}

double IniTextToNumber(const std::string& text, const std::string& decimalSeparator) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  auto b = text.find_first_not_of(" \t");
  if (b == std::string::npos) return 0.0;
  auto e = text.find_last_not_of(" \t");
  std::string t = text.substr(b, e - b + 1);
  if (decimalSeparator == ",") {
    // The file is written with a point; the user's separator is taken too.
    auto dot = t.find('.');
    if (dot != std::string::npos) t[dot] = ',';
    auto comma = t.find(',');
    if (comma != std::string::npos) t[comma] = '.';
  } else if (t.find(',') != std::string::npos) {
    return nan;
  }
  if (!t.empty() && t.front() == '+') t.erase(0, 1);
  if (t.empty()) return nan;
  double value = 0.0;
  auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (ec != std::errc() || ptr != t.data() + t.size() || !std::isfinite(value)) return nan;
  return value;
}

double ReadIniNumber(MessageService& messages, const FrontEndSettings& settings,
                     const std::string& key, const std::string& section, const std::string& file) {
  std::string text = ReadIniValue(messages, section, key, file);
  if (text.empty()) return 0.0;
  return IniTextToNumber(text, settings.decimalSeparator);
}

}  // namespace kartovex
