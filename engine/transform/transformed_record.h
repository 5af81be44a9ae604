#pragma once
// TEMP5.DAT, one record per transformed station. After column 45 comes
// the number of the TEMP1.DAT record it came from (columns 47-54), so the
// output stage pairs stations by position and not by name.
#include <string>
#include <string_view>
#include "records/field_writer.h"

namespace orvandel {

struct TransformedRecord {
    std::string name = std::string(9, ' ');
    int latDegrees = 0;
    int latMinutes = 0;
    double latSeconds = 0.0;
    int lonDegrees = 0;  // positive west
    int lonMinutes = 0;
    double lonSeconds = 0.0;
    long long sourceRecord = 0;  // 1-based; 0 when the field is blank
};

std::string formatTransformedRecord(const TransformedRecord& r);
// The same line built in `line` (no allocation); the view lasts until its next use.
std::string_view formatTransformedRecord(records::LineBuilder& line, const TransformedRecord& r);
TransformedRecord parseTransformedRecord(std::string_view line);

}  // namespace orvandel
