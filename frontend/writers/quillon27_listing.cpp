#include "writers/converters.h"

namespace kartovex {

int Quillon27HeaderLines(const std::string& province) { return province == "NB" ? 5 : 4; }

std::size_t Quillon27ColumnShift(const std::string& province) {
  return province == "PEI" ? 0 : 1;
}

}  // namespace kartovex
