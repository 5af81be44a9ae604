#include "writers/columns.h"

namespace kartovex {

std::string_view ColumnsView(std::string_view line, std::size_t first, std::size_t last) {
  if (first == 0 || last < first || first > line.size()) return {};
  return line.substr(first - 1, last - first + 1);
}

std::string_view RemoveBlanksView(std::string_view field) {
  const std::size_t begin = field.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  const std::size_t blank = field.find(' ', begin);
  return field.substr(begin,
                      blank == std::string_view::npos ? std::string_view::npos : blank - begin);
}

std::string_view TrimBlanksView(std::string_view field) {
  const std::size_t begin = field.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  const std::size_t end = field.find_last_not_of(' ');
  return field.substr(begin, end - begin + 1);
}

bool FieldUnreadable(std::string_view field, std::size_t width) {
  return field.size() < width || field.find(' ') != std::string_view::npos;
}

}  // namespace kartovex
