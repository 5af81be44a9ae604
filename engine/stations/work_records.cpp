#include "stations/work_records.h"

#include "dialogue/transformation_table.h"
#include "records/field_writer.h"
#include "orvandel/field_input.h"
#include "records/field_reader.h"
#include "records/record_line.h"

namespace orvandel {

using records::formatText;
using records::readText;

std::string_view formatGeographicRecord(records::LineBuilder& line, const GeographicRecord& r) {
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
    s.text("   ");
    s.fixed(r.elevation, 9, 3);
    return s.view();
}

std::string formatGeographicRecord(const GeographicRecord& r) {
    records::LineBuilder line;
    return std::string(formatGeographicRecord(line, r));
}

GeographicRecord parseGeographicRecord(std::string_view line) {
    GeographicRecord r;
    r.name = readText(line, 2, 10);
    r.latDegrees = realInput(line, 11, 14, 1);
    r.latMinutes = realInput(line, 15, 18, 1);
    r.latSeconds = realInput(line, 19, 26, 5);
    r.lonDegrees = realInput(line, 30, 33, 1);
    r.lonMinutes = realInput(line, 34, 37, 1);
    r.lonSeconds = realInput(line, 38, 45, 5);
    r.elevation = realInput(line, 49, 57, 3);
    return r;
}

std::string formatParameterRecord(int transformation) {
    std::string s = isNad27ToAts77(transformation) ? "991" : "992";
    s += " 69.5 59.0 43.0 48.50.0090.900";
    s += std::string(10, ' ');
    s += records::formatInt(transformation, 2);
    return s;
}

ParameterRecord parseParameterRecord(std::string_view line) {
    ParameterRecord p;
    p.code = intInput(line, 1, 2);
    p.direction = intInput(line, 3, 3);
    p.lonLimit1 = realInput(line, 4, 8, 1);
    p.lonLimit2 = realInput(line, 9, 13, 1);
    p.latLimit1 = realInput(line, 14, 18, 1);
    p.latLimit2 = realInput(line, 19, 23, 1);
    p.spacing = realInput(line, 24, 28, 3);
    p.radiusMargin = realInput(line, 29, 33, 3);
    p.transformation = intInput(line, 44, 45);
    return p;
}

std::string_view formatGridRecord(records::LineBuilder& line, const GridRecord& r, int decimals) {
    records::LineBuilder& s = line.clear();
    s.textField(r.province, 3);
    s.textField(r.name, 9);
    s.fixed(r.northing, 12, decimals);
    s.fixed(r.easting, 12, decimals);
    s.text("   ");
    s.text(std::string_view(&r.unit, 1));
    s.integer(r.zone, 5);
    s.fixed(r.elevation, 11, 3);
    return s.view();
}

std::string formatGridRecord(const GridRecord& r, int decimals) {
    records::LineBuilder line;
    return std::string(formatGridRecord(line, r, decimals));
}

GridRecord parseGridRecord(std::string_view line) {
    GridRecord r;
    r.province = readText(line, 1, 3);
    r.name = readText(line, 4, 12);
    r.northing = realInput(line, 13, 24, 3);
    r.easting = realInput(line, 25, 36, 3);
    r.unit = readText(line, 40, 40)[0];
    r.zone = intInput(line, 41, 45);
    r.elevation = realInput(line, 46, 56, 3);
    return r;
}

}  // namespace orvandel
