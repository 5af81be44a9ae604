#pragma once
// Runs kartovex-cli of a demo copy as a child process (no shell), with
// DATAFILE pointing into the copy and its output kept in files.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "demo_copy.h"

extern char** environ;

namespace e2e {

struct CliRun {
  int status = -1;    // exit status; -1 when it did not end normally
  bool hung = false;  // killed by the guard below
  std::string out;
  std::string err;
  // The last line of standard output: the results label.
  std::string label() const {
    std::string s = out;
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
    const auto nl = s.rfind('\n');
    return nl == std::string::npos ? s : s.substr(nl + 1);
  }
};

// A program that never ends must fail the test, not hang the suite.
inline constexpr auto kHangGuard = std::chrono::seconds(90);

inline CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& datafile, const fs::path& logDir) {
  CliRun run;
  static int counter = 0;
  const std::string tag = std::to_string(++counter);
  const fs::path outFile = logDir / ("cli" + tag + ".out");
  const fs::path errFile = logDir / ("cli" + tag + ".err");

  std::vector<std::string> envText;
  for (char** e = environ; *e; ++e)
    if (std::string(*e).rfind("DATAFILE=", 0) != 0) envText.emplace_back(*e);
  if (!datafile.empty()) envText.push_back("DATAFILE=" + datafile);
  std::vector<char*> envp;
  for (auto& s : envText) envp.push_back(s.data());
  envp.push_back(nullptr);

  std::vector<std::string> argText{program};
  argText.insert(argText.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& s : argText) argv.push_back(s.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outFile.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) {
    run.err = "cannot start " + program;
    return run;
  }
  const auto deadline = std::chrono::steady_clock::now() + kHangGuard;
  int wstatus = 0;
  for (;;) {
    const pid_t done = ::waitpid(pid, &wstatus, WNOHANG);
    if (done == pid) break;
    if (done < 0) return run;
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &wstatus, 0);
      run.hung = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (!run.hung && WIFEXITED(wstatus)) run.status = WEXITSTATUS(wstatus);
  run.out = ReadText(outFile);
  run.err = ReadText(errFile);
  return run;
}

// kartovex-cli of the copy, started on the copy's KARTOVEX.INI.
inline CliRun RunCli(const DemoCopy& demo, std::vector<std::string> args) {
  args.insert(args.begin(), {"--ini", demo.ini().string()});
  return RunProgram(demo.root() + "kartovex-cli", args, demo.datafile(), demo.temp());
}

}  // namespace e2e
