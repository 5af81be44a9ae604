#include "results/point_accounting.h"

#include <deque>
#include <fstream>
#include <map>
#include <unordered_map>

#include "core/work_file_names.h"
#include "input/input_lines.h"
#include "platform/paths.h"
#include "writers/columns.h"
#include "writers/program_records.h"
#include "writers/text_record.h"

namespace kartovex {

namespace {

constexpr const char* kNotTransformed = "THIS POINT WAS NOT TRANSFORMED";
constexpr std::size_t kMaxNamed = 10;

using Reasons = std::map<std::string, std::deque<std::string>>;

// Each line of file that names a point: its key and its reason.
template <typename Pick>
void CollectReasons(const std::string& file, Reasons& reasons, Pick pick) {
  auto found = FindIgnoringCase(file);
  if (!found) return;
  std::ifstream in(*found, std::ios::binary);
  std::string line, id, reason;
  while (ReadTextLine(in, line)) {
    if (pick(line, id, reason)) reasons[PointKey(id)].push_back(reason);
  }
}

Reasons ReasonsOf(const RunContext& ctx) {
  Reasons reasons;
  const RunState& run = ctx.run;
  if (run.orvandelRan) {
    CollectReasons(ctx.settings.binDir + workfiles::kOrvandelReport, reasons,
                   [](const std::string& line, std::string& id, std::string& reason) {
                     if (line.find(kNotTransformed) == std::string::npos) return false;
                     id = TextRecordOf(line, point_records::kTransformNad27Line).id;
                     reason = std::string("ORVANDEL: ") + kNotTransformed;
                     return true;
                   });
  }
  if (run.newFile.size() >= 3) {
    const std::string mis =
        run.newFile.substr(0, run.newFile.size() - 3) + workfiles::kLumbrixMissed;
    CollectReasons(mis, reasons, [](const std::string& line, std::string& id, std::string& reason) {
      id = TextRecordOf(line, point_records::kLumbrixMissed).id;
      if (TrimBlanks(id).empty()) return false;
      const std::size_t from = point_records::kLumbrixMissedReason - 1;
      const std::string why = TrimBlanks(line.size() > from ? line.substr(from) : std::string());
      reason = "LUMBRIX: " + (why.empty() ? std::string("OUTSIDE GRID") : why);
      return true;
    });
  }
  return reasons;
}

}  // namespace

std::string PointKey(const std::string& id) { return ToUpper(RemoveBlanks(id)); }

bool AccountForPoints(RunContext& ctx, const std::vector<std::string>& outputIds) {
  RunState& run = ctx.run;
  if (run.points.empty()) return true;
  // The programs keep the order of the points: when every output names the
  // point in its place, none is missing.
  if (outputIds.size() == run.points.size()) {
    std::size_t i = 0;
    while (i < outputIds.size() && PointKey(outputIds[i]) == PointKey(run.points[i].id)) ++i;
    if (i == outputIds.size()) return true;
  }
  std::unordered_map<std::string, long> out;
  out.reserve(outputIds.size());
  for (const std::string& id : outputIds) ++out[PointKey(id)];
  std::vector<const PointOrigin*> missing;
  for (const PointOrigin& p : run.points) {
    long& left = out[PointKey(p.id)];
    if (left > 0)
      --left;
    else
      missing.push_back(&p);
  }
  if (missing.empty()) return true;

  Reasons reasons = ReasonsOf(ctx);
  const bool french = ctx.messages.french();
  std::vector<const PointOrigin*> unexplained;
  for (const PointOrigin* p : missing) {
    auto& known = reasons[PointKey(p->id)];
    if (known.empty()) {
      unexplained.push_back(p);
      continue;
    }
    const std::string reason = known.front();
    known.pop_front();
    ctx.messages.ReportRejectedPoint(p->line,
                                     (french ? "Le point suivant n'a pas été converti : "
                                             : "The following point was not converted: ") +
                                         p->id + (french ? " (ligne " : " (line ") +
                                         std::to_string(p->line) + "): " + reason,
                                     french ? "Point manquant" : "Missed Point", p->text);
    run.IncrementErrCount();
    ++run.counts.rejected;
    ++run.missedPoints;
  }
  if (unexplained.empty()) return true;

  std::string list;
  for (std::size_t i = 0; i < unexplained.size() && i < kMaxNamed; ++i) {
    if (i > 0) list += ", ";
    list += unexplained[i]->id + (french ? " (ligne " : " (line ") +
            std::to_string(unexplained[i]->line) + ")";
  }
  if (unexplained.size() > kMaxNamed) list += ", ...";
  const std::string n = std::to_string(unexplained.size());
  ctx.messages.critical(
      ctx.messages.pick(titles::kFileError),
      french
          ? "Les programmes ont perdu " + n + " point(s) sans en donner la raison : " + list + "."
          : "The programs lost " + n + " point(s) without giving a reason: " + list + ".");
  return false;
}

}  // namespace kartovex
