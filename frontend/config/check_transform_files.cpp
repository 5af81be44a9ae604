#include "config/check_transform_files.h"

#include "config/ini_values.h"
#include "platform/environment.h"
#include "platform/paths.h"

namespace kartovex {

bool CheckTransformFiles(const FrontEndSettings& settings, MessageService& messages) {
  if (settings.province == Province::NB) return true;
  if (settings.province != Province::NS && settings.province != Province::PEI) return false;
  const std::string p = SettingText(settings.province);
  std::string forward =
      ReadIniValue(messages, "FILE", "Transform " + p + " 27 to 77", settings.iniPath);
  std::string backward =
      ReadIniValue(messages, "FILE", "Transform " + p + " 77 to 27", settings.iniPath);
  if (forward.empty() || forward == " " || backward.empty() || backward == " ") return false;
  std::string dir = GetEnvironment("DATAFILE") + kDirSeparator;
  return PathExists(dir + forward) && PathExists(dir + backward);
}

}  // namespace kartovex
