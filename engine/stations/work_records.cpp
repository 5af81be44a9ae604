#include "stations/work_records.h"

#include "dialogue/transformation_table.h"
#include "records/record_layout.h"

namespace orvandel {

using records::Field;
using records::intField;
using records::realField;
using records::textField;

namespace {

constexpr auto kGeographicLayout = records::layout<GeographicRecord>({
    textField("name", 2, 10, &GeographicRecord::name),
    realField("latDegrees", 11, 14, 1, &GeographicRecord::latDegrees),
    realField("latMinutes", 15, 18, 1, &GeographicRecord::latMinutes),
    realField("latSeconds", 19, 26, 5, &GeographicRecord::latSeconds),
    realField("lonDegrees", 30, 33, 1, &GeographicRecord::lonDegrees),
    realField("lonMinutes", 34, 37, 1, &GeographicRecord::lonMinutes),
    realField("lonSeconds", 38, 45, 5, &GeographicRecord::lonSeconds),
    realField("elevation", 49, 57, 3, &GeographicRecord::elevation),
});

constexpr auto kParameterLayout = records::layout<ParameterRecord>({
    intField("code", 1, 2, &ParameterRecord::code),
    intField("direction", 3, 3, &ParameterRecord::direction),
    realField("lonLimit1", 4, 8, 1, &ParameterRecord::lonLimit1),
    realField("lonLimit2", 9, 13, 1, &ParameterRecord::lonLimit2),
    realField("latLimit1", 14, 18, 1, &ParameterRecord::latLimit1),
    realField("latLimit2", 19, 23, 1, &ParameterRecord::latLimit2),
    realField("spacing", 24, 28, 3, &ParameterRecord::spacing),
    realField("radiusMargin", 29, 33, 3, &ParameterRecord::radiusMargin),
    intField("transformation", 44, 45, &ParameterRecord::transformation),
});

constexpr auto kGridLayout = records::layout<GridRecord>({
    textField("province", 1, 3, &GridRecord::province),
    textField("name", 4, 12, &GridRecord::name),
    realField("northing", 13, 24, 3, &GridRecord::northing),
    realField("easting", 25, 36, 3, &GridRecord::easting),
    textField("unit", 40, 40, &GridRecord::unit),
    intField("zone", 41, 45, &GridRecord::zone),
    realField("elevation", 46, 56, 3, &GridRecord::elevation),
});

// Geographic input towards ATS77 writes the grid coordinates with two
// decimals; the columns stay the same.
constexpr auto kGridLayoutTwoDecimals = [] {
    auto l = kGridLayout;
    for (Field<GridRecord>& f : l) {
        if (f.real == &GridRecord::northing || f.real == &GridRecord::easting) f.decimals = 2;
    }
    return l;
}();

}  // namespace

std::string_view formatGeographicRecord(records::LineBuilder& line, const GeographicRecord& r) {
    return records::writeRecord<kGeographicLayout>(line, r);
}

std::string formatGeographicRecord(const GeographicRecord& r) { return records::writeRecord<kGeographicLayout>(r); }

GeographicRecord parseGeographicRecord(std::string_view line) {
    GeographicRecord r;
    records::readRecord<kGeographicLayout>(line, r);
    return r;
}

std::string formatParameterRecord(int transformation) {
    ParameterRecord p;
    p.direction = isNad27ToAts77(transformation) ? 1 : 2;
    p.transformation = transformation;
    return records::writeRecord<kParameterLayout>(p);
}

ParameterRecord parseParameterRecord(std::string_view line) {
    ParameterRecord p;
    records::readRecord<kParameterLayout>(line, p);
    return p;
}

std::string_view formatGridRecord(records::LineBuilder& line, const GridRecord& r, int decimals) {
    return decimals == 2 ? records::writeRecord<kGridLayoutTwoDecimals>(line, r)
                         : records::writeRecord<kGridLayout>(line, r);
}

std::string formatGridRecord(const GridRecord& r, int decimals) {
    records::LineBuilder line;
    return std::string(formatGridRecord(line, r, decimals));
}

GridRecord parseGridRecord(std::string_view line) {
    GridRecord r;
    records::readRecord<kGridLayout>(line, r);
    return r;
}

}  // namespace orvandel
