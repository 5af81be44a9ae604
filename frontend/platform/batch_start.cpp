#include "platform/batch_start.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <utility>
#include <vector>

#include "platform/paths.h"

extern char** environ;

namespace kartovex {

namespace {

std::string Trimmed(std::string s) {
  while (!s.empty() &&
         (s.back() == '\r' || s.back() == '\n' || s.back() == ' ' || s.back() == '\t'))
    s.pop_back();
  std::size_t first = 0;
  while (first < s.size() && (s[first] == ' ' || s[first] == '\t')) ++first;
  return s.substr(first);
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    line = Trimmed(line);
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

bool EndsWithIgnoringCase(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() &&
         EqualsIgnoringCase(s.substr(s.size() - suffix.size()), suffix);
}

// The program file: ignoring case, with or without ".EXE". notExecutable
// receives a file of that name that may not be run.
std::optional<std::string> FindProgram(const std::string& path, std::string& notExecutable) {
  std::vector<std::string> candidates{path};
  if (EndsWithIgnoringCase(path, ".EXE"))
    candidates.push_back(path.substr(0, path.size() - 4));
  else
    candidates.push_back(path + ".EXE");
  for (const auto& candidate : candidates) {
    auto found = FindIgnoringCase(candidate);
    if (!found) continue;
    if (::access(found->c_str(), X_OK) == 0) return found;
    if (notExecutable.empty()) notExecutable = *found;
  }
  return std::nullopt;
}

// A batch file's names are given with binDir; a bare name lies in binDir.
std::string InBinDir(const std::string& binDir, const std::string& name) {
  if (!name.empty() && name.front() == kDirSeparator) return name;
  return WithTrailingSeparator(binDir) + name;
}

int OpenPidFd(pid_t pid) {
#ifdef SYS_pidfd_open
  long fd = ::syscall(SYS_pidfd_open, pid, 0);
  return fd < 0 ? -1 : static_cast<int>(fd);
#else
  (void)pid;
  return -1;
#endif
}

void SleepMs(int ms) {
  timespec ts{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
  ::nanosleep(&ts, nullptr);  // an interruption (Ctrl-C) just ends the slice early
}

}  // namespace

RunningBatch::~RunningBatch() { Kill(); }

RunningBatch::RunningBatch(RunningBatch&& other) noexcept { *this = std::move(other); }

RunningBatch& RunningBatch::operator=(RunningBatch&& other) noexcept {
  if (this != &other) {
    Kill();
    pid_ = std::exchange(other.pid_, 0);
    pidFd_ = std::exchange(other.pidFd_, -1);
    finished_ = other.finished_;
    exitStatus_ = other.exitStatus_;
    termSignal_ = other.termSignal_;
    error_ = other.error_;
    missingFile_ = std::move(other.missingFile_);
    errorText_ = std::move(other.errorText_);
    programPath_ = std::move(other.programPath_);
    answerPath_ = std::move(other.answerPath_);
    deletePath_ = std::move(other.deletePath_);
    consolePath_ = std::move(other.consolePath_);
  }
  return *this;
}

bool RunningBatch::Start(const std::string& binDir, int n) {
  Kill();
  *this = RunningBatch();
  const std::string dir = WithTrailingSeparator(binDir);
  const std::string number = std::to_string(n);

  const std::string pifName = dir + "RUN" + number + ".PIF";
  auto pif = FindIgnoringCase(pifName);
  std::vector<std::string> pifLines;
  if (pif) pifLines = ReadLines(*pif);
  if (pifLines.empty()) {
    error_ = BatchStartError::MissingPif;
    missingFile_ = pifName;
    return false;
  }

  const std::string batchName = InBinDir(dir, pifLines.front());
  auto batch = FindIgnoringCase(batchName);
  if (!batch) {
    error_ = BatchStartError::MissingBatch;
    missingFile_ = batchName;
    return false;
  }
  auto lines = ReadLines(*batch);
  std::size_t redirect = lines.empty() ? std::string::npos : lines[0].find(" < ");
  if (lines.size() != 2 || redirect == std::string::npos || lines[1].size() < 5 ||
      !EqualsIgnoringCase(lines[1].substr(0, 4), "DEL ")) {
    error_ = BatchStartError::InvalidBatch;
    missingFile_ = *batch;
    return false;
  }
  const std::string program = InBinDir(dir, Trimmed(lines[0].substr(0, redirect)));
  const std::string answers = InBinDir(dir, Trimmed(lines[0].substr(redirect + 3)));
  deletePath_ = Trimmed(lines[1].substr(4));

  std::string notExecutable;
  auto programPath = FindProgram(program, notExecutable);
  if (!programPath) {
    error_ =
        notExecutable.empty() ? BatchStartError::MissingProgram : BatchStartError::NotExecutable;
    missingFile_ = notExecutable.empty() ? program : notExecutable;
    return false;
  }
  programPath_ = *programPath;
  auto answerPath = FindIgnoringCase(answers);
  if (!answerPath) {
    error_ = BatchStartError::MissingAnswerFile;
    missingFile_ = answers;
    return false;
  }
  answerPath_ = *answerPath;
  consolePath_ = dir + "RUN" + number + ".CON";

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attr;
  ::posix_spawn_file_actions_init(&actions);
  ::posix_spawnattr_init(&attr);
  ::posix_spawn_file_actions_addopen(&actions, 0, answerPath_.c_str(), O_RDONLY, 0);
  ::posix_spawn_file_actions_addopen(&actions, 1, consolePath_.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ::posix_spawn_file_actions_adddup2(&actions, 1, 2);
  ::posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  // Its own process group, so that Cancel ends whatever it starts and the
  // terminal's Ctrl-C reaches only the front end; default signal handling.
  sigset_t all;
  sigfillset(&all);
  sigset_t none;
  sigemptyset(&none);
  ::posix_spawnattr_setsigdefault(&attr, &all);
  ::posix_spawnattr_setsigmask(&attr, &none);
  ::posix_spawnattr_setpgroup(&attr, 0);
  ::posix_spawnattr_setflags(
      &attr, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

  std::vector<char> arg0(programPath_.begin(), programPath_.end());
  arg0.push_back('\0');
  char* argv[] = {arg0.data(), nullptr};
  pid_t pid = 0;
  int rc = ::posix_spawn(&pid, programPath_.c_str(), &actions, &attr, argv, environ);
  ::posix_spawn_file_actions_destroy(&actions);
  ::posix_spawnattr_destroy(&attr);
  if (rc != 0) {
    error_ = BatchStartError::SpawnFailed;
    missingFile_ = programPath_;
    errorText_ = std::strerror(rc);
    return false;
  }
  pid_ = pid;
  pidFd_ = OpenPidFd(pid);
  return true;
}

void RunningBatch::Reaped(int status) {
  finished_ = true;
  exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  termSignal_ = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  Release();
  // Line 2 of the batch file, now that the program has ended.
  if (!deletePath_.empty()) {
    auto target = FindIgnoringCase(deletePath_);
    ::unlink((target ? *target : deletePath_).c_str());
  }
}

void RunningBatch::Release() {
  if (pidFd_ >= 0) ::close(pidFd_);
  pidFd_ = -1;
  pid_ = 0;
}

bool RunningBatch::WaitFor(int timeoutMs) {
  if (pid_ <= 0) return finished_;
  int status = 0;
  pid_t r = ::waitpid(pid_, &status, WNOHANG);
  if (r == 0 && timeoutMs > 0) {
    if (pidFd_ >= 0) {
      pollfd p{pidFd_, POLLIN, 0};
      ::poll(&p, 1, timeoutMs);
    } else {
      SleepMs(timeoutMs);
    }
    r = ::waitpid(pid_, &status, WNOHANG);
  }
  if (r == pid_) {
    Reaped(status);
  } else if (r < 0 && errno == ECHILD) {
    // Reaped by someone else: the program has ended all the same.
    Reaped(0);
  }
  return finished_;
}

void RunningBatch::Kill() {
  if (pid_ <= 0) return;
  ::kill(-pid_, SIGKILL);
  ::kill(pid_, SIGKILL);
  int status = 0;
  pid_t r;
  do {
    r = ::waitpid(pid_, &status, 0);
  } while (r < 0 && errno == EINTR);
  Reaped(r == pid_ ? status : 0);
}

}  // namespace kartovex
