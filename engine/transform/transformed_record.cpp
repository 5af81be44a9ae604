#include "transform/transformed_record.h"

#include <cmath>

#include "records/field_writer.h"
#include "orvandel/field_input.h"
#include "records/field_reader.h"

namespace orvandel {

using records::readText;

namespace {

// Integer part, kept within int range whatever the field held.
int integerPart(double value) {
    if (!(value > -1e9 && value < 1e9)) return 0;
    return static_cast<int>(std::trunc(value));
}

}  // namespace

std::string_view formatTransformedRecord(records::LineBuilder& line, const TransformedRecord& r) {
    records::LineBuilder& s = line.clear();
    s.text(" ");
    s.textField(r.name, 9);
    s.fixed(r.latDegrees, 4, 1);
    s.fixed(r.latMinutes, 4, 1);
    s.fixed(r.latSeconds, 8, 5);
    s.text("   ");
    s.fixed(r.lonDegrees, 4, 1);
    s.fixed(r.lonMinutes, 4, 1);
    s.fixed(r.lonSeconds, 8, 5);
    s.text(" ");
    s.integer(r.sourceRecord, 8);
    return s.view();
}

std::string formatTransformedRecord(const TransformedRecord& r) {
    records::LineBuilder line;
    return std::string(formatTransformedRecord(line, r));
}

TransformedRecord parseTransformedRecord(std::string_view line) {
    TransformedRecord r;
    r.name = readText(line, 2, 10);
    // Degrees and minutes are written as reals; their integer parts count.
    r.latDegrees = integerPart(realInput(line, 11, 14, 1));
    r.latMinutes = integerPart(realInput(line, 15, 18, 1));
    r.latSeconds = realInput(line, 19, 26, 5);
    r.lonDegrees = integerPart(realInput(line, 30, 33, 1));
    r.lonMinutes = integerPart(realInput(line, 34, 37, 1));
    r.lonSeconds = realInput(line, 38, 45, 5);
    r.sourceRecord = intInput(line, 47, 54);
    return r;
}

}  // namespace orvandel
