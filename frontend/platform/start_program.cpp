#include "platform/start_program.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

extern char** environ;

namespace kartovex {

namespace {

constexpr auto kPollStep = std::chrono::milliseconds(20);

pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<std::string> args;
  args.push_back(program);
  args.insert(args.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawnattr_t attr;
  if (::posix_spawnattr_init(&attr) != 0) return -1;
  // A session of its own: the program outlives us and ignores our terminal.
  ::posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
  pid_t pid = -1;
  // posix_spawnp reports a failed exec as its result, so a missing program
  // is known here and not by a child that exits 127.
  int rc = ::posix_spawnp(&pid, argv[0], nullptr, &attr, argv.data(), environ);
  ::posix_spawnattr_destroy(&attr);
  return rc == 0 ? pid : -1;
}

// Waits for the child in the background so it never stays a zombie.
void HandToReaper(pid_t pid) {
  std::thread([pid] {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

// The child's status when it has ended, reaping it; false while it runs.
bool Ended(pid_t pid, int& status) {
  for (;;) {
    pid_t r = ::waitpid(pid, &status, WNOHANG);
    if (r == pid) return true;
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) {
      // Reaped elsewhere (SIGCHLD ignored): nothing to report.
      status = 0;
      return true;
    }
    return false;
  }
}

}  // namespace

StartResult StartProgramWatched(const std::string& program,
                                const std::vector<std::string>& arguments, WindowStyle style,
                                std::chrono::milliseconds watch) {
  (void)style;
  StartResult result;
  if (program.empty()) return result;
  pid_t pid = Spawn(program, arguments);
  if (pid <= 0) return result;
  result.id = static_cast<long>(pid);
  const auto until = std::chrono::steady_clock::now() + watch;
  for (;;) {
    int status = 0;
    if (Ended(pid, status)) {
      if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        result.outcome = StartOutcome::Finished;
      } else {
        result.outcome = StartOutcome::FailedAtOnce;
        result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      return result;
    }
    if (std::chrono::steady_clock::now() >= until) break;
    std::this_thread::sleep_for(kPollStep);
  }
  result.outcome = StartOutcome::Running;
  HandToReaper(pid);
  return result;
}

std::string FolderOnPath(const std::string& program, const std::string& fallback) {
  const char* path = std::getenv("PATH");
  const std::string folders = path ? path : "";
  std::size_t start = 0;
  while (start <= folders.size()) {
    std::size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    std::string folder = folders.substr(start, end - start);
    // Relative entries depend on the current folder: not worth keeping.
    if (!folder.empty() && folder.front() == '/') {
      if (folder.back() != '/') folder += '/';
      if (::access((folder + program).c_str(), X_OK) == 0) return folder;
    }
    start = end + 1;
  }
  return fallback;
}

long StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                  WindowStyle style) {
  (void)style;
  if (program.empty()) return 0;
  pid_t pid = Spawn(program, arguments);
  if (pid <= 0) return 0;
  HandToReaper(pid);
  return static_cast<long>(pid);
}

}  // namespace kartovex
