// LUMBRIX's points file, in the front end's comma-separated layout and in
// the GHOST geographic layout.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "lumbrix_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::writeScratch("INPUT.DAT", data, size);
  for (bool frontEnd : {true, false}) {
    std::vector<lumbrix::Point> points;
    std::string error;
    (void)lumbrix::readPoints(path, frontEnd, points, error);
  }
  return 0;
}
