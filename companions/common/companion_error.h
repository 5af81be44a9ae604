#pragma once
// The one failure a companion program reports: its text becomes the single
// line on standard error, and the program ends with a non-zero status.
#include <stdexcept>

namespace companion {

class CompanionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace companion
