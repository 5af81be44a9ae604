#pragma once
// A unique temporary directory per test, removed with everything in it.

#include <filesystem>
#include <string>

#include "test_files.h"

namespace kartovex::testing {

class TempDir {
 public:
  TempDir() : path_(testfiles::MakeTempDir("kartovex_fe1")) {}
  ~TempDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The directory, ending with '/'.
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// Makes the file's directory first.
inline void WriteFile(const std::string& path, const std::string& content) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  testfiles::WriteFile(path, content);
}

using testfiles::Exists;
using testfiles::ReadFile;

}  // namespace kartovex::testing
