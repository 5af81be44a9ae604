#include "platform/paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace kartovex {

namespace fs = std::filesystem;

std::string WithTrailingSeparator(const std::string& dir) {
  if (dir.empty() || dir.back() == kDirSeparator) return dir;
  return dir + kDirSeparator;
}

std::string WithoutLastCharacter(const std::string& dir) {
  if (dir.empty()) return dir;
  return dir.substr(0, dir.size() - 1);
}

std::string DirectoryOf(const std::string& path) {
  auto pos = path.rfind(kDirSeparator);
  if (pos == std::string::npos) return "";
  return path.substr(0, pos + 1);
}

std::string FileNameOf(const std::string& path) {
  auto pos = path.rfind(kDirSeparator);
  if (pos == std::string::npos) return path;
  return path.substr(pos + 1);
}

static char upperChar(char c) {
  return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (upperChar(a[i]) != upperChar(b[i])) return false;
  return true;
}

std::string ToUpper(std::string s) {
  for (char& c : s) c = upperChar(c);
  return s;
}

static bool isRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::optional<std::string> FindIgnoringCase(const std::string& path) {
  if (path.empty()) return std::nullopt;
  if (isRegularFile(path)) return path;
  std::string dir = DirectoryOf(path);
  std::string name = FileNameOf(path);
  if (name.empty()) return std::nullopt;
  std::error_code ec;
  fs::directory_iterator it(dir.empty() ? fs::path(".") : fs::path(dir), ec);
  if (ec) return std::nullopt;
  // Name order, so the same file wins every time when several differ only by case.
  std::optional<std::string> best;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::string candidate = it->path().filename().string();
    if (!EqualsIgnoringCase(candidate, name)) continue;
    std::string full = dir + candidate;
    if (!isRegularFile(full)) continue;
    if (!best || full < *best) best = full;
  }
  return best;
}

bool IsExactFile(const std::string& path) { return !path.empty() && isRegularFile(path); }

std::string ResolveForReading(const std::string& path) {
  auto found = FindIgnoringCase(path);
  return found ? *found : path;
}

bool PathExists(const std::string& path) { return FindIgnoringCase(path).has_value(); }

bool FileExists(const std::string& path) {
  auto found = FindIgnoringCase(path);
  if (!found) return false;
  struct stat st {};
  return ::stat(found->c_str(), &st) == 0 && st.st_size > 0;
}

bool DirectoryExists(const std::string& dir) {
  if (dir.empty()) return false;
  struct stat st {};
  return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ProgramExists(const std::string& dir, const std::string& name) {
  if (PathExists(dir + name)) return true;
  std::string upper = ToUpper(name);
  if (upper.size() > 4 && upper.compare(upper.size() - 4, 4, ".EXE") == 0)
    return PathExists(dir + name.substr(0, name.size() - 4));
  return PathExists(dir + name + ".exe");
}

std::string TempPathBeside(const std::string& path) {
  return DirectoryOf(path) + "." + FileNameOf(path) + "." + std::to_string(::getpid()) + ".tmp";
}

bool ReplaceFile(const std::string& from, const std::string& to, std::string& reason) {
  if (std::rename(from.c_str(), to.c_str()) == 0) return true;
  reason = LastSystemError();
  return false;
}

bool DirectoryWritable(const std::string& dir) {
  const std::string d = dir.empty() ? std::string(".") : dir;
  return DirectoryExists(d) && ::access(d.c_str(), W_OK | X_OK) == 0;
}

std::string LastSystemError() { return std::strerror(errno); }

bool HasControlCharacter(const std::string& name) {
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f) return true;
  }
  return false;
}

}  // namespace kartovex
