#pragma once
// Picks the station lines of the to-NAD27 table out of ORVANDEL.OUT. The
// table may run over several pages, each with its own header, and may hold
// lines of stations that were not transformed; neither is a point.

#include <string>

namespace kartovex {

// The last heading line of the to-NAD27 table.
inline constexpr const char* kOrvandelNad27Heading =
    "NUMBER    CODE                               CODE      (FEET)       (FEET)     (METRES)     ";
inline constexpr const char* kOrvandelNad27Title = "TRANSFORMATION TO NAD27 VALUES";

class OrvandelTableLines {
 public:
  // The table starts after the first line holding the heading, or, with
  // afterTitle, after the first line holding the title and the five lines
  // that follow it.
  explicit OrvandelTableLines(bool afterTitle) : afterTitle_(afterTitle) {}

  // True when line is a station line of the table.
  bool Accept(const std::string& line);

 private:
  enum class State { BeforeTable, SkippingAfterTitle, InTable, InPageHeader };
  bool afterTitle_;
  State state_ = State::BeforeTable;
  int toSkip_ = 0;
};

}  // namespace kartovex
