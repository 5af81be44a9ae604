#pragma once
// What PROCESS asks of the route table. The main window uses the real
// dispatcher; tests put in their own.

#include <functional>

#include "input/run_context.h"
#include "routes/dispatch.h"

namespace kartovex {

struct RouteServices {
  std::function<DispatchOutcome(RunContext&, RunControl&)> dispatch;
  // Copy of ORVANDEL's files after a completed row 39 to 64.
  std::function<bool(RunContext&)> copyOrvandelFiles;
  // LUMBRIX left its .MIS file: points were missed.
  std::function<bool(const RunState&)> pointsMissed;
};

// DispatchRoute, CopyOrvandelFiles and PointsMissed.
RouteServices DefaultRouteServices();

}  // namespace kartovex
