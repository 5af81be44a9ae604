#pragma once
// --init DIR: a working installation laid out from the installed data.

#include <ostream>
#include <string>

namespace kartovex::cli {

struct InstalledData {
  std::string templateDir;     // <prefix>/share/kartovex/demo: the template installation
  std::string programDirs[2];  // where the console programs are looked for, in order
};

// Where the data of an installed kartovex-cli in exeDir (ends with '/') lies:
// <exeDir>../share/kartovex/demo and <exeDir>../lib/kartovex, then exeDir.
InstalledData InstalledDataBeside(const std::string& exeDir);

// Copies the template into dir (which must not exist or be empty), puts dir's
// path in place of the template's root in KARTOVEX.INI and copies the console
// programs into dir's BIN. Returns the exit status; errors go to err, the
// folder laid out to out (when given). The usage error is in French when
// asked.
int InitInstallation(const std::string& dir, const InstalledData& data, std::ostream& err,
                     std::ostream* out = nullptr, bool french = false);

}  // namespace kartovex::cli
