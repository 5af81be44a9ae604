#pragma once
// The file names of one PROCESS run, from the main window's boxes.

#include <string>

#include "core/settings.h"

namespace kartovex {

struct RunFileNames {
  std::string inputFile;  // empty unless the input comes from a text file
  std::string reportFile;
  std::string dataFile;
  std::string accuracyFile;  // empty when no accuracy file is requested
};

struct ReportBoxes {
  bool inputFromFile = false;
  std::string inputText;   // txtIN_FILE
  bool report = false;     // chkREP_FILE
  std::string reportText;  // txtOUT_FILE
  bool data = false;       // chkTXT_FILE
  bool accuracy = false;   // chkACC_FILE
};

// text with its last three characters replaced by ext ("TXT", "ACC").
std::string ReplaceLastThree(const std::string& text, const std::string& ext);
// text in lower case when sample has lower-case letters and no upper-case
// ones, otherwise in upper case.
std::string InCaseOf(const std::string& sample, const std::string& text);
// path with its last three characters replaced by ext in their case.
std::string ReplaceExtension(const std::string& path, const std::string& ext);
// The typed input file name; when no file has exactly that name, the one
// that differs only by case, as it exists.
std::string InputFileAsFound(const std::string& typed);

// True when both paths name the same file: the same directory and file names
// equal ignoring case.
bool SameFileName(const std::string& a, const std::string& b);

RunFileNames MakeRunFileNames(const FrontEndSettings& settings, const ReportBoxes& boxes);

}  // namespace kartovex
