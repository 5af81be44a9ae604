#include "runner/run_protocol.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

#include <sys/stat.h>

#include "platform/batch_start.h"

namespace kartovex {

std::string MarkerPath(const FrontEndSettings& settings) {
  if (!settings.runningMarker.empty()) return settings.runningMarker;
  return settings.workDir + workfiles::kMarker;
}

namespace {

bool WriteCrLfLines(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  for (const auto& line : lines) out << line << "\r\n";
  out.close();
  return !out.fail();
}

void RemoveMarker(const std::string& marker) {
  auto found = FindIgnoringCase(marker);
  std::remove((found ? *found : marker).c_str());
}

}  // namespace

bool WriteAnswerFile(const std::string& path, const std::vector<std::string>& answers) {
  return WriteCrLfLines(path, answers);
}

std::string BatchLine1(const FrontEndSettings& settings, const std::string& programFile,
                       const std::string& answerFile) {
  return settings.binDir + programFile + " < " + settings.binDir + answerFile;
}

std::string BatchLine2(const FrontEndSettings& settings) { return "DEL " + MarkerPath(settings); }

bool WriteBatchFile(const FrontEndSettings& settings, int n, const std::string& programFile,
                    const std::string& answerFile) {
  return WriteCrLfLines(settings.binDir + BatchFileName(n),
                        {BatchLine1(settings, programFile, answerFile), BatchLine2(settings)});
}

bool WriteRunningMarker(const FrontEndSettings& settings) {
  return WriteCrLfLines(MarkerPath(settings), {kMarkerLine});
}

bool MakeDirectory(MessageService& messages, const std::string& path) {
  std::string dir = path;
  while (dir.size() > 1 && dir.back() == kDirSeparator) dir.pop_back();
  if (::mkdir(dir.c_str(), 0777) == 0) return true;
  int error = errno;
  struct stat st {};
  // Already there (the old system's error 75).
  if (error == EEXIST && ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return true;
  std::string text =
      "MakeDirectory: " + std::to_string(error) + " " + std::strerror(error) + " (" + dir + ")";
  messages.critical(messages.pick(titles::kError), text);
  return false;
}

std::string StartFailureText(bool french, const std::string& program, const std::string& file,
                             const std::string& reason) {
  if (french) {
    if (!reason.empty())
      return "RunProgram: Impossible de démarrer " + program + " (" + file + ": " + reason + ").";
    return "RunProgram: Impossible de démarrer " + program + ", fichier introuvable: " + file + ".";
  }
  if (!reason.empty())
    return "RunProgram: Could not start " + program + " (" + file + ": " + reason + ").";
  return "RunProgram: Could not start " + program + ", file not found: " + file + ".";
}

RunResult RunProgram(const FrontEndSettings& settings, MessageService& messages,
                     RunControl& control, int n, const std::string& program, ProgramEnd* end) {
  const std::string marker = MarkerPath(settings);
  if (!WriteRunningMarker(settings)) {
    messages.critical(
        messages.pick(titles::kError),
        StartFailureText(messages.french(), program, marker,
                         messages.french() ? "écriture impossible" : "cannot be written"));
    return RunResult::StartFailed;
  }
  RunningBatch batch;
  if (!batch.Start(settings.binDir, n)) {
    // Nothing will ever delete the marker: do it here and say why.
    RemoveMarker(marker);
    std::string reason = batch.errorText();
    if (batch.error() == BatchStartError::InvalidBatch)
      reason = messages.french() ? "pas un fichier de commandes de deux lignes"
                                 : "not a batch file of two lines";
    if (batch.error() == BatchStartError::NotExecutable)
      reason = messages.french() ? "pas un programme exécutable" : "not an executable program";
    messages.critical(messages.pick(titles::kError),
                      StartFailureText(messages.french(), program, batch.missingFile(), reason));
    return RunResult::StartFailed;
  }
  const int slice = control.waitSliceMs > 0 ? control.waitSliceMs : 1;
  for (;;) {
    if (control.pumpEvents) control.pumpEvents();
    if (control.cancelled()) {
      batch.Kill();
      RemoveMarker(marker);
      control.Progress(progress::kCancelled);
      return RunResult::Cancelled;
    }
    // The marker gone and the program ended: its exit status is known.
    if (!FileExists(marker) && !batch.running()) {
      if (end) {
        end->exitStatus = batch.exitStatus() < 0 ? 0 : batch.exitStatus();
        end->signal = batch.termSignal();
        end->consoleFile = batch.consolePath();
      }
      return RunResult::Finished;
    }
    if (batch.WaitFor(slice)) {
      // Line 2 has run; a batch file that named another marker must not
      // keep the front end waiting.
      if (FileExists(marker)) RemoveMarker(marker);
    }
  }
}

}  // namespace kartovex
