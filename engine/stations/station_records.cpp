#include "stations/station_records.h"

#include "records/field_input.h"
#include "records/field_reader.h"

namespace orvandel {

using records::intInput;
using records::readText;
using records::realInput;
using records::singleInput;

GeographicStation parseOrvandelRecord(std::string_view line) {
    GeographicStation s;
    s.name = readText(line, 3, 11);
    s.latDegrees = intInput(line, 13, 14);
    s.latMinutes = intInput(line, 16, 17);
    s.latSeconds = singleInput(line, 19, 26, 5);
    s.lonDegrees = intInput(line, 28, 29);
    s.lonMinutes = intInput(line, 31, 32);
    s.lonSeconds = singleInput(line, 34, 41, 5);
    s.elevation = realInput(line, 43, 51, 3);
    return s;
}

GeographicStation parseGhostRecord(std::string_view line) {
    GeographicStation s;
    s.name = readText(line, 7, 15);
    s.latDegrees = intInput(line, 41, 42);
    s.latMinutes = intInput(line, 43, 45);
    s.latSeconds = singleInput(line, 46, 54, 6);
    s.lonDegrees = intInput(line, 56, 58);
    s.lonMinutes = intInput(line, 59, 61);
    s.lonSeconds = singleInput(line, 62, 70, 6);
    s.elevation = realInput(line, 71, 79, 3);
    return s;
}

GridStation parseGridKeyboardRecord(std::string_view line) {
    GridStation s;
    s.name = readText(line, 2, 10);
    s.northing = realInput(line, 12, 25, 3);
    s.easting = realInput(line, 27, 40, 3);
    s.elevation = realInput(line, 41, 51, 3);
    return s;
}

GridStation parseGridFileRecord(std::string_view line) {
    GridStation s;
    s.name = readText(line, 1, 9);
    s.northing = realInput(line, 10, 22, 3);
    s.easting = realInput(line, 23, 35, 3);
    s.elevation = realInput(line, 36, 44, 3);
    return s;
}

}  // namespace orvandel
