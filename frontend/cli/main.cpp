// kartovex-cli: the main window's PROCESS from the command line.

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "platform/ini_location.h"

namespace {

std::atomic<bool> g_interrupted{false};
std::atomic<std::atomic<bool>*> g_cancelFlag{nullptr};

// Ctrl-C (SIGTERM, SIGHUP) is the Cancel button: only atomic stores here.
extern "C" void onInterrupt(int) {
  g_interrupted.store(true);
  if (std::atomic<bool>* flag = g_cancelFlag.load()) flag->store(true);
}

}  // namespace

int main(int argc, char** argv) {
  // Ctrl-C, and a terminal that closes or a kill, all cancel the run: the
  // running program is ended, the marker removed, the lock released.
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigaction(sig, &action, nullptr);
  // A write past the file-size limit fails and is reported by the writer
  // instead of ending the front end. Children get default handling back.
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGXFSZ, &ignore, nullptr);

  std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  kartovex::cli::CliEnvironment env;
  env.programDir = kartovex::ProgramDirectory();
  env.out = &std::cout;
  env.err = &std::cerr;
  env.progressLine = ::isatty(STDERR_FILENO) == 1;
  env.interrupted = &g_interrupted;
  env.exposeCancelFlag = [](std::atomic<bool>* flag) { g_cancelFlag.store(flag); };
  try {
    return kartovex::cli::CliMain(args, "kartovex-cli", env);
  } catch (const std::exception& e) {
    std::cerr << "kartovex-cli: " << e.what() << "\n";
    return kartovex::cli::kExitNotCompleted;
  }
}
