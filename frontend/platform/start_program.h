#pragma once
// Starting an outside program without waiting for it.

#include <chrono>
#include <string>
#include <vector>

namespace kartovex {

enum class WindowStyle { Normal, Minimised, Maximised };

enum class StartOutcome {
  Running,       // still running after the first moment; reaped when it ends
  Finished,      // ended within the first moment with status 0
  NotStarted,    // could not be started (missing, not executable)
  FailedAtOnce,  // ended within the first moment with a failure status
};

struct StartResult {
  StartOutcome outcome = StartOutcome::NotStarted;
  long id = 0;         // the process id once started
  int exitStatus = 0;  // FailedAtOnce: the exit status, 128 + the signal when killed

  bool started() const {
    return outcome == StartOutcome::Running || outcome == StartOutcome::Finished;
  }
};

// How long a started program is watched for an early failure.
inline constexpr std::chrono::milliseconds kStartWatch{1000};

// Starts program (searched on PATH when it names no folder) with its
// arguments, in a session of its own, and watches it for the first moment
// (watch): a program that cannot start or ends within it with a failure says
// so in the result. Every child is reaped, also the ones that outlive the
// watch. The style is a wish for windowed programs; console programs ignore
// it.
StartResult StartProgramWatched(const std::string& program,
                                const std::vector<std::string>& arguments,
                                WindowStyle style = WindowStyle::Normal,
                                std::chrono::milliseconds watch = kStartWatch);

// Starts program with its arguments and returns at once. The result is the
// started process's identifier, 0 when it could not be started. The child
// is reaped when it ends.
long StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                  WindowStyle style = WindowStyle::Normal);

// The first folder of PATH (ending in '/') holding an executable named
// program; fallback when none does.
std::string FolderOnPath(const std::string& program, const std::string& fallback);

// The desktop's opener, which shows a file or page in the program the user
// chose for its kind.
inline constexpr const char* kDesktopOpener = "xdg-open";

}  // namespace kartovex
