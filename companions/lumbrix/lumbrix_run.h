#pragma once
// One LUMBRIX run: dialogue, grid, points, output files.
#include <istream>
#include <ostream>

namespace lumbrix {

// Returns the process exit code: 0 when the output files were written
// (points off the grid go to the .MIS file), 1 after a one-line message on
// err when an answer, the grid file, the input file or an output fails.
int run(std::istream& answers, std::ostream& err);

}  // namespace lumbrix
