#include "mainwindow/run_file_names.h"

#include <filesystem>

#include "platform/paths.h"

namespace kartovex {

std::string UpperCaseFileName(const std::string& path) {
  return DirectoryOf(path) + ToUpper(FileNameOf(path));
}

std::string ReplaceLastThree(const std::string& text, const std::string& ext) {
  if (text.size() < 3) return ext;
  return text.substr(0, text.size() - 3) + ext;
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
  if (boxes.inputFromFile)
    names.inputFile = IsExactFile(boxes.inputText) ? boxes.inputText : UpperCaseFileName(boxes.inputText);
  if (boxes.report) {
    names.reportFile = UpperCaseFileName(boxes.reportText);
    names.dataFile = boxes.data ? ReplaceLastThree(names.reportFile, "TXT") : settings.workDir + "OUTPUT.TXT";
    if (boxes.accuracy) names.accuracyFile = ReplaceLastThree(names.reportFile, "ACC");
  } else {
    names.reportFile = settings.workDir + "OUTPUT.REP";
    names.dataFile = settings.workDir + "OUTPUT.TXT";
  }
  return names;
}

}  // namespace kartovex
