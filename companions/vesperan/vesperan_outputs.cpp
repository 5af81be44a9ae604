#include "vesperan/vesperan_outputs.h"

#include "common/columns.h"

namespace vesperan {

std::string formatXyMapRecord(const std::string& identifier, double northing, double easting) {
  std::string line = companion::rightAligned(identifier, 9);
  line += " ";
  line += companion::fittedFixed(northing, 12, 3);
  line += " ";
  line += companion::fittedFixed(easting, 12, 3);
  return line;
}

}  // namespace vesperan
