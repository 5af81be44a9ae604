#pragma once
// Where KARTOVEX.INI is: beside the program first, otherwise in the per-user
// configuration directory.

#include <string>

namespace kartovex {

inline constexpr const char* kIniFileName = "KARTOVEX.INI";

// $XDG_CONFIG_HOME/kartovex/, else $HOME/.config/kartovex/ (ends with '/').
std::string UserConfigDirectory();

// Directory of the running program, ending with '/'.
std::string ProgramDirectory();

// Full path of KARTOVEX.INI when it is in programDir (found ignoring case),
// otherwise the bare name, which the profile functions resolve to the
// per-user configuration directory.
std::string LocateIniFile(const std::string& programDir);

}  // namespace kartovex
