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

#include "config/settings.h"
#include "messages/messages.h"

namespace kartovex::workfiles {

// What each console program leaves in its current directory (binDir).
// "Outputs" must be there after a successful run; "scratch" files are its
// own intermediate files.
inline constexpr const char* kVesperanOutputs[] = {"LL_GHOST.DAT", "UTM_GHST.DAT", "XY_MAP.DAT"};
inline constexpr const char* kQuillon27Outputs[] = {"QUILLON27.OUT", "QUILLON27.DAT"};
inline constexpr const char* kOrvandelOutputs[] = {"ORVANDEL.OUT", "TRN_CORD.DAT", "TRN_GHST.DAT"};
inline constexpr const char* kOrvandelScratch[] = {"TEMP1.DAT", "TEMP2.DAT", "TEMP5.DAT"};
// Each program writes an output under its name + ".PART" and renames it
// when complete; a program killed part-way leaves that file behind.
inline constexpr const char* kPartialSuffix = ".PART";
// LUMBRIX writes base + "NEW" and base + "LIS", and base + "MIS" only when a
// point could not be shifted; base is the one its answer file names.
inline constexpr const char* kLumbrixOutputExtensions[] = {"NEW", "LIS"};
inline constexpr const char* kLumbrixMissedExtension = "MIS";
// The base LUMBRIX gets for VESPERAN's LL_GHOST.DAT.
inline constexpr const char* kLumbrixGhostBase = "LL_GHOST.";

// Files the front end writes for the programs.
inline constexpr const char* kAnswerFiles[] = {"IN_RUN1.TXT", "IN_RUN2.TXT", "IN_RUN3.TXT",
                                               "TRAN_IN.TXT"};
inline constexpr const char* kBatchFiles[] = {"RUN1.BAT", "RUN2.BAT", "RUN3.BAT"};
inline constexpr const char* kConsoleLogs[] = {"RUN1.CON", "RUN2.CON", "RUN3.CON"};
// Program input: workDir for VESPERAN, QUILLON27 and LUMBRIX, binDir for ORVANDEL.
inline constexpr const char* kProgramInput = "INPUT.DAT";
// Converter outputs between two programs.
inline constexpr const char* kQuillon27ToLumbrix = "INPUT1.DAT";  // workDir
inline constexpr const char* kSecondInput = "INPUT2.DAT";         // binDir (also "input2.dat")
// The running marker, workDir.
inline constexpr const char* kMarker = "RUNNING.TXT";

// The lock file of the installation, workDir. Never deleted: removing a
// locked file would let a second run lock a new file of the same name.
inline constexpr const char* kLockFile = "KARTOVEX.LCK";

// The fixed names in binDir and in workDir that clean-up removes. The log
// and error files (kartovex.log, .err), the keyboard file INPUT.TXT, the
// lock file and the user's result files are not among them.
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
                     const std::set<std::string>& keep, const std::vector<std::string>& extraBinFiles,
                     bool* binFailed = nullptr);

// Deletes one file of a full path (every spelling ignoring case); true
// when none is left. No message.
bool RemoveFileQuietly(const std::string& path);

}  // namespace kartovex::workfiles
