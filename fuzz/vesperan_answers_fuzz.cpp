// VESPERAN's dialogue answers.
#include <cstdint>
#include <sstream>

#include "common/answers.h"
#include "common/companion_error.h"
#include "fuzz_support.h"
#include "vesperan/vesperan_request.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(fuzz::asString(data, size));
  companion::AnswerReader answers(in);
  try {
    (void)vesperan::readVesperanRequest(answers);
  } catch (const companion::CompanionError&) {
  }
  return 0;
}
