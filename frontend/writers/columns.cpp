#include "writers/columns.h"

namespace kartovex {

std::string Columns(const std::string& line, std::size_t first, std::size_t last) {
  if (first == 0 || last < first || first > line.size()) return std::string();
  return line.substr(first - 1, last - first + 1);
}

std::string RemoveBlanks(const std::string& field) {
  std::size_t begin = field.find_first_not_of(' ');
  if (begin == std::string::npos) return std::string();
  std::size_t blank = field.find(' ', begin);
  return field.substr(begin, blank == std::string::npos ? std::string::npos : blank - begin);
}

std::string TrimBlanks(const std::string& field) {
  std::size_t begin = field.find_first_not_of(' ');
  if (begin == std::string::npos) return std::string();
  std::size_t end = field.find_last_not_of(' ');
  return field.substr(begin, end - begin + 1);
}

bool FieldUnreadable(const std::string& field, std::size_t width) {
  return field.size() < width || field.find(' ') != std::string::npos;
}

}  // namespace kartovex
