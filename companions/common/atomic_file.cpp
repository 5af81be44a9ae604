#include "common/atomic_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

#include "common/companion_error.h"

namespace companion {

AtomicFile::AtomicFile(std::filesystem::path finalPath) : finalPath_(std::move(finalPath)) {
  // A fixed name: the front end runs one program at a time in a directory
  // and clears name + ".PART" with the other work files, so a program killed
  // part-way leaves nothing behind for long.
  tempPath_ = finalPath_;
  tempPath_ += ".PART";
  errno = 0;
  out_.open(tempPath_, std::ios::binary | std::ios::trunc);
  if (!out_) {
    throw CompanionError("cannot create " + finalPath_.string() +
                         (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string()));
  }
  buffer_.reserve(kBufferSize + 4096);
}

AtomicFile::~AtomicFile() {
  if (!committed_) {
    out_.close();
    std::error_code ignored;
    std::filesystem::remove(tempPath_, ignored);
  }
}

void AtomicFile::writeBuffer() {
  if (buffer_.empty()) return;
  errno = 0;
  out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  if (!out_ && writeErrno_ == 0) writeErrno_ = errno != 0 ? errno : EIO;
  buffer_.clear();
}

void AtomicFile::finish() {
  if (finished_) return;
  writeBuffer();
  errno = 0;
  out_.flush();
  if (!out_ && writeErrno_ == 0) writeErrno_ = errno != 0 ? errno : EIO;
  errno = 0;
  out_.close();
  if (out_.fail() && writeErrno_ == 0) writeErrno_ = errno != 0 ? errno : EIO;
  if (writeErrno_ != 0) {
    throw CompanionError("cannot write " + finalPath_.string() + ": " + std::strerror(writeErrno_));
  }
  finished_ = true;
}

void AtomicFile::commit() {
  if (committed_) return;
  finish();
  std::error_code error;
  std::filesystem::rename(tempPath_, finalPath_, error);
  if (error) {
    throw CompanionError("cannot create " + finalPath_.string() + ": " + error.message());
  }
  committed_ = true;
}

void commitAll(std::initializer_list<AtomicFile*> files) {
  for (AtomicFile* file : files) file->finish();
  std::vector<const AtomicFile*> done;
  try {
    for (AtomicFile* file : files) {
      file->commit();
      done.push_back(file);
    }
  } catch (...) {
    for (const AtomicFile* file : done) {
      std::error_code ignored;
      std::filesystem::remove(file->finalPath(), ignored);
    }
    throw;
  }
}

}  // namespace companion
