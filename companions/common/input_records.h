#pragma once
// The records of an input data file, one per line, line ends removed.
#include <filesystem>
#include <string>
#include <vector>

namespace companion {

struct InputRecord {
  int lineNumber = 0;  // counting from 1
  std::string text;    // without CR or LF
};

// Every line that is not blank, in file order. Throws CompanionError when the
// file is missing or cannot be read.
std::vector<InputRecord> readInputRecords(const std::filesystem::path& path);

}  // namespace companion
