#include "results/orvandel_table_lines.h"

namespace kartovex {

bool OrvandelTableLines::Accept(const std::string& line) {
  switch (state_) {
    case State::BeforeTable:
      if (afterTitle_) {
        if (line.find(kOrvandelNad27Title) != std::string::npos) {
          state_ = State::SkippingAfterTitle;
          toSkip_ = 5;
        }
      } else if (line.find(kOrvandelNad27Heading) != std::string::npos) {
        state_ = State::InTable;
      }
      return false;
    case State::SkippingAfterTitle:
      if (--toSkip_ <= 0) state_ = State::InTable;
      return false;
    case State::InPageHeader:
      if (line.find(kOrvandelNad27Heading) != std::string::npos) state_ = State::InTable;
      return false;
    case State::InTable: break;
  }
  if (line.empty()) return false;
  if (line[0] == '\f') {
    state_ = State::InPageHeader;
    return false;
  }
  return line.find("THIS POINT WAS NOT") == std::string::npos;
}

}  // namespace kartovex
