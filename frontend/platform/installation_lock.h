#pragma once
// An exclusive advisory lock on a file (flock), held while a run uses the
// shared work files of an installation. The file holds a few lines about
// the holder, so that a refused run can say which run it waits for.

#include <string>

namespace kartovex {

enum class LockResult {
  Acquired,
  Busy,   // another process holds it; holderText() tells what it wrote
  Failed  // the file cannot be opened or locked; errorText() tells why
};

class InstallationLock {
 public:
  InstallationLock() = default;
  ~InstallationLock();
  InstallationLock(const InstallationLock&) = delete;
  InstallationLock& operator=(const InstallationLock&) = delete;

  // Creates path when needed and locks it without waiting. When acquired,
  // the file is replaced by holderText.
  LockResult Acquire(const std::string& path, const std::string& holderText);
  // Empties the file and releases the lock (also done by the destructor).
  void Release();

  bool held() const { return fd_ >= 0; }
  const std::string& holderText() const { return holderText_; }
  const std::string& errorText() const { return errorText_; }

 private:
  int fd_ = -1;
  std::string holderText_;
  std::string errorText_;
};

// This process's identifier and the file name of its program.
long CurrentProcessId();
std::string CurrentProgramName();

}  // namespace kartovex
