#include "platform/profile_file.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "platform/ini_location.h"
#include "platform/paths.h"

namespace kartovex {

namespace {

struct ProfileLine {
  std::string text;  // without the line ending
};

std::string trim(const std::string& s) {
  const char* blanks = " \t\r\n";
  auto b = s.find_first_not_of(blanks);
  if (b == std::string::npos) return "";
  auto e = s.find_last_not_of(blanks);
  return s.substr(b, e - b + 1);
}

// The section name when line is a section header.
bool sectionName(const std::string& line, std::string& name) {
  std::string t = trim(line);
  if (t.empty() || t.front() != '[') return false;
  auto close = t.find(']');
  name = trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
  return true;
}

// Key and value when line is an entry of a section.
bool entry(const std::string& line, std::string& key, std::string& value) {
  std::string t = trim(line);
  if (t.empty() || t.front() == ';') return false;
  auto eq = t.find('=');
  if (eq == std::string::npos) return false;
  key = trim(t.substr(0, eq));
  value = trim(t.substr(eq + 1));
  return true;
}

std::string unquote(const std::string& v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

const std::string kBom = "\xEF\xBB\xBF";

// The file's lines without line endings; a leading byte-order mark is taken
// off (and reported in bom) so that the first section header is seen.
bool readLines(const std::string& path, std::vector<std::string>& lines, bool& crlf, bool& bom) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  crlf = false;
  bom = false;
  while (std::getline(in, line)) {
    if (lines.empty() && !bom && line.compare(0, kBom.size(), kBom) == 0) {
      line.erase(0, kBom.size());
      bom = true;
    }
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
      crlf = true;
    }
    lines.push_back(line);
  }
  return true;
}

std::string existingOrGiven(const std::string& file) {
  std::string path = ResolveProfilePath(file);
  auto found = FindIgnoringCase(path);
  return found ? *found : path;
}

}  // namespace

std::string ResolveProfilePath(const std::string& file) {
  if (file.find(kDirSeparator) != std::string::npos) return file;
  return UserConfigDirectory() + file;
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& file,
                                    std::size_t maxChars) {
  std::vector<std::string> lines;
  bool crlf = false, bom = false;
  std::string result = defaultValue;
  if (readLines(existingOrGiven(file), lines, crlf, bom)) {
    bool inSection = false;
    bool sectionSeen = false;
    for (const auto& line : lines) {
      std::string name, k, v;
      if (sectionName(line, name)) {
        // The first section of that name is the one that counts.
        if (inSection) break;
        inSection = !sectionSeen && EqualsIgnoringCase(name, section);
        if (inSection) sectionSeen = true;
        continue;
      }
      if (inSection && entry(line, k, v) && EqualsIgnoringCase(k, key)) {
        result = unquote(v);
        break;
      }
    }
  }
  if (result.size() > maxChars) result.resize(maxChars);
  return result;
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& file) {
  if (section.empty() || key.empty()) return false;
  std::string path = existingOrGiven(file);
  std::vector<std::string> lines;
  bool crlf = false, bom = false;
  bool existed = readLines(path, lines, crlf, bom);
  if (!existed) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return false;  // there but unreadable
    std::string dir = DirectoryOf(path);
    if (!dir.empty()) {
      std::error_code ec;
      std::filesystem::create_directories(dir, ec);
    }
  }
  std::string cleanValue = value;
  for (char& c : cleanValue)
    if (c == '\r' || c == '\n') c = ' ';

  bool inSection = false;
  bool done = false;
  std::size_t sectionStart = std::string::npos;
  std::size_t lastEntry = std::string::npos;
  for (std::size_t i = 0; i < lines.size() && !done; ++i) {
    std::string name, k, v;
    if (sectionName(lines[i], name)) {
      if (inSection) break;
      if (sectionStart == std::string::npos && EqualsIgnoringCase(name, section)) {
        inSection = true;
        sectionStart = i;
        lastEntry = i;
      }
      continue;
    }
    if (!inSection) continue;
    if (!entry(lines[i], k, v)) continue;
    lastEntry = i;
    if (EqualsIgnoringCase(k, key)) {
      // Keep the file's spelling of the key and its leading indentation.
      std::string indent = lines[i].substr(0, lines[i].find_first_not_of(" \t"));
      lines[i] = indent + k + "=" + cleanValue;
      done = true;
    }
  }
  if (!done) {
    if (sectionStart != std::string::npos) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastEntry + 1),
                   key + "=" + cleanValue);
    } else {
      lines.push_back("[" + section + "]");
      lines.push_back(key + "=" + cleanValue);
    }
  }

  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  const char* eol = crlf ? "\r\n" : "\n";
  if (bom) out << kBom;
  for (const auto& line : lines) out << line << eol;
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace kartovex
