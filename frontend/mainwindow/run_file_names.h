#pragma once
// The file names of one PROCESS run, from the main window's boxes.

#include <string>

#include "config/settings.h"

namespace kartovex {

struct RunFileNames {
  std::string inputFile;     // empty unless the input comes from a text file
  std::string reportFile;
  std::string dataFile;
  std::string accuracyFile;  // empty when no accuracy file is requested
};

struct ReportBoxes {
  bool inputFromFile = false;
  std::string inputText;     // txtIN_FILE
  bool report = false;       // chkREP_FILE
  std::string reportText;    // txtOUT_FILE
  bool data = false;         // chkTXT_FILE
  bool accuracy = false;     // chkACC_FILE
};

// Upper case of the file name only: directories keep their case, since on
// this platform they are not found ignoring case.
std::string UpperCaseFileName(const std::string& path);

// text with its last three characters replaced by ext ("TXT", "ACC").
std::string ReplaceLastThree(const std::string& text, const std::string& ext);

// True when both paths name the same file: the same directory and file names
// equal ignoring case.
bool SameFileName(const std::string& a, const std::string& b);

RunFileNames MakeRunFileNames(const FrontEndSettings& settings, const ReportBoxes& boxes);

}  // namespace kartovex
