#pragma once
// One whole run: the dialogue, the input stage, the transformation, the
// output stage and the closing screen.
#include <filesystem>
#include <istream>
#include <ostream>

namespace orvandel {

// Returns the exit status. Every early end (stop codes, input-conversion
// errors, end of input, missing files) is reported on `errors` in one line.
int runOrvandel(std::istream& in, std::ostream& screen, std::ostream& errors, const std::filesystem::path& workDir);

}  // namespace orvandel
