// After an ORVANDEL route: its output files are kept in outputDir.

#include <filesystem>
#include <system_error>

#include "core/work_file_names.h"
#include "platform/paths.h"
#include "routes/dispatch.h"

namespace kartovex {

bool CopyOrvandelFiles(RunContext& ctx) {
  const FrontEndSettings& s = ctx.settings;
  if (!MakeDirectory(ctx.messages, s.outputDir)) return false;
  using namespace workfiles;
  for (const char* file : {kOrvandelReport, kTransformGrid, kTransformGeographic}) {
    // Copied under the names they have always had there.
    const std::string name = Capitalised(file);
    auto source = FindIgnoringCase(s.binDir + name);
    if (!source) return false;
    std::error_code ec;
    std::filesystem::copy_file(*source, WithTrailingSeparator(s.outputDir) + name,
                               std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) return false;
  }
  return true;
}

}  // namespace kartovex
