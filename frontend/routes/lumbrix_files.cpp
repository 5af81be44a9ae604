// LUMBRIX's three output files of a run.

#include "core/work_file_names.h"
#include "platform/paths.h"
#include "routes/dispatch.h"

namespace kartovex {

std::string LumbrixOutputBase(const FrontEndSettings& settings, const std::string& inputFile,
                              bool inputIsLlGhost) {
  if (inputIsLlGhost) return settings.binDir + workfiles::kLumbrixGhostBase;
  // Upper case as the input name always was, whatever case the user's file has.
  std::string name = ToUpper(FileNameOf(inputFile));
  name = name.size() >= 3 ? name.substr(0, name.size() - 3) : std::string();
  // LUMBRIX keeps to 8.3 names.
  if (name.size() > 8) name = name.substr(0, 8) + ".";
  return settings.binDir + name;
}

std::string LumbrixMisFile(const RunState& run) {
  if (run.newFile.size() < 3) return "";
  return run.newFile.substr(0, run.newFile.size() - 3) + workfiles::kLumbrixMissed;
}

bool PointsMissed(const RunState& run) {
  if (run.missedPoints > 0) return true;
  const std::string mis = LumbrixMisFile(run);
  return !mis.empty() && PathExists(mis);
}

}  // namespace kartovex
