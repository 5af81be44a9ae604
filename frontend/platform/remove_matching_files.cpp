#include "platform/remove_matching_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/paths.h"

namespace kartovex {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> splitPatterns(const std::string& patterns) {
  std::vector<std::string> out;
  std::string current;
  for (char c : patterns) {
    if (c == ';') {
      if (!current.empty()) out.push_back(current);
      current.clear();
    } else if (c != ' ') {
      current += c;
    }
  }
  if (!current.empty()) out.push_back(current);
  return out;
}

bool isProtected(const std::string& path, const std::set<std::string>& protectedPaths) {
  for (const auto& p : protectedPaths) {
    if (DirectoryOf(p) == DirectoryOf(path) && EqualsIgnoringCase(FileNameOf(p), FileNameOf(path)))
      return true;
    // The same file reached through another spelling of the directory.
    std::error_code ec;
    if (fs::equivalent(fs::path(p), fs::path(path), ec) && !ec) return true;
  }
  return false;
}

}  // namespace

int RemoveMatchingFiles(const std::string& patterns, const std::string& directory,
                        const std::set<std::string>& protectedPaths) {
  std::string dir = WithTrailingSeparator(directory);
  struct stat st {};
  if (dir.empty() || ::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return kRemoveDirNotFound;
  if (::access(dir.c_str(), R_OK | X_OK) != 0) return kRemoveAccessDenied;

  std::vector<std::string> list = splitPatterns(patterns);
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(dir, ec);
  if (ec) return ec == std::errc::permission_denied ? kRemoveAccessDenied : kRemoveOtherError;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) return kRemoveOtherError;
    std::error_code typeEc;
    if (!it->is_regular_file(typeEc)) continue;
    std::string name = it->path().filename().string();
    for (const auto& pattern : list) {
      if (MatchesPattern(name, pattern)) {
        names.push_back(name);
        break;
      }
    }
  }
  std::sort(names.begin(), names.end());
  for (const auto& name : names) {
    std::string path = dir + name;
    if (isProtected(path, protectedPaths)) continue;
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
      return errno == EACCES || errno == EPERM ? kRemoveAccessDenied : kRemoveOtherError;
  }
  return kRemoveOk;
}

}  // namespace kartovex
