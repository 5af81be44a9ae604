#pragma once
// The file choosers of formMAIN and formKEYBOARD without widgets: their
// captions and patterns, and what a chosen name turns into.

#include <string>
#include <vector>

#include "core/settings.h"

namespace kartovex::gui {

struct FileChooserText {
  std::string caption;
  std::string cancel;
  std::vector<std::string> patterns;
};

// comIN_SEARCH: "*.TXT", the configured input pattern (upper case), "*.*".
FileChooserText InputFileChooser(const FrontEndSettings& settings, const std::string& inputPattern);
// comOUT_SEARCH: "*.REP", then the configured report pattern (upper case).
FileChooserText OutputFileChooser(const FrontEndSettings& settings,
                                  const std::string& reportPattern);
// comTXT_SEARCH of the keyboard window.
FileChooserText SaveInputChooser(const FrontEndSettings& settings);

struct ChosenFile {
  std::string directory;  // becomes inputDir / outputDir, with its separator
  std::string path;       // what goes into the text box
};

// The name as chosen, ".TXT" (in the name's case) appended for the "*.TXT"
// pattern when the name does not contain it and no such file exists.
ChosenFile ChosenInputFile(const std::string& chosenPath, const std::string& pattern);
// The name as chosen with ".REP" (in the name's case) appended when it does
// not contain it.
ChosenFile ChosenReportFile(const std::string& chosenPath);
// The name as chosen.
ChosenFile ChosenSaveFile(const std::string& chosenPath);

}  // namespace kartovex::gui
