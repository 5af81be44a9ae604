#include "vesperan/vesperan_outputs.h"

#include "common/columns.h"

namespace vesperan {

void appendXyMapRecord(std::string& line, const std::string& identifier, double northing,
                       double easting) {
  companion::appendRightAligned(line, identifier, 9);
  line += ' ';
  companion::appendFitted(line, northing, 12, 3);
  line += ' ';
  companion::appendFitted(line, easting, 12, 3);
}

std::string formatXyMapRecord(const std::string& identifier, double northing, double easting) {
  std::string line;
  appendXyMapRecord(line, identifier, northing, easting);
  return line;
}

}  // namespace vesperan
