#include "mainwindow/run_file_names.h"

#include <filesystem>

#include "core/work_file_names.h"
#include "platform/paths.h"

namespace kartovex {

std::string ReplaceLastThree(const std::string& text, const std::string& ext) {
  if (text.size() < 3) return ext;
  return text.substr(0, text.size() - 3) + ext;
}

std::string InCaseOf(const std::string& sample, const std::string& text) {
  bool lower = false, upper = false;
  for (char c : sample) {
    lower = lower || (c >= 'a' && c <= 'z');
    upper = upper || (c >= 'A' && c <= 'Z');
  }
  if (!lower || upper) return ToUpper(text);
  std::string out = text;
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string ReplaceExtension(const std::string& path, const std::string& ext) {
  std::string last = path.size() >= 3 ? path.substr(path.size() - 3) : path;
  return ReplaceLastThree(path, InCaseOf(last, ext));
}

std::string InputFileAsFound(const std::string& typed) {
  if (typed.empty() || IsExactFile(typed)) return typed;
  // A name that differs only by case names the file that is there.
  if (auto found = FindIgnoringCase(typed)) return *found;
  return typed;
}

bool SameFileName(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  namespace fs = std::filesystem;
  std::string dirA = fs::path(DirectoryOf(a)).lexically_normal().string();
  std::string dirB = fs::path(DirectoryOf(b)).lexically_normal().string();
  return dirA == dirB && EqualsIgnoringCase(FileNameOf(a), FileNameOf(b));
}

RunFileNames MakeRunFileNames(const FrontEndSettings& settings, const ReportBoxes& boxes) {
  RunFileNames names;
  // A file of exactly the typed name wins over one that differs only by case.
  if (boxes.inputFromFile) names.inputFile = InputFileAsFound(boxes.inputText);
  // Results are named as typed; the data and accuracy files take the case of
  // the report's extension.
  if (boxes.report) {
    names.reportFile = boxes.reportText;
    names.dataFile = boxes.data ? ReplaceExtension(names.reportFile, "TXT")
                                : settings.workDir + workfiles::kUnrequestedDataFile;
    if (boxes.accuracy) names.accuracyFile = ReplaceExtension(names.reportFile, "ACC");
  } else {
    names.reportFile = settings.workDir + workfiles::kUnrequestedReportFile;
    names.dataFile = settings.workDir + workfiles::kUnrequestedDataFile;
  }
  return names;
}

}  // namespace kartovex
