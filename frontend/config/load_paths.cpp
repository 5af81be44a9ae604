#include "config/load_paths.h"

#include <exception>

#include "config/ini_values.h"
#include "platform/environment.h"
#include "platform/paths.h"

namespace kartovex {

namespace {

bool unusable(const std::string& v) {
  return v == "-1" || v.find_first_not_of(' ') == std::string::npos;
}

// The directory a value names; ROOT when it does not exist.
std::string directoryOrRoot(const std::string& value, const std::string& root) {
  std::string dir = WithTrailingSeparator(value);
  if (unusable(value) || !DirectoryExists(WithoutLastCharacter(dir))) return root;
  return dir;
}

const std::string& forProvince(const PerProvinceFiles& files, const ProvinceSetting& province) {
  if (province == Province::NS) return files.ns;
  if (province == Province::PEI) return files.pei;
  return files.nb;
}

bool askGoOn(MessageService& messages, const std::string& en, const std::string& fr) {
  return messages.french() ? messages.askYesNoCritical("ERREUR CRITIQUE", fr)
                           : messages.askYesNoCritical("FATAL ERROR", en);
}

}  // namespace

void DeriveGridShiftFiles(FrontEndSettings& s) {
  s.gridShift77to83_89 = s.binDir + forProvince(s.gridShift77to83_89Files, s.province);
  s.gridShift77toCsrs = s.binDir + forProvince(s.gridShift77toCsrsFiles, s.province);
  s.gridShift27to83_89 = s.binDir + forProvince(s.gridShift27to83_89Files, s.province);
}

bool LoadPaths(FrontEndSettings& s, MessageService& messages) {
  try {
    const std::string& ini = s.iniPath;
    std::string root = ReadIniValue(messages, "PATH", "ROOT", ini);
    if (unusable(root)) return false;
    std::string bin = ReadIniValue(messages, "PATH", "BIN", ini);
    if (unusable(bin)) return false;
    std::string working = ReadIniValue(messages, "PATH", "WORKING", ini);
    if (unusable(working)) return false;
    root = WithTrailingSeparator(root);
    s.rootDir = root;
    s.binDir = WithTrailingSeparator(root + bin);
    s.workDir = directoryOrRoot(working, root);
    s.inputDir = directoryOrRoot(ReadIniValue(messages, "PATH", "INPUT", ini), root);
    s.outputDir = directoryOrRoot(ReadIniValue(messages, "PATH", "OUTPUT", ini), root);

    std::string editorPath = ReadIniValue(messages, "PATH", "EDITOR", ini);
    if (unusable(editorPath)) return false;
    std::string editorFile = ReadIniValue(messages, "FILE", "EDITOR", ini);
    if (unusable(editorFile)) return false;
    s.editor = editorPath + editorFile;
    std::string help = ReadIniValue(messages, "FILE", "HELP", ini);
    if (unusable(help)) return false;
    s.helpFile = s.binDir + help;
    std::string frenchHelp = ReadIniValue(messages, "FILE", "French HELP", ini);
    s.frenchHelpFile = unusable(frenchHelp) ? s.helpFile : s.binDir + frenchHelp;

    if (GetEnvironment("DATAFILE").empty()) {
      messages.critical(
          titles::kFatalError,
          {"The environment string 'DATAFILE' is not set. Set in autoexec.bat and try again!",
           "Le cheminement de la chaîne 'DATAFILE' n'a pas été identifié dans le fichier "
           "autoexec.bat. Édité ce fichier et essayer de nouveau!"});
      return false;
    }

    struct GridKey {
      const char* key;
      std::string* target;
    } keys[] = {
        {"NS GRID SHIFT 77 - 83 (89)", &s.gridShift77to83_89Files.ns},
        {"PEI GRID SHIFT 77 - 83 (89)", &s.gridShift77to83_89Files.pei},
        {"NB GRID SHIFT 77 - 83 (89)", &s.gridShift77to83_89Files.nb},
        {"NS GRID SHIFT 77 - 83 csrs", &s.gridShift77toCsrsFiles.ns},
        {"PEI GRID SHIFT 77 - 83 csrs", &s.gridShift77toCsrsFiles.pei},
        {"NB GRID SHIFT 77 - 83 csrs", &s.gridShift77toCsrsFiles.nb},
        {"NB GRID SHIFT 27 - 83 (89)", &s.gridShift27to83_89Files.nb},
        {"NS GRID SHIFT 27 - 83 (89)", &s.gridShift27to83_89Files.ns},
        {"PEI GRID SHIFT 27 - 83 (89)", &s.gridShift27to83_89Files.pei},
    };
    for (const auto& k : keys) {
      std::string value = ReadIniValue(messages, "FILE", k.key, ini);
      if (unusable(value)) return false;
      *k.target = value;
    }
    DeriveGridShiftFiles(s);

    if (!ProgramExists(s.binDir, "orvandel.exe") &&
        !askGoOn(
            messages,
            "The 'orvandel.exe' program is not in the " + s.binDir + " directory! Continue?",
            "Le logiciel orvandel.exe n'est pas retrouvé dans le répertoire '" + s.binDir + "'!"))
      return false;
    for (const char* program : {"quillon27.exe", "vesperan.exe"}) {
      if (ProgramExists(s.binDir, program)) continue;
      std::string name = program;
      if (messages.french())
        messages.critical(
            "ERREUR CRITIQUE",
            "Le logiciel " + name + " n'est pas retrouvé dans le répertoire '" + s.binDir + "'!");
      else
        messages.critical("FATAL ERROR",
                          "The '" + name + "' program is not in the " + s.binDir + " directory!");
    }
    for (const std::string* file : {&s.gridShift27to83_89, &s.gridShift77toCsrs}) {
      if (PathExists(*file)) continue;
      if (!askGoOn(messages, "The '" + *file + "' data file does not exist! Continue?",
                   "Le fichier de données '" + *file + "' n'existe pas ! Voulez-vous continuer ?"))
        return false;
    }

    std::string logging = ReadIniValue(messages, "SETUP", "Extent Logging", ini);
    s.extentLogging = logging.find_first_not_of(' ') == std::string::npos || logging == "Log File";
    return true;
  } catch (const std::exception&) {
    messages.critical(titles::kFatalError, kCannotInitialize);
    return false;
  }
}

}  // namespace kartovex
