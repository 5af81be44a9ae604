#include "mainwindow/accuracy_file.h"

#include <filesystem>

#include "platform/paths.h"

namespace kartovex {

AccuracyResult SaveAccuracyFile(MessageService& messages, const RunState& run,
                                bool routeRunsLumbrix, const std::string& accuracyFile) {
  auto source = run.newFile.empty() ? std::nullopt : FindIgnoringCase(run.newFile);
  if (!routeRunsLumbrix || !source) {
    messages.information(messages.pick(accuracy_texts::kTitle),
                         messages.pick(accuracy_texts::kNoAccuracyFile));
    return AccuracyResult::NoAccuracyFile;
  }
  // Copied beside the target and renamed, so a failed copy leaves an earlier file as it was.
  const std::string temp = TempPathBeside(accuracyFile);
  std::error_code ec;
  std::filesystem::copy_file(*source, temp, std::filesystem::copy_options::overwrite_existing, ec);
  std::string reason;
  if (!ec && ReplaceFile(temp, accuracyFile, reason)) return AccuracyResult::Copied;
  std::filesystem::remove(temp, ec);
  return AccuracyResult::CopyFailed;
}

}  // namespace kartovex
