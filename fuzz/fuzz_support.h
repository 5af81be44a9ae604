#pragma once
// Shared by the fuzz targets: one scratch folder per process, removed at
// exit, and a file in it that each input overwrites (readers that take a
// path read the fuzz bytes from there).
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>

namespace fuzz {

class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = baseDirectory() + "/kartovex-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  // TMPDIR when set, else memory-backed /dev/shm when there is one: the
  // product writers truncate files, which a disk file system flushes.
  static std::string baseDirectory() {
    const char* tmp = std::getenv("TMPDIR");
    if (tmp && *tmp) return tmp;
    if (::access("/dev/shm", W_OK | X_OK) == 0) return "/dev/shm";
    return "/tmp";
  }

  std::filesystem::path path_;
};

// The process's scratch folder, made on first use.
inline const std::filesystem::path& scratch() {
  static ScratchDir dir;
  return dir.path();
}

// Writes the bytes to `name` in the scratch folder (replacing what the last
// input left) and returns its path. The file is overwritten and then cut to
// size rather than truncated first: a truncate to zero makes ext4 flush the
// file on close, which slows every run down a hundredfold.
inline std::string writeScratch(const std::string& name, const std::uint8_t* data,
                                std::size_t size) {
  const std::string path = (scratch() / name).string();
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) std::abort();
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pwrite(fd, data + done, size - done, static_cast<off_t>(done));
    if (n <= 0) std::abort();
    done += static_cast<std::size_t>(n);
  }
  if (::ftruncate(fd, static_cast<off_t>(size)) != 0) std::abort();
  ::close(fd);
  return path;
}

inline std::string asString(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// A stream that swallows what the programs print on their console.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

inline std::ostream& nullStream() {
  static NullBuffer buffer;
  static std::ostream stream(&buffer);
  return stream;
}

}  // namespace fuzz
