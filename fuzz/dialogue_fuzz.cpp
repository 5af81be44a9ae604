// ORVANDEL's console dialogue and closing screen, answers from the fuzz bytes.
#include <cstdint>
#include <sstream>

#include "common/program_stop.h"
#include "dialogue/dialogue.h"
#include "fuzz_support.h"
#include "records/input_conversion_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(fuzz::asString(data, size));
  try {
    (void)orvandel::runDialogue(in, fuzz::nullStream());
    orvandel::closeDialogue(in, fuzz::nullStream());
  } catch (const orvandel::ProgramStop&) {
  } catch (const records::InputConversionError&) {
  }
  return 0;
}
