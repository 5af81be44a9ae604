#pragma once
// --list-routes: the route(s) a from/to pair takes, from the route table.

#include <string>

#include "input/run_state.h"

namespace kartovex::cli {

// One block per route the pair runs (the row, then the sub-route it hands
// over to): "Route table row N", its Modules line and the programs in run
// order. Empty when the table has no row for the pair.
std::string ListRoutes(Datum fromDatum, CoordForm fromForm, Datum toDatum, CoordForm toForm);

}  // namespace kartovex::cli
