#include "platform/ini_location.h"

#include <unistd.h>

#include <vector>

#include "platform/environment.h"
#include "platform/paths.h"

namespace kartovex {

std::string UserConfigDirectory() {
  std::string xdg = GetEnvironment("XDG_CONFIG_HOME");
  if (!xdg.empty()) return WithTrailingSeparator(xdg) + "kartovex/";
  std::string home = GetEnvironment("HOME");
  return WithTrailingSeparator(home) + ".config/kartovex/";
}

std::string ProgramDirectory() {
  std::vector<char> buf(4096);
  ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  if (n <= 0) return "./";
  std::string path(buf.data(), static_cast<std::size_t>(n));
  std::string dir = DirectoryOf(path);
  return dir.empty() ? "./" : dir;
}

std::string LocateIniFile(const std::string& programDir) {
  std::string dir = WithTrailingSeparator(programDir);
  if (!dir.empty()) {
    if (auto found = FindIgnoringCase(dir + kIniFileName)) return *found;
  }
  return kIniFileName;
}

}  // namespace kartovex
