#pragma once
// A private copy of the demo installation in a fresh temporary directory,
// with the absolute paths of its KARTOVEX.INI pointing into the copy, so
// that tests run in parallel and never dirty the shared installation.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace e2e {

namespace fs = std::filesystem;

inline std::string ReadText(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteText(const fs::path& p, const std::string& text) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << text;
}

// Lines without their CR LF or LF endings; a last empty line is dropped.
inline std::vector<std::string> ReadLines(const fs::path& p) {
  std::vector<std::string> lines;
  std::istringstream in(ReadText(p));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

inline std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

inline std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The file of that name in dir, found ignoring case; empty when none.
inline fs::path FindIgnoringCase(const fs::path& dir, const std::string& name) {
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(dir, ec))
    if (Upper(e.path().filename().string()) == Upper(name)) return e.path();
  return {};
}

inline bool DemoInstalled() { return fs::exists(fs::path(KARTOVEX_DEMO_ROOT) / "KARTOVEX.INI"); }

class TempDir {
 public:
  TempDir() {
    // Mixed case on purpose: the front end upper-cases the names it is given.
    std::string pattern = (fs::temp_directory_path() / "KartovexE2e_XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (::mkdtemp(buf.data())) path_ = buf.data();
  }
  ~TempDir() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

class DemoCopy {
 public:
  // False (with the reason) when the copy could not be made.
  bool make(std::string& error) {
    if (temp_.path().empty()) {
      error = "no temporary directory";
      return false;
    }
    root_ = temp_.path() / "Demo";
    std::error_code ec;
    fs::copy(KARTOVEX_DEMO_ROOT, root_, fs::copy_options::recursive, ec);
    if (ec) {
      error = "copy of the demo installation failed: " + ec.message();
      return false;
    }
    const fs::path ini = root_ / "KARTOVEX.INI";
    std::string text = ReadText(ini);
    // The installation's own root as its [PATH] ROOT names it.
    const auto key = text.find("\nROOT=");
    if (key == std::string::npos) {
      error = "no ROOT in KARTOVEX.INI";
      return false;
    }
    const auto end = text.find_first_of("\r\n", key + 6);
    const std::string from = text.substr(key + 6, end - key - 6);
    const std::string to = root();
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
      text.replace(at, from.size(), to);
    if (from.empty() || text.find(from) != std::string::npos) {
      error = "KARTOVEX.INI still names " + from;
      return false;
    }
    WriteText(ini, text);
    return true;
  }

  // The copy's root, ending in '/'.
  std::string root() const { return root_.string() + "/"; }
  fs::path dir(const std::string& sub) const { return root_ / sub; }
  fs::path bin() const { return dir("BIN"); }
  fs::path working() const { return dir("WORKING"); }
  fs::path input() const { return dir("INPUT"); }
  fs::path output() const { return dir("OUTPUT"); }
  fs::path ini() const { return dir("KARTOVEX.INI"); }
  std::string datafile() const { return root() + "DATAFILE/"; }
  const fs::path& temp() const { return temp_.path(); }

 private:
  TempDir temp_;
  fs::path root_;
};

}  // namespace e2e

// In a test body: a fresh copy of the demo installation, or a skip when the
// build made none.
#define E2E_DEMO_COPY(name)                                              \
  if (!e2e::DemoInstalled()) GTEST_SKIP() << "demo installation absent"; \
  e2e::DemoCopy name;                                                    \
  {                                                                      \
    std::string copyError;                                               \
    ASSERT_TRUE(name.make(copyError)) << copyError;                      \
  }
