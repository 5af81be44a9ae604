#pragma once
// Every point written into the first program's input must come out of the
// last program, or be named by a program of the chain as not transformed.

#include <string>
#include <vector>

#include "input/run_context.h"

namespace kartovex {

// The form under which identifiers are compared: blanks removed as the
// readers remove them, upper case.
std::string PointKey(const std::string& id);

// outputIds: the identifiers of the last output's records, in order. A
// point of run.points that is not among them is a missed point when
// ORVANDEL's report (when the chain ran ORVANDEL) or LUMBRIX's .MIS file
// names it: it is logged with its line and reason and counted as rejected.
// False, after a message naming the points, when some are missing without a
// reason. True without checking when run.points is empty.
bool AccountForPoints(RunContext& ctx, const std::vector<std::string>& outputIds);

}  // namespace kartovex
