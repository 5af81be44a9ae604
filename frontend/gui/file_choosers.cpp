#include "gui/file_choosers.h"

#include "mainwindow/run_file_names.h"

#include "messages/text.h"
#include "platform/paths.h"

namespace kartovex::gui {

namespace {

ChosenFile split(const std::string& chosenPath, std::string name) {
  std::string dir = DirectoryOf(chosenPath);
  return {dir, dir + name};
}

}  // namespace

FileChooserText InputFileChooser(const FrontEndSettings& s, const std::string& inputPattern) {
  FileChooserText t{pickCaption({"Input File Name", "Nom du fichier"}, s.language),
                    pickCaption({"&Cancel", "&Abandon"}, s.language),
                    {"*.TXT"}};
  if (!inputPattern.empty() && inputPattern != "-1") t.patterns.push_back(ToUpper(inputPattern));
  t.patterns.push_back("*.*");
  return t;
}

FileChooserText OutputFileChooser(const FrontEndSettings& s, const std::string& reportPattern) {
  FileChooserText t{pickCaption({"Output File Name", "Nom du fichier de sortie"}, s.language),
                    pickCaption({"&Cancel", "&Abandon"}, s.language),
                    {"*.REP"}};
  if (!reportPattern.empty() && reportPattern != "-1") t.patterns.push_back(ToUpper(reportPattern));
  return t;
}

FileChooserText SaveInputChooser(const FrontEndSettings& s) {
  return {pickCaption({"Save As", "Enregistrer le fichier"}, s.language),
          pickCaption({"&Cancel", "&Abandon"}, s.language),
          {"*.TXT", "*.*"}};
}

ChosenFile ChosenInputFile(const std::string& chosenPath, const std::string& pattern) {
  std::string name = FileNameOf(chosenPath);
  if (pattern == "*.TXT" && ToUpper(name).find(".TXT") == std::string::npos &&
      !IsExactFile(chosenPath))
    name += InCaseOf(name, ".TXT");
  return split(chosenPath, name);
}

ChosenFile ChosenReportFile(const std::string& chosenPath) {
  std::string name = FileNameOf(chosenPath);
  if (ToUpper(name).find(".REP") == std::string::npos) name += InCaseOf(name, ".REP");
  return split(chosenPath, name);
}

ChosenFile ChosenSaveFile(const std::string& chosenPath) {
  return split(chosenPath, FileNameOf(chosenPath));
}

}  // namespace kartovex::gui
