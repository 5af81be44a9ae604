#include "common/input_records.h"

#include <fstream>

#include "common/companion_error.h"

namespace companion {

std::vector<InputRecord> readInputRecords(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    throw CompanionError("input file " + path.string() + " not found");
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw CompanionError("cannot open input file " + path.string());
  std::vector<InputRecord> records;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    records.push_back({number, line});
  }
  if (in.bad()) throw CompanionError("cannot read input file " + path.string());
  return records;
}

}  // namespace companion
