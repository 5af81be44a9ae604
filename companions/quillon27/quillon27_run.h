#pragma once
// One QUILLON27 run: read the dialogue, convert every point of the input file
// and write QUILLON27.OUT and QUILLON27.DAT into the output directory (the
// program's current directory).
#include <filesystem>
#include <istream>

namespace quillon27 {

// Returns the number of points written; throws CompanionError on a bad
// answer, a missing input file or a bad record, leaving no output files.
int runQuillon27(std::istream& answers, const std::filesystem::path& outputDirectory);

}  // namespace quillon27
