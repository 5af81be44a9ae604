#include "writers/converters.h"

namespace kartovex {

int Quillon27HeaderLines(const ProvinceSetting& province) {
  return province == Province::NB ? 5 : 4;
}

std::size_t Quillon27ColumnShift(const ProvinceSetting& province) {
  return province == Province::PEI ? 0 : 1;
}

}  // namespace kartovex
