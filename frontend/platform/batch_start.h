#pragma once
// Starting a run's batch file on a platform without PIF files: RUNn.PIF in
// binDir names the batch file; its first line ("PROGRAM < ANSWERS") is
// started directly, without a shell; its second line ("DEL MARKER") is
// carried out only once the program has ended.

#include <sys/types.h>

#include <string>

namespace kartovex {

// Why a batch file could not be started.
enum class BatchStartError {
  None,
  MissingPif,         // binDir + "RUNn.PIF" not found or empty
  MissingBatch,       // the batch file the PIF names not found
  InvalidBatch,       // not the two lines of a batch file
  MissingProgram,     // the program of line 1 not found (ignoring case, with or without ".EXE")
  NotExecutable,      // the program file is there but may not be run
  MissingAnswerFile,  // the answer file of line 1 not found
  SpawnFailed         // the operating system refused to start the program
};

// A batch file started with StartBatch; owns the running program. The
// destructor ends a program that is still running.
class RunningBatch {
 public:
  RunningBatch() = default;
  ~RunningBatch();
  RunningBatch(const RunningBatch&) = delete;
  RunningBatch& operator=(const RunningBatch&) = delete;
  RunningBatch(RunningBatch&& other) noexcept;
  RunningBatch& operator=(RunningBatch&& other) noexcept;

  // Starts binDir + "RUNn.PIF": current directory binDir, standard input
  // the answer file, standard output and error binDir + "RUNn.CON".
  // Returns at once. On failure error() and missingFile() tell why.
  bool Start(const std::string& binDir, int n);

  // Waits at most timeoutMs for the program to end (0: just looks). When
  // it has ended, carries out the batch file's second line and returns true.
  bool WaitFor(int timeoutMs);
  // Ends the running program (and whatever it started), then carries out
  // the second line. Nothing happens when it has already ended.
  void Kill();

  bool running() const { return pid_ > 0; }
  bool finished() const { return finished_; }
  // The program's exit status once finished; -1 when ended by a signal.
  int exitStatus() const { return exitStatus_; }
  // The signal that ended it, 0 when it exited by itself. A program ended
  // by Kill() counts as killed.
  int termSignal() const { return termSignal_; }

  BatchStartError error() const { return error_; }
  // The file that was missing (or the program that failed to start).
  const std::string& missingFile() const { return missingFile_; }
  // Operating-system error text of SpawnFailed.
  const std::string& errorText() const { return errorText_; }
  // Paths taken from the batch file.
  const std::string& programPath() const { return programPath_; }
  const std::string& answerPath() const { return answerPath_; }
  const std::string& deletePath() const { return deletePath_; }
  const std::string& consolePath() const { return consolePath_; }

 private:
  void Reaped(int status);
  void Release();

  pid_t pid_ = 0;
  int pidFd_ = -1;
  bool finished_ = false;
  int exitStatus_ = 0;
  int termSignal_ = 0;
  BatchStartError error_ = BatchStartError::None;
  std::string missingFile_;
  std::string errorText_;
  std::string programPath_;
  std::string answerPath_;
  std::string deletePath_;
  std::string consolePath_;
};

}  // namespace kartovex
