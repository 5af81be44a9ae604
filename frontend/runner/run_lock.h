#pragma once
// One run at a time per installation: the work files in binDir and workDir
// and the running marker are shared by every front end started on it, so
// PROCESS holds a lock on workDir + "KARTOVEX.LCK" from its first file
// removal to its end. A second run is refused with a message that names
// the running one.

#include <string>

#include "core/settings.h"
#include "messages/messages.h"
#include "platform/installation_lock.h"

namespace kartovex {

// What the holder writes into the lock file.
std::string RunLockNote(long pid, const std::string& program, const std::string& inputFile);

// The refusal text for a lock file holding note (fields it lacks are left out).
std::string RunLockBusyText(bool french, const std::string& note);
std::string RunLockFailedText(bool french, const std::string& path, const std::string& reason);

class RunLock {
 public:
  // Locks the installation for a run of inputFile; on refusal shows the
  // critical box and returns false.
  bool Acquire(const FrontEndSettings& settings, MessageService& messages,
               const std::string& inputFile);
  // Locks it only when no run holds it (start-up clean-up); no message.
  LockResult TryAcquireQuietly(const FrontEndSettings& settings);
  void Release() { lock_.Release(); }
  bool held() const { return lock_.held(); }

 private:
  InstallationLock lock_;
};

// workDir + "KARTOVEX.LCK".
std::string RunLockPath(const FrontEndSettings& settings);

}  // namespace kartovex
