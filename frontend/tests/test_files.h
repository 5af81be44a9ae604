#pragma once
// Temporary directories and whole-file reads and writes shared by the
// front-end test fixtures.

#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace kartovex::testfiles {

// A fresh directory under $TMPDIR (or /tmp) named tag plus a unique suffix,
// ending with '/'; empty when it cannot be made.
inline std::string MakeTempDir(const std::string& tag) {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + tag + "_XXXXXX";
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  const char* made = ::mkdtemp(buf.data());
  return made ? std::string(made) + "/" : std::string();
}

inline void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

inline bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// Copies the demo installation demo into root (with or without a final
// '/') and makes the copy's KARTOVEX.INI name the copy. False when demo holds
// no installation. Tests copy the installation the build made for them,
// never build/demo, which a user's runs change.
inline bool CopyDemoInstallation(std::string demo, std::string root) {
  namespace fs = std::filesystem;
  for (std::string* dir : {&demo, &root}) {
    while (dir->size() > 1 && dir->back() == '/') dir->pop_back();
  }
  if (!fs::exists(demo + "/KARTOVEX.INI") || !fs::exists(demo + "/BIN")) return false;
  fs::copy(demo, root, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  std::string ini = ReadFile(root + "/KARTOVEX.INI");
  for (std::size_t at = ini.find(demo); at != std::string::npos; at = ini.find(demo, at)) {
    ini.replace(at, demo.size(), root);
    at += root.size();
  }
  WriteFile(root + "/KARTOVEX.INI", ini);
  return true;
}

// The lines of a file written with CR LF line ends; a last line without its
// CR LF is marked "<no CR LF>".
inline std::vector<std::string> CrLfLines(const std::string& path) {
  std::string text = ReadFile(path);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back("<no CR LF>" + text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// A fixed-column line: each text starts in its (1-based) column, blanks
// between.
inline std::string Placed(std::initializer_list<std::pair<std::size_t, std::string>> fields) {
  std::string line;
  for (const auto& [column, text] : fields) {
    if (line.size() < column - 1) line.append(column - 1 - line.size(), ' ');
    line.replace(column - 1, text.size(), text);
  }
  return line;
}

}  // namespace kartovex::testfiles
