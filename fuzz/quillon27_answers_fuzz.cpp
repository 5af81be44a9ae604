// QUILLON27's dialogue answers.
#include <cstdint>
#include <sstream>

#include "common/answers.h"
#include "common/companion_error.h"
#include "fuzz_support.h"
#include "quillon27/quillon27_request.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(fuzz::asString(data, size));
  companion::AnswerReader answers(in);
  try {
    (void)quillon27::readQuillonRequest(answers);
  } catch (const companion::CompanionError&) {
  }
  return 0;
}
