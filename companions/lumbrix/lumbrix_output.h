#pragma once
// Output files appear under their final names only when complete: each is
// written beside its final name and renamed into place.
#include <string>
#include <vector>

namespace lumbrix {

struct OutputFile {
  std::string path;
  std::string text;
};

// Writes every file to a temporary name first and renames them only when all
// were written; on failure no file appears under a final name.
bool writeAll(const std::vector<OutputFile>& files, std::string& error);

}  // namespace lumbrix
