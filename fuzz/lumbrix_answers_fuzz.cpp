// LUMBRIX's dialogue answers.
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_support.h"
#include "lumbrix_answers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(fuzz::asString(data, size));
  lumbrix::Answers answers;
  std::string error;
  (void)lumbrix::readAnswers(in, answers, error);
  return 0;
}
