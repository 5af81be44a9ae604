#pragma once
// The station work files shared by the stages: TEMP1.DAT (geographic) and
// TEMP2.DAT (title, parameter record, grid stations).
#include <string>
#include <string_view>
#include "records/field_writer.h"

namespace orvandel {

// A TEMP1.DAT record. Degrees and minutes are written as reals.
struct GeographicRecord {
    std::string name = std::string(9, ' ');
    double latDegrees = 0.0;
    double latMinutes = 0.0;
    double latSeconds = 0.0;
    double lonDegrees = 0.0;  // positive west
    double lonMinutes = 0.0;
    double lonSeconds = 0.0;
    double elevation = 0.0;
};

std::string formatGeographicRecord(const GeographicRecord& r);
// The same line built in `line` (no allocation); the view lasts until its next use.
std::string_view formatGeographicRecord(records::LineBuilder& line, const GeographicRecord& r);
GeographicRecord parseGeographicRecord(std::string_view line);

// Record 2 of TEMP2.DAT.
struct ParameterRecord {
    int code = 99;
    int direction = 1;  // 1 NAD27 to ATS77, 2 ATS77 to NAD27
    double lonLimit1 = 69.5;
    double lonLimit2 = 59.0;
    double latLimit1 = 43.0;
    double latLimit2 = 48.5;
    double spacing = 0.009;
    double radiusMargin = 0.9;
    int transformation = 0;
};

// The standard record for a transformation number (991 or 992).
std::string formatParameterRecord(int transformation);
ParameterRecord parseParameterRecord(std::string_view line);

// A TEMP2.DAT station record.
struct GridRecord {
    std::string province = "   ";
    std::string name = std::string(9, ' ');
    double northing = 0.0;
    double easting = 0.0;
    char unit = ' ';
    int zone = 0;
    double elevation = 0.0;
};

// `decimals`: 2 for geographic input towards ATS77, otherwise 3.
std::string formatGridRecord(const GridRecord& r, int decimals);
// The same line built in `line` (no allocation); the view lasts until its next use.
std::string_view formatGridRecord(records::LineBuilder& line, const GridRecord& r, int decimals);
GridRecord parseGridRecord(std::string_view line);

}  // namespace orvandel
