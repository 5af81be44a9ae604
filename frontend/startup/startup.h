#pragma once

#include <set>
#include <string>

#include "config/startup_outputs.h"
#include "core/settings.h"
#include "messages/messages.h"

namespace kartovex {

// The main window's start-up sequence: locates KARTOVEX.INI beside
// programDir (or in the per-user configuration directory), loads settings
// and paths, removes old work files, sets the running marker and the window
// outputs. False means the program must end (its message has been shown).
// Files in keep (a run's input file known before start-up) and the keyboard
// file are never removed with the old work files.
bool StartUp(FrontEndSettings& settings, MessageService& messages, StartupOutputs& mainWindow,
             const std::string& programDir, const std::set<std::string>& keep = {});
// An installation needs no environment set-up: when DATAFILE is not set,
// the DATAFILE folder beside KARTOVEX.INI (iniPath), if there is one, becomes
// its value for the front end and the programs it starts. True when set.
bool DefaultDataFileFolder(const std::string& iniPath);
// The same with the directory of the running program.
bool StartUp(FrontEndSettings& settings, MessageService& messages, StartupOutputs& mainWindow);

}  // namespace kartovex
