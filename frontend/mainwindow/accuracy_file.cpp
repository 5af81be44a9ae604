#include "mainwindow/accuracy_file.h"

#include <filesystem>

#include "platform/paths.h"

namespace kartovex {

AccuracyResult SaveAccuracyFile(MessageService& messages, const RunState& run, bool routeRunsLumbrix,
                                const std::string& accuracyFile) {
  auto source = run.newFile.empty() ? std::nullopt : FindIgnoringCase(run.newFile);
  if (!routeRunsLumbrix || !source) {
    messages.information(messages.pick(accuracy_texts::kTitle), messages.pick(accuracy_texts::kNoAccuracyFile));
    return AccuracyResult::NoAccuracyFile;
  }
  std::error_code ec;
  std::filesystem::copy_file(*source, accuracyFile, std::filesystem::copy_options::overwrite_existing, ec);
  return ec ? AccuracyResult::CopyFailed : AccuracyResult::Copied;
}

}  // namespace kartovex
