#include "startup/startup.h"

#include <exception>
#include <filesystem>

#include "config/check_transform_files.h"
#include "config/ini_values.h"
#include "config/load_paths.h"
#include "config/load_settings.h"
#include "platform/environment.h"
#include "platform/ini_location.h"
#include "platform/paths.h"
#include "runner/run_lock.h"
#include "runner/work_files.h"

namespace kartovex {

namespace {

bool startUp(FrontEndSettings& s, MessageService& messages, StartupOutputs& mainWindow,
             const std::string& programDir, std::set<std::string> keep) {
  s.iniPath = LocateIniFile(programDir);
  DefaultDataFileFolder(s.iniPath);
  s.lineBreak = "\r\n";
  std::string language = ReadIniValue(messages, "SETUP", "LANGUAGE", s.iniPath);
  s.language =
      LanguageFromText(language.find_first_not_of(' ') == std::string::npos ? "ENGLISH" : language);

  if (!LoadSettings(s, messages, mainWindow)) return false;
  if (!LoadPaths(s, messages)) return false;

  mainWindow.captionsEnglish = CaptionsInEnglish(s.language);
  mainWindow.windowCaption = mainWindow.captionsEnglish ? s.titleEnglish : s.titleFrench;
  mainWindow.captionsSet = true;

  // Old work files, by their fixed names only: BIN and WORKING may hold the
  // user's own files. While another front end runs a conversion in this
  // installation (it holds the lock), the work files are its own: leave them.
  {
    RunLock lock;
    if (lock.TryAcquireQuietly(s) != LockResult::Busy) {
      keep.insert(s.workDir + workfiles::kKeyboardFile);
      if (!workfiles::RemoveWorkFiles(s, messages, keep, {})) return false;
    }
  }

  s.runningMarker = s.workDir + workfiles::kMarker;

  if (s.province != Province::NB && !CheckTransformFiles(s, messages)) {
    const std::string province = SettingText(s.province);
    std::string text = "Warning: Missing " + province + " ORVANDEL input grid files." +
                       s.lineBreak + s.lineBreak + "Please obtain these files from the " +
                       province + " government before running ORVANDEL transformations. !";
    messages.critical(messages.pick(titles::kError), text);
  }

  mainWindow.helpEnabled = PathExists(s.pdfReader);
  mainWindow.provinceLabel = ProvinceLabel(s.province, s.mtmZone);
  mainWindow.utmZoneLabel = UtmZoneLabel(s.utmZone);
  mainWindow.delimiterLabel = DelimiterLabel(s.delimiter, s.language);
  mainWindow.laidOut = true;
  return true;
}

}  // namespace

bool DefaultDataFileFolder(const std::string& iniPath) {
  if (!GetEnvironment("DATAFILE").empty()) return false;
  // The folder of the file itself when the configuration is reached by a link.
  std::error_code ec;
  std::filesystem::path real = std::filesystem::canonical(iniPath, ec);
  std::string folder = DirectoryOf(ec ? iniPath : real.string()) + "DATAFILE";
  if (!DirectoryExists(folder)) return false;
  return SetEnvironment("DATAFILE", folder + "/");
}

bool StartUp(FrontEndSettings& settings, MessageService& messages, StartupOutputs& mainWindow,
             const std::string& programDir, const std::set<std::string>& keep) {
  messages.setBusyPointer(true);
  bool ok = false;
  try {
    ok = startUp(settings, messages, mainWindow, programDir, keep);
  } catch (const std::exception&) {
    messages.critical(titles::kFatalError, kCannotInitialize);
    ok = false;
  }
  messages.setBusyPointer(false);
  return ok;
}

bool StartUp(FrontEndSettings& settings, MessageService& messages, StartupOutputs& mainWindow) {
  return StartUp(settings, messages, mainWindow, ProgramDirectory());
}

}  // namespace kartovex
