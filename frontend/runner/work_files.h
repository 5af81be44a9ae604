#pragma once
// Every file the system itself writes in the program directory (binDir) and
// the working directory (workDir), by its fixed name. Clean-up deletes these
// names and nothing else: binDir and workDir may be folders the user keeps
// other files in, so nothing is ever deleted by pattern.
//
// Used by start-up, by PROCESS before a run, and by the route executor
// before each program of a chain starts.

#include <set>
#include <span>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/work_file_names.h"
#include "messages/messages.h"

namespace kartovex::workfiles {

// What each console program leaves in its current directory (binDir).
// "Outputs" must be there after a successful run; "scratch" files
// (kOrvandelScratch) are its own intermediate files.
inline constexpr const char* kVesperanOutputs[] = {kLlGhost, kUtmGhost, kXyMap};
inline constexpr const char* kQuillon27Outputs[] = {kQuillon27Listing, kQuillon27Grid};
inline constexpr const char* kOrvandelOutputs[] = {kOrvandelReport, kTransformGrid,
                                                   kTransformGeographic};
// What LUMBRIX must leave after base (kLumbrixMissed it may leave).
inline constexpr const char* kLumbrixOutputExtensions[] = {kLumbrixNew, kLumbrixListing};

// The fixed names in binDir and in workDir that clean-up (start-up's and
// PROCESS's) removes. The log and error files (kartovex.log, .err), the
// keyboard file, the lock file and the user's result files are not among
// them: a locked file removed would let a second run lock a new file of the
// same name.
std::vector<std::string> BinDirFiles();
std::vector<std::string> WorkDirFiles();

// Deletes each named file of directory (ignoring case, every spelling of
// the name), except paths in keep. True when nothing is left under those
// names; otherwise the "RemoveFiles: ..." box and false.
bool RemoveNamedFiles(MessageService& messages, const std::vector<std::string>& names,
                      const std::string& directory, const std::set<std::string>& keep = {});

// The clean-up of start-up and of PROCESS: BinDirFiles() in binDir (plus
// extraBinFiles, full paths), then WorkDirFiles() in workDir. binFailed
// tells which of the two failed.
bool RemoveWorkFiles(const FrontEndSettings& settings, MessageService& messages,
                     const std::set<std::string>& keep,
                     const std::vector<std::string>& extraBinFiles, bool* binFailed = nullptr);

// Deletes one file of a full path (every spelling ignoring case); true
// when none is left. No message.
bool RemoveFileQuietly(const std::string& path);

}  // namespace kartovex::workfiles
