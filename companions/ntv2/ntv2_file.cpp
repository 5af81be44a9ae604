#include "ntv2_file.h"

#include <cmath>

namespace ntv2 {

int expectedRows(const Subfile& s) {
  if (!(s.latInc > 0)) return 0;
  return static_cast<int>(std::lround((s.northLat - s.southLat) / s.latInc)) + 1;
}

int expectedColumns(const Subfile& s) {
  if (!(s.longInc > 0)) return 0;
  return static_cast<int>(std::lround((s.westLong - s.eastLong) / s.longInc)) + 1;
}

int Subfile::rows() const { return expectedRows(*this); }
int Subfile::columns() const { return expectedColumns(*this); }

const Node& Subfile::at(int row, int column) const {
  return nodes[static_cast<size_t>(row) * static_cast<size_t>(columns()) +
               static_cast<size_t>(column)];
}

}  // namespace ntv2
