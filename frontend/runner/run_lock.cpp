#include "runner/run_lock.h"

#include <sstream>

#include "platform/paths.h"
#include "runner/work_files.h"

namespace kartovex {

namespace {

std::string Field(const std::string& note, const std::string& key) {
  std::istringstream in(note);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  }
  return "";
}

}  // namespace

std::string RunLockPath(const FrontEndSettings& settings) {
  return settings.workDir + workfiles::kLockFile;
}

std::string RunLockNote(long pid, const std::string& program, const std::string& inputFile) {
  return "pid=" + std::to_string(pid) + "\nprogram=" + program + "\ninput=" + inputFile + "\n";
}

std::string RunLockBusyText(bool french, const std::string& note) {
  const std::string pid = Field(note, "pid");
  const std::string program = Field(note, "program");
  const std::string input = Field(note, "input");
  std::string text = french
                         ? "comPROCESS: Une autre conversion est en cours dans cette installation"
                         : "comPROCESS: Another conversion is running in this installation";
  if (!pid.empty() || !program.empty()) {
    text += french ? " (processus " : " (process ";
    text += pid.empty() ? "?" : pid;
    if (!program.empty()) text += ", " + program;
    if (!input.empty()) text += (french ? ", fichier d'entrée " : ", input file ") + input;
    text += ")";
  }
  text += french ? ". Attendez qu'elle soit terminée, puis recommencez."
                 : ". Wait until it has ended, then try again.";
  return text;
}

std::string RunLockFailedText(bool french, const std::string& path, const std::string& reason) {
  if (french)
    return "comPROCESS: Impossible de verrouiller l'installation (" + path + ": " + reason + ").";
  return "comPROCESS: Could not lock the installation (" + path + ": " + reason + ").";
}

bool RunLock::Acquire(const FrontEndSettings& settings, MessageService& messages,
                      const std::string& inputFile) {
  const std::string path = RunLockPath(settings);
  switch (lock_.Acquire(path, RunLockNote(CurrentProcessId(), CurrentProgramName(), inputFile))) {
    case LockResult::Acquired: return true;
    case LockResult::Busy:
      messages.critical(messages.pick(titles::kError),
                        RunLockBusyText(messages.french(), lock_.holderText()));
      return false;
    case LockResult::Failed:
      // No working directory, no shared files: the clean-up that follows
      // reports the missing directory.
      if (!DirectoryExists(settings.workDir)) return true;
      break;
  }
  messages.critical(messages.pick(titles::kError),
                    RunLockFailedText(messages.french(), path, lock_.errorText()));
  return false;
}

LockResult RunLock::TryAcquireQuietly(const FrontEndSettings& settings) {
  return lock_.Acquire(RunLockPath(settings),
                       RunLockNote(CurrentProcessId(), CurrentProgramName(), ""));
}

}  // namespace kartovex
