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

std::string ModulesLine(std::string_view modules) {
  std::string line = "*    Modules: ";
  line += modules;
  return line;
}

std::string CountsSummary(const PointCounts& c, bool french) {
  const auto n = [](long v) { return std::to_string(v); };
  if (french) {
    return "Lignes lues : " + n(c.read) + ", converties : " + n(c.converted) +
           ", rejetées : " + n(c.rejected) + ", non lues : " + n(c.notRead);
  }
  return "Lines read: " + n(c.read) + ", converted: " + n(c.converted) +
         ", rejected: " + n(c.rejected) + ", not read: " + n(c.notRead);
}

void RunState::ResetCounts() {
  counts = PointCounts{};
  points.clear();
  missedPoints = 0;
  orvandelRan = false;
}

void RunState::ResetErrCount(int start) {
  errCount_ = start;
  errCountText_.clear();
}

}  // namespace kartovex
