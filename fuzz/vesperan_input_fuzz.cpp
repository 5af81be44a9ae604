// VESPERAN's input data file: its records in the grid, UTM, geographic and
// LUMBRIX .NEW layouts.
#include <cstdint>
#include <string>

#include "common/companion_error.h"
#include "common/input_records.h"
#include "fuzz_support.h"
#include "vesperan/vesperan_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::writeScratch("INTO_VES.DAT", data, size);
  try {
    for (const companion::InputRecord& r : companion::readInputRecords(path)) {
      (void)vesperan::parseGridRecord(r.text);
      (void)vesperan::parseUtmRecord(r.text);
      (void)vesperan::parseVesperanGeographic(r.text);
      (void)vesperan::parseLumbrixNew(r.text);
    }
  } catch (const companion::CompanionError&) {
  }
  return 0;
}
