#include "common/input_records.h"

#include <fstream>

#include "common/companion_error.h"

namespace companion {

InputRecords readInputRecords(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    throw CompanionError("input file " + path.string() + " not found");
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw CompanionError("cannot open input file " + path.string());
  InputRecords records;
  std::vector<char>& text = records.text_;
  const auto expected = std::filesystem::file_size(path, error);
  std::size_t size = 0;
  text.resize(error ? std::size_t{1} << 16 : static_cast<std::size_t>(expected) + 1);
  while (in) {
    if (size == text.size()) text.resize(text.size() * 2);
    in.read(text.data() + size, static_cast<std::streamsize>(text.size() - size));
    size += static_cast<std::size_t>(in.gcount());
  }
  if (in.bad()) throw CompanionError("cannot read input file " + path.string());
  text.resize(size);

  const std::string_view all(text.data(), text.size());
  int number = 0;
  std::size_t at = 0;
  while (at < all.size()) {
    std::size_t end = all.find('\n', at);
    if (end == std::string_view::npos) end = all.size();
    std::string_view line = all.substr(at, end - at);
    at = end + 1;
    ++number;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    records.records_.push_back({number, line});
  }
  return records;
}

}  // namespace companion
