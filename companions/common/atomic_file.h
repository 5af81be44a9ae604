#pragma once
// An output file that appears under its final name only when the whole run
// has succeeded: lines go to a temporary file beside it, and commit() renames
// it. A file that is never committed is removed, so a failed run leaves no
// half-written file under a final name.
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>

namespace companion {

class AtomicFile {
 public:
  explicit AtomicFile(std::filesystem::path finalPath);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Writes the record and its CR LF line end.
  void writeLine(std::string_view line) {
    buffer_.append(line);
    buffer_.append("\r\n", 2);
    if (buffer_.size() >= kBufferSize) writeBuffer();
  }

  // Closes the temporary file and moves it to the final name, replacing an
  // older file. Throws CompanionError when writing or renaming failed.
  void commit();

  // Writes out and closes the temporary file without renaming it; throws
  // CompanionError, with the system's reason, when any write failed (a full
  // disk, a file-size limit).
  void finish();

  const std::filesystem::path& finalPath() const { return finalPath_; }
  const std::filesystem::path& temporaryPath() const { return tempPath_; }

 private:
  std::filesystem::path finalPath_;
  std::filesystem::path tempPath_;
  // Lines gather here and go to the file a megabyte at a time.
  static constexpr std::size_t kBufferSize = std::size_t{1} << 20;
  void writeBuffer();

  std::ofstream out_;
  std::string buffer_;
  int writeErrno_ = 0;  // the reason of the first failed write
  bool finished_ = false;
  bool committed_ = false;
};

// Commits files that belong together: every one is written out first, and
// when any of them fails none is left under its final name.
void commitAll(std::initializer_list<AtomicFile*> files);

}  // namespace companion
