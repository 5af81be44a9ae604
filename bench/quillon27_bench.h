#pragma once
// Runs a companion program on a generated input in a temporary directory and
// reports its own CPU time (user + system, from wait4) and points per second.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace companion_bench {

struct Timing {
  int status = -1;
  double cpuSeconds = 0.0;
  double wallSeconds = 0.0;
};

inline std::filesystem::path makeTempDir() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "companion-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    std::exit(2);
  }
  return pattern;
}

inline void writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const auto& line : lines) out << line << "\r\n";
}

inline Timing runTimed(const std::string& program, const std::filesystem::path& dir,
                       const std::filesystem::path& answers) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, answers.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  std::vector<char*> argv{const_cast<char*>(program.c_str()), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  Timing timing;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
    posix_spawn_file_actions_destroy(&actions);
    return timing;
  }
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  struct rusage usage {};
  while (::wait4(pid, &status, 0, &usage) < 0) {
  }
  timing.wallSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  timing.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  timing.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec * 1e-6 +
                      usage.ru_stime.tv_sec + usage.ru_stime.tv_usec * 1e-6;
  return timing;
}

inline int report(const char* name, int points, const Timing& timing) {
  if (timing.status != 0) {
    std::printf("%-40s FAILED (status %d)\n", name, timing.status);
    return 1;
  }
  std::printf("%-40s %7d points  cpu %.3f s  wall %.3f s  %10.0f points/s (cpu)\n", name, points,
              timing.cpuSeconds, timing.wallSeconds, points / timing.cpuSeconds);
  return 0;
}

// DDMMSS.SSSSS of an angle, as the front end's geographic writers give it.
inline std::string dms(double angle, bool separated) {
  const long long units = static_cast<long long>(angle * 3600.0 * 1e5 + 0.5);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, separated ? "%02lld %02lld %08.5f" : "%02lld%02lld%08.5f",
                units / 360000000LL, (units / 6000000LL) % 60, (units % 6000000LL) / 1e5);
  return buffer;
}

}  // namespace companion_bench
