#include "mainwindow/remove_old_run_files.h"

#include <filesystem>
#include <set>

#include "platform/paths.h"
#include "runner/remove_files.h"

namespace kartovex {

namespace {

constexpr Text kBinFailed{"Could not delete old BIN files.", "Incapable de supprimer les anciens fichiers BIN."};
constexpr Text kTempFailed{"Could not delete old TEMP files.", "Incapable de supprimer les fichiers TEMP."};

// The existing spelling of each protected file, so that the removal (which
// compares names ignoring case) keeps it whatever case the user typed.
std::set<std::string> protectedSet(const OldFilesRequest& request) {
  std::set<std::string> out;
  for (const std::string& path : {request.names.inputFile, request.keyboardFile}) {
    if (path.empty()) continue;
    out.insert(path);
    if (auto found = FindIgnoringCase(path)) out.insert(*found);
  }
  return out;
}

bool isProtected(const OldFilesRequest& request, const std::string& path) {
  return SameFileName(path, request.names.inputFile) || SameFileName(path, request.keyboardFile);
}

void removeIfThere(const OldFilesRequest& request, const std::string& path) {
  if (path.empty() || isProtected(request, path)) return;
  auto found = FindIgnoringCase(path);
  if (!found) return;
  std::error_code ec;
  std::filesystem::remove(*found, ec);
}

}  // namespace

std::string KeyboardFile(const FrontEndSettings& settings) { return settings.workDir + "INPUT.TXT"; }

bool RemoveOldRunFiles(const FrontEndSettings& settings, MessageService& messages,
                       const OldFilesRequest& request) {
  std::set<std::string> keep = protectedSet(request);
  if (!RemoveFiles(messages, "*.BAT;*.TXT;*.DAT;*.OUT;*.NEW;*.LIS;*.MIS", settings.binDir, keep)) {
    messages.critical(titles::kFileError, kBinFailed);
    return false;
  }
  std::string patterns = "*.REP;*.TXT;*.DAT";
  if (request.inputFromKeyboard) {
    removeIfThere(request, settings.workDir + "OUTPUT.TXT");
    removeIfThere(request, settings.workDir + "RUNNING.TXT");
    patterns = "*.REP;*.DAT";
  }
  if (!RemoveFiles(messages, patterns, settings.workDir, keep)) {
    messages.critical(titles::kFileError, kTempFailed);
    return false;
  }

  const RunFileNames& n = request.names;
  removeIfThere(request, n.reportFile);
  removeIfThere(request, n.dataFile);
  removeIfThere(request, n.accuracyFile);
  if (request.dataRequested) removeIfThere(request, ReplaceLastThree(n.reportFile, "TXT"));
  if (request.accuracyRequested) removeIfThere(request, ReplaceLastThree(n.reportFile, "ACC"));
  return true;
}

}  // namespace kartovex
