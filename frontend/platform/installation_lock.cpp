#include "platform/installation_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kartovex {

namespace {

std::string ReadAll(int fd) {
  std::string text;
  char buf[512];
  off_t at = 0;
  for (;;) {
    ssize_t n = ::pread(fd, buf, sizeof buf, at);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    text.append(buf, static_cast<std::size_t>(n));
    at += n;
    if (text.size() > 8192) break;
  }
  return text;
}

}  // namespace

InstallationLock::~InstallationLock() { Release(); }

LockResult InstallationLock::Acquire(const std::string& path, const std::string& holderText) {
  Release();
  holderText_.clear();
  errorText_.clear();
  // Close-on-exec: a console program started during the run must not keep
  // the installation locked after the front end has gone.
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) {
    errorText_ = std::strerror(errno);
    return LockResult::Failed;
  }
  int rc;
  do {
    rc = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (rc != 0 && errno == EINTR);
  if (rc != 0) {
    const int error = errno;
    if (error == EWOULDBLOCK) {
      holderText_ = ReadAll(fd);
      ::close(fd);
      return LockResult::Busy;
    }
    errorText_ = std::strerror(error);
    ::close(fd);
    return LockResult::Failed;
  }
  fd_ = fd;
  if (::ftruncate(fd_, 0) == 0) {
    const char* p = holderText.data();
    std::size_t left = holderText.size();
    off_t at = 0;
    while (left > 0) {
      ssize_t n = ::pwrite(fd_, p, left, at);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;  // the lock holds all the same; only the note is lost
      p += n;
      at += n;
      left -= static_cast<std::size_t>(n);
    }
  }
  holderText_ = holderText;
  return LockResult::Acquired;
}

void InstallationLock::Release() {
  if (fd_ < 0) return;
  if (::ftruncate(fd_, 0) != 0) {
    // An old note in an unlocked file misleads nobody: the lock decides.
  }
  ::flock(fd_, LOCK_UN);
  ::close(fd_);
  fd_ = -1;
}

long CurrentProcessId() { return static_cast<long>(::getpid()); }

std::string CurrentProgramName() {
  char buf[4096];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "kartovex";
  std::string path(buf, static_cast<std::size_t>(n));
  auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace kartovex
