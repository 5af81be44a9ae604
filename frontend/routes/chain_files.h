#pragma once
// The files a chain step writes before its program runs: its answer file
// (the template of the step filled from the settings and the run) and its
// batch file.

#include <string>
#include <vector>

#include "input/run_context.h"
#include "routes/route_table.h"

namespace kartovex {

// A run-time error of a route (a file that cannot be written); the route
// catches it and shows its own message.
struct RouteFailure {};

// "TRAN_IN.TXT" for ORVANDEL, otherwise "IN_RUNn.TXT".
std::string StepAnswerFileName(const ChainStep& step);

// The full path of a step's input data file. override replaces
// workDir + "INPUT.DAT" when the row accepts one and it is not empty.
std::string SourcePath(const RunContext& ctx, const RouteRow& row, const ChainStep& step,
                       const std::string& override);

// The answer lines of a Run step. An L step remembers its .NEW file and
// grid file in the run.
std::vector<std::string> StepAnswers(RunContext& ctx, const RouteRow& row, const ChainStep& step,
                                     const std::string& override);

// Writes the answer and batch files of the Run steps from index first up to
// the next step that is not a Run; throws RouteFailure when one cannot be
// written.
void WriteSegmentFiles(RunContext& ctx, const RouteRow& row, std::size_t first,
                       const std::string& override);

}  // namespace kartovex
