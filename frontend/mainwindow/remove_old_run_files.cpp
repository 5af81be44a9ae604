#include "mainwindow/remove_old_run_files.h"

#include <filesystem>
#include <set>

#include "platform/paths.h"
#include "routes/dispatch.h"
#include "runner/work_files.h"

namespace kartovex {

namespace {

constexpr Text kBinFailed{"Could not delete old BIN files.",
                          "Incapable de supprimer les anciens fichiers BIN."};
constexpr Text kTempFailed{"Could not delete old TEMP files.",
                           "Incapable de supprimer les fichiers TEMP."};

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

}  // namespace

std::string KeyboardFile(const FrontEndSettings& settings) {
  return settings.workDir + workfiles::kKeyboardFile;
}

bool RemoveOldRunFiles(const FrontEndSettings& settings, MessageService& messages,
                       const OldFilesRequest& request) {
  std::set<std::string> keep = protectedSet(request);
  // The work files by their fixed names, and LUMBRIX's files of this run's
  // input name. The user's earlier result files stay: the result writers
  // replace them only when the run succeeds.
  std::vector<std::string> lumbrix;
  if (!request.names.inputFile.empty()) {
    const std::string base = LumbrixOutputBase(settings, request.names.inputFile, false);
    for (const char* ext : workfiles::kLumbrixOutputExtensions) lumbrix.push_back(base + ext);
    lumbrix.push_back(base + workfiles::kLumbrixMissed);
    for (std::size_t i = 0, n = lumbrix.size(); i < n; ++i)
      lumbrix.push_back(lumbrix[i] + workfiles::kPartialSuffix);
  }
  bool binFailed = false;
  if (!workfiles::RemoveWorkFiles(settings, messages, keep, lumbrix, &binFailed)) {
    messages.critical(titles::kFileError, binFailed ? kBinFailed : kTempFailed);
    return false;
  }
  return true;
}

}  // namespace kartovex
