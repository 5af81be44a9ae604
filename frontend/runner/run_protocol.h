#pragma once
// The protocol by which the console programs are run: answer file, two-line
// batch file, running marker, start, and the wait until the marker is gone
// or the user cancels.

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/work_file_names.h"
#include "messages/messages.h"
#include "platform/paths.h"  // FileExists(path)

namespace kartovex {

// palProgress values the routes set.
namespace progress {
inline constexpr int kCancelled = 0;
inline constexpr int kStarted = 1;        // PROCESS hands over to the route
inline constexpr int kOrvandelDone = 15;  // transformNad27Nad83Csrs before its sub-route
inline constexpr int kReformatted = 20;
inline constexpr int kAnswerFilesWritten = 30;
inline constexpr int kSingleBeforeStart = 40;
inline constexpr int kAfterFirst = 50;  // chains: after the successive programs
inline constexpr int kAfterSecond = 60;
inline constexpr int kAfterThird = 70;
inline constexpr int kSingleAfterRun = 60;
inline constexpr int kTextWritten = 80;
inline constexpr int kBeforeReport = 90;
inline constexpr int kDone = 100;
}  // namespace progress

// What the caller of a run supplies: the event pump, the cancel flag and
// where progress and the results label go. One per main window (or CLI).
struct RunControl {
  // Cleared when PROCESS starts; set by Cancel (or Ctrl-C). Setting it is
  // async-signal-safe.
  std::atomic<bool> cancel{false};
  // Lets the user interface process pending events; may be empty. The wait
  // loop itself blocks up to waitSliceMs on the program between calls, so
  // a pump that returns at once does not make it spin.
  std::function<void()> pumpEvents;
  // palProgress FloodPercent.
  std::function<void(int)> setProgress;
  // lblRESULTS (the intermediate ORVANDEL texts of transformNad27Nad83Csrs
  // and the dispatcher's refusal texts).
  std::function<void(const std::string&)> setResultsLabel;
  int waitSliceMs = 20;

  void Cancel() { cancel.store(true); }
  void ClearCancel() { cancel.store(false); }
  bool cancelled() const { return cancel.load(); }
  void Progress(int value) const {
    if (setProgress) setProgress(value);
  }
  void ResultsLabel(const std::string& text) const {
    if (setResultsLabel) setResultsLabel(text);
  }
};

// The outcome of RunProgram.
enum class RunResult {
  Finished,    // the marker is gone: the program has ended
  Cancelled,   // the user cancelled; the program was ended, the marker removed
  StartFailed  // could not be started; message shown, marker removed
};

// File names of the protocol.
using workfiles::AnswerFileName;       // "IN_RUN1.TXT" .. "IN_RUN3.TXT"
using workfiles::BatchFileName;        // "RUN1.BAT" ..
using workfiles::ConsoleFileName;      // "RUN1.CON" ..
using workfiles::kOrvandelAnswerFile;  // "TRAN_IN.TXT"
using workfiles::PifFileName;          // "RUN1.PIF" ..
inline constexpr const char* kMarkerLine = "RUNNING...";

// The marker path of the settings (runningMarker, or workDir + "RUNNING.TXT"
// when that is empty).
std::string MarkerPath(const FrontEndSettings& settings);

// One answer per line, each ended by CR LF; the file is replaced. False
// when it cannot be written.
bool WriteAnswerFile(const std::string& path, const std::vector<std::string>& answers);

// The two lines of a batch file (without their CR LF).
std::string BatchLine1(const FrontEndSettings& settings, const std::string& programFile,
                       const std::string& answerFile);
std::string BatchLine2(const FrontEndSettings& settings);
// Writes binDir + "RUNn.BAT" for programFile ("VESPERAN.EXE") reading
// binDir + answerFile. False when it cannot be written.
bool WriteBatchFile(const FrontEndSettings& settings, int n, const std::string& programFile,
                    const std::string& answerFile);

// workDir + "RUNNING.TXT" replaced by the one line "RUNNING...".
bool WriteRunningMarker(const FrontEndSettings& settings);

// Creates the directory; true when created or already there, otherwise the
// error number and description in a critical box and false.
bool MakeDirectory(MessageService& messages, const std::string& path);

// The message of a program that could not be started (names the program
// and the missing file).
std::string StartFailureText(bool french, const std::string& program, const std::string& file,
                             const std::string& reason);

// How a finished program ended.
struct ProgramEnd {
  int exitStatus = 0;       // its exit status when it exited by itself
  int signal = 0;           // the signal that ended it, 0 when none
  std::string consoleFile;  // binDir + "RUNn.CON": its standard output and error
  bool failed() const { return signal != 0 || exitStatus != 0; }
};

// WriteRunningMarker, start binDir + "RUNn.PIF", then the wait loop: until
// the marker is gone and the program has ended, pump events; on cancel end
// the program, remove the marker, progress 0. program ("VESPERAN") names it
// in messages. When finished, end (if given) tells how the program ended.
RunResult RunProgram(const FrontEndSettings& settings, MessageService& messages,
                     RunControl& control, int n, const std::string& program,
                     ProgramEnd* end = nullptr);

}  // namespace kartovex
