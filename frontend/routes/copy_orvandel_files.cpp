// After an ORVANDEL route: its output files are kept in outputDir.

#include <filesystem>
#include <system_error>

#include "platform/paths.h"
#include "routes/dispatch.h"

namespace kartovex {

bool CopyOrvandelFiles(RunContext& ctx) {
  const FrontEndSettings& s = ctx.settings;
  if (!MakeDirectory(ctx.messages, s.outputDir)) return false;
  for (const char* name : {"Orvandel.out", "Trn_cord.dat", "Trn_ghst.dat"}) {
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
