#include "input/run_state.h"

#include "messages/messages.h"
#include "messages/text.h"

namespace kartovex {

namespace {
constexpr Text kRejectedPoints{"Number of rejected points = ", "Quantité de points rejetés = "};
}

RunState::RunState(const FrontEndSettings& settings)
    : reportDate(CurrentDateText), settings_(settings) {}

void RunState::IncrementErrCount() {
  ++errCount_;
  if (errCount_ > 0) {
    errCountText_ = pick(kRejectedPoints, settings_.language) + " " + std::to_string(errCount_);
  }
}

void RunState::ResetErrCount(int start) {
  errCount_ = start;
  errCountText_.clear();
}

}  // namespace kartovex
