#include "cli/cli_routes.h"

#include "routes/route_table.h"

namespace kartovex::cli {

namespace {

// The programs a row runs in order, a sub-route's included.
void appendPrograms(const RouteRow& row, std::string& chain) {
  for (const ChainStep& step : row.chain()) {
    if (step.kind == StepKind::Run) {
      if (!chain.empty()) chain += " -> ";
      chain += ProgramName(step.program);
    } else if (step.kind == StepKind::SubRoute) {
      if (const RouteRow* sub = SubRouteOf(row)) appendPrograms(*sub, chain);
    }
  }
}

std::string describe(const RouteRow& row) {
  std::string chain;
  appendPrograms(row, chain);
  return "Route table row " + std::to_string(row.number) + " (" + DatumText(row.fromDatum) + ":" +
         FormText(row.fromForm) + " to " + DatumText(row.toDatum) + ":" + FormText(row.toForm) +
         ", " + row.route + ")\n" + ModulesLine(row) + "\nPrograms: " + chain + "\n";
}

}  // namespace

std::string ListRoutes(Datum fromDatum, CoordForm fromForm, Datum toDatum, CoordForm toForm) {
  const RouteRow* row = FindRoute({fromDatum, fromForm, toDatum, toForm});
  if (!row) return {};
  std::string text = describe(*row);
  for (const ChainStep& step : row->chain()) {
    if (step.kind != StepKind::SubRoute) continue;
    if (const RouteRow* sub = SubRouteOf(*row))
      text += "then, on ORVANDEL's results:\n" + describe(*sub);
  }
  return text;
}

}  // namespace kartovex::cli
