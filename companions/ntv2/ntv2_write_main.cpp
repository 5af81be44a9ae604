// ntv2-write: writes a demonstration NTv2 grid from a synthetic shift field.
//   ntv2-write FIELD SOUTH NORTH EAST WEST SPACING NAME OUTPUT
// FIELD is 27-83, 77-83 or 77-csrs; the extent in decimal degrees with
// longitudes positive west; SPACING in arc-seconds; NAME the subfile name.
#include <charconv>
#include <cstdio>
#include <string>
#include <system_error>

#include "ntv2_io.h"
#include "ntv2_synthetic.h"

namespace {

bool number(const char* text, double& v) {
  const std::string s(text);
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  return ec == std::errc() && p == s.data() + s.size();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 9) {
    std::fprintf(stderr, "usage: ntv2-write FIELD SOUTH NORTH EAST WEST SPACING NAME OUTPUT\n");
    return 2;
  }
  ntv2::Field field;
  ntv2::GridExtent extent;
  if (!ntv2::parseField(argv[1], field) || !number(argv[2], extent.southDeg) ||
      !number(argv[3], extent.northDeg) || !number(argv[4], extent.eastDeg) ||
      !number(argv[5], extent.westDeg) || !number(argv[6], extent.spacingSeconds)) {
    std::fprintf(stderr, "ntv2-write: invalid field or number\n");
    return 2;
  }
  ntv2::File file;
  std::string error;
  if (!ntv2::syntheticGrid(field, extent, argv[7], "DEMO", file, error) ||
      !ntv2::writeFile(argv[8], file, error)) {
    std::fprintf(stderr, "ntv2-write: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
