#pragma once
// One kartovex-cli run: the main window's start-up, the command line's
// choices and PROCESS.

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_init.h"
#include "cli/cli_options.h"
#include "mainwindow/route_services.h"

namespace kartovex::cli {

inline constexpr int kExitCompleted = 0;
inline constexpr int kExitNotCompleted = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitStartupFailed = 3;
// Completed, but one or more points were missed or rejected.
inline constexpr int kExitPointsLeftOut = 4;
inline constexpr int kExitInterrupted = 130;

struct CliEnvironment {
  std::string programDir;       // where KARTOVEX.INI is looked for first (ends with '/')
  std::ostream* out = nullptr;  // the results text
  std::ostream* err = nullptr;  // messages and the progress line
  bool progressLine = false;    // standard error is a terminal
  // The progress bar appears only once a run has lasted this long.
  std::chrono::steady_clock::duration progressDelay = std::chrono::seconds(1);
  // --init's sources; unset: the installed data beside programDir.
  std::optional<InstalledData> installed;
  RouteServices services = DefaultRouteServices();
  // Set by Ctrl-C; may be null.
  const std::atomic<bool>* interrupted = nullptr;
  // Receives the run's cancel flag while the model lives (null afterwards),
  // so that a signal handler can set it at once.
  std::function<void(std::atomic<bool>*)> exposeCancelFlag;
};

int RunCli(const CliOptions& options, CliEnvironment& env);

// Parses args (without the program name) and runs; --help and usage errors
// included.
int CliMain(const std::vector<std::string>& args, const std::string& programName,
            CliEnvironment& env);

}  // namespace kartovex::cli
