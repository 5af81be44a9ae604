#include "common/atomic_file.h"

#include <unistd.h>

#include <string>
#include <system_error>

#include "common/companion_error.h"

namespace companion {

AtomicFile::AtomicFile(std::filesystem::path finalPath) : finalPath_(std::move(finalPath)) {
  // The process id keeps two runs in one directory from sharing a temporary.
  tempPath_ = finalPath_;
  tempPath_ += ".tmp" + std::to_string(static_cast<long>(::getpid()));
  out_.open(tempPath_, std::ios::binary | std::ios::trunc);
  if (!out_) throw CompanionError("cannot create " + finalPath_.string());
}

AtomicFile::~AtomicFile() {
  if (!committed_) {
    out_.close();
    std::error_code ignored;
    std::filesystem::remove(tempPath_, ignored);
  }
}

void AtomicFile::writeLine(std::string_view line) {
  out_.write(line.data(), static_cast<std::streamsize>(line.size()));
  out_.write("\r\n", 2);
}

void AtomicFile::commit() {
  if (committed_) return;
  out_.flush();
  const bool good = static_cast<bool>(out_);
  out_.close();
  if (!good || out_.fail()) throw CompanionError("cannot write " + finalPath_.string());
  std::error_code error;
  std::filesystem::rename(tempPath_, finalPath_, error);
  if (error) {
    throw CompanionError("cannot create " + finalPath_.string() + ": " + error.message());
  }
  committed_ = true;
}

}  // namespace companion
