#pragma once
// DispatchRoute: selects the route of the main window's four choices and
// runs it; plus what PROCESS needs to know about a run's files afterwards.

#include <string>

#include "input/run_context.h"
#include "routes/route_table.h"
#include "runner/run_protocol.h"

namespace kartovex {

enum class DispatchResult {
  Completed,             // the route returned true
  Failed,                // the route returned false (its message shown, or cancelled)
  Cancelled,             // the route returned false because of Cancel
  NotSupported,          // no row: label "The conversion NOT supported !" set
  MissingTransformFiles  // coefficient files missing: box shown, label set
};

struct DispatchOutcome {
  DispatchResult result = DispatchResult::NotSupported;
  const RouteRow* row = nullptr;  // the row run, nullptr when none
  bool completed() const { return result == DispatchResult::Completed; }
};

// Tests rows 1-38, then (after CheckTransformFiles outside NB) rows 39-64;
// sets run.modulesLine before the route runs. For NotSupported and
// MissingTransformFiles the results label is set here; PROCESS only
// re-enables itself, sets progress 0 and closes the log files.
DispatchOutcome DispatchRoute(RunContext& ctx, RunControl& control);

// Runs one row's route (reformatting, chain, WriteOutText, WriteOutReport).
// override: a full path replacing workDir + "INPUT.DAT" in the first answer
// file (rows that accept one), empty from the main window.
bool RunRoute(RunContext& ctx, RunControl& control, const RouteRow& row,
              const std::string& override = "");

// LUMBRIX's output base for the run (ends with "."): binDir + "LL_GHOST."
// when its input is LL_GHOST.DAT, otherwise binDir + the input text file's
// name cut as LUMBRIX needs it.
std::string LumbrixOutputBase(const FrontEndSettings& settings, const std::string& inputFile,
                              bool inputIsLlGhost);
// The .MIS file that belongs to run.newFile ("" when no LUMBRIX ran).
std::string LumbrixMisFile(const RunState& run);
// True when a program named points it left out (ORVANDEL's report, or the
// .MIS file LUMBRIX left): points were missed.
bool PointsMissed(const RunState& run);

// After a completed row 39-64: MakeDirectory(outputDir) and "Orvandel.out",
// "Trn_cord.dat", "Trn_ghst.dat" copied from binDir. False (message shown)
// on failure.
bool CopyOrvandelFiles(RunContext& ctx);

}  // namespace kartovex
