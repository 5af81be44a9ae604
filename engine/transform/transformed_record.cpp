#include "transform/transformed_record.h"

#include "records/record_layout.h"

namespace orvandel {

namespace {

using records::intField;
using records::realField;
using records::textField;

// Degrees and minutes are written as reals; their integer parts count.
constexpr auto kTransformedLayout = records::layout<TransformedRecord>({
    textField("name", 2, 10, &TransformedRecord::name),
    realField("latDegrees", 11, 14, 1, &TransformedRecord::latDegrees),
    realField("latMinutes", 15, 18, 1, &TransformedRecord::latMinutes),
    realField("latSeconds", 19, 26, 5, &TransformedRecord::latSeconds),
    realField("lonDegrees", 30, 33, 1, &TransformedRecord::lonDegrees),
    realField("lonMinutes", 34, 37, 1, &TransformedRecord::lonMinutes),
    realField("lonSeconds", 38, 45, 5, &TransformedRecord::lonSeconds),
    intField("sourceRecord", 47, 54, &TransformedRecord::sourceRecord),
});

}  // namespace

std::string_view formatTransformedRecord(records::LineBuilder& line, const TransformedRecord& r) {
    return records::writeRecord<kTransformedLayout>(line, r);
}

std::string formatTransformedRecord(const TransformedRecord& r) { return records::writeRecord<kTransformedLayout>(r); }

TransformedRecord parseTransformedRecord(std::string_view line) {
    TransformedRecord r;
    records::readRecord<kTransformedLayout>(line, r);
    return r;
}

}  // namespace orvandel
