// QUILLON27's input data file: its records in the plane (grid and UTM) and
// geographic layouts.
#include <cstdint>
#include <string>

#include "common/companion_error.h"
#include "common/input_records.h"
#include "fuzz_support.h"
#include "quillon27/quillon27_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::writeScratch("INTO_Q27.DAT", data, size);
  try {
    for (const companion::InputRecord& r : companion::readInputRecords(path)) {
      (void)quillon27::parsePlaneRecord(r.text);
      (void)quillon27::parseGeographicRecord(r.text);
    }
  } catch (const companion::CompanionError&) {
  }
  return 0;
}
