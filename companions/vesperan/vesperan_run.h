#pragma once
// One VESPERAN run: read the dialogue, convert every point of the input file
// and write LL_GHOST.DAT, UTM_GHST.DAT and XY_MAP.DAT into the output
// directory (the program's current directory).
#include <filesystem>
#include <istream>

namespace vesperan {

// Returns the number of points written; throws CompanionError on a bad
// answer, a missing input file or a bad record, leaving no output files.
int runVesperan(std::istream& answers, const std::filesystem::path& outputDirectory);

}  // namespace vesperan
