#pragma once
// An output file that appears under its final name only when the whole run
// has succeeded: lines go to a temporary file beside it, and commit() renames
// it. A file that is never committed is removed, so a failed run leaves no
// half-written file under a final name.
#include <filesystem>
#include <fstream>
#include <string_view>

namespace companion {

class AtomicFile {
 public:
  explicit AtomicFile(std::filesystem::path finalPath);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Writes the record and its CR LF line end.
  void writeLine(std::string_view line);

  // Closes the temporary file and moves it to the final name, replacing an
  // older file. Throws CompanionError when writing or renaming failed.
  void commit();

  const std::filesystem::path& finalPath() const { return finalPath_; }
  const std::filesystem::path& temporaryPath() const { return tempPath_; }

 private:
  std::filesystem::path finalPath_;
  std::filesystem::path tempPath_;
  std::ofstream out_;
  bool committed_ = false;
};

}  // namespace companion
