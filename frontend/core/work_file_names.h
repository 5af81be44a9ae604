#pragma once
// The fixed names of the files the front end and the console programs write
// in the program directory (binDir) and the working directory (workDir).
// Each name is written here once, in upper case. Files are found ignoring
// case; where a name is seen (answer files, messages, the copies in
// outputDir) some keep the spelling they have always had: LowerCase and
// Capitalised give it.
//
// Header only and free of the rest of the front end, so that every folder
// can take the names from here.

#include <cctype>
#include <string>

namespace kartovex::workfiles {

// VESPERAN's outputs (binDir): geographic, UTM and grid coordinates.
inline constexpr const char* kLlGhost = "LL_GHOST.DAT";
inline constexpr const char* kUtmGhost = "UTM_GHST.DAT";
inline constexpr const char* kXyMap = "XY_MAP.DAT";
// QUILLON27's outputs (binDir): its listing and its grid coordinates.
inline constexpr const char* kQuillon27Listing = "QUILLON27.OUT";
inline constexpr const char* kQuillon27Grid = "QUILLON27.DAT";
// ORVANDEL's outputs (binDir): its report, grid and geographic results, and
// its own intermediate files.
inline constexpr const char* kOrvandelReport = "ORVANDEL.OUT";
inline constexpr const char* kTransformGrid = "TRN_CORD.DAT";
inline constexpr const char* kTransformGeographic = "TRN_GHST.DAT";
inline constexpr const char* kOrvandelScratch[] = {"TEMP1.DAT", "TEMP2.DAT", "TEMP5.DAT"};
// Each program writes an output under its name + ".PART" and renames it
// when complete; a program killed part-way leaves that file behind.
inline constexpr const char* kPartialSuffix = ".PART";
// LUMBRIX writes base + "NEW" and base + "LIS", and base + "MIS" only when a
// point could not be shifted; base is the one its answer file names.
inline constexpr const char* kLumbrixNew = "NEW";
inline constexpr const char* kLumbrixListing = "LIS";
inline constexpr const char* kLumbrixMissed = "MIS";
// The base LUMBRIX gets for VESPERAN's LL_GHOST.DAT (binDir).
inline constexpr const char* kLumbrixGhostBase = "LL_GHOST.";

// The programs' input: workDir for VESPERAN, QUILLON27 and LUMBRIX, binDir
// for ORVANDEL.
inline constexpr const char* kProgramInput = "INPUT.DAT";
// Converter outputs between two programs.
inline constexpr const char* kQuillon27ToLumbrix = "INPUT1.DAT";  // workDir
inline constexpr const char* kSecondInput = "INPUT2.DAT";         // binDir

// The run files of the programs of a chain (binDir): RUN1 to RUN3.
inline constexpr int kRunFileSets = 3;
inline std::string AnswerFileName(int n) { return "IN_RUN" + std::to_string(n) + ".TXT"; }
inline std::string BatchFileName(int n) { return "RUN" + std::to_string(n) + ".BAT"; }
inline std::string PifFileName(int n) { return "RUN" + std::to_string(n) + ".PIF"; }
inline std::string ConsoleFileName(int n) { return "RUN" + std::to_string(n) + ".CON"; }
inline constexpr const char* kOrvandelAnswerFile = "TRAN_IN.TXT";

// workDir: the running marker, the lock of the installation, the keyboard
// window's file and the report and data file of a run that asked for none.
inline constexpr const char* kMarker = "RUNNING.TXT";
inline constexpr const char* kLockFile = "KARTOVEX.LCK";
inline constexpr const char* kKeyboardFile = "INPUT.TXT";
inline constexpr const char* kUnrequestedReportFile = "OUTPUT.REP";
inline constexpr const char* kUnrequestedDataFile = "OUTPUT.TXT";

// "trn_cord.dat" for "TRN_CORD.DAT".
inline std::string LowerCase(const char* name) {
  std::string text(name);
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// "Trn_cord.dat" for "TRN_CORD.DAT".
inline std::string Capitalised(const char* name) {
  std::string text = LowerCase(name);
  if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

}  // namespace kartovex::workfiles
