#pragma once
// The records of an input data file, one per line, line ends removed.
#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

namespace companion {

struct InputRecord {
  int lineNumber = 0;     // counting from 1
  std::string_view text;  // without CR or LF; valid while its InputRecords lives
};

// The whole file read at once, and its records as views of it.
class InputRecords {
 public:
  InputRecords() = default;
  InputRecords(InputRecords&&) = default;
  InputRecords& operator=(InputRecords&&) = default;
  InputRecords(const InputRecords&) = delete;
  InputRecords& operator=(const InputRecords&) = delete;

  std::size_t size() const { return records_.size(); }
  bool empty() const { return records_.empty(); }
  const InputRecord& operator[](std::size_t i) const { return records_[i]; }
  std::vector<InputRecord>::const_iterator begin() const { return records_.begin(); }
  std::vector<InputRecord>::const_iterator end() const { return records_.end(); }

 private:
  friend InputRecords readInputRecords(const std::filesystem::path& path);
  std::vector<char> text_;  // a vector: moving it keeps the views valid
  std::vector<InputRecord> records_;
};

// Every line that is not blank, in file order. Throws CompanionError when the
// file is missing or cannot be read.
InputRecords readInputRecords(const std::filesystem::path& path);

}  // namespace companion
