#include "stations/station_records.h"

#include "records/record_layout.h"

namespace orvandel {

using records::intField;
using records::realField;
using records::textField;

namespace {

// The geographic keyboard record and the "ORVANDEL FORMAT" file record.
constexpr auto kOrvandelLayout = records::layout<GeographicStation>({
    textField("name", 3, 11, &GeographicStation::name),
    intField("latDegrees", 13, 14, &GeographicStation::latDegrees),
    intField("latMinutes", 16, 17, &GeographicStation::latMinutes),
    realField("latSeconds", 19, 26, 5, &GeographicStation::latSeconds),
    intField("lonDegrees", 28, 29, &GeographicStation::lonDegrees),
    intField("lonMinutes", 31, 32, &GeographicStation::lonMinutes),
    realField("lonSeconds", 34, 41, 5, &GeographicStation::lonSeconds),
    realField("elevation", 43, 51, 3, &GeographicStation::elevation),
});

constexpr auto kGhostLayout = records::layout<GeographicStation>({
    textField("name", 7, 15, &GeographicStation::name),
    intField("latDegrees", 41, 42, &GeographicStation::latDegrees),
    intField("latMinutes", 43, 45, &GeographicStation::latMinutes),
    realField("latSeconds", 46, 54, 6, &GeographicStation::latSeconds),
    intField("lonDegrees", 56, 58, &GeographicStation::lonDegrees),
    intField("lonMinutes", 59, 61, &GeographicStation::lonMinutes),
    realField("lonSeconds", 62, 70, 6, &GeographicStation::lonSeconds),
    realField("elevation", 71, 79, 3, &GeographicStation::elevation),
});

constexpr auto kGridKeyboardLayout = records::layout<GridStation>({
    textField("name", 2, 10, &GridStation::name),
    realField("northing", 12, 25, 3, &GridStation::northing),
    realField("easting", 27, 40, 3, &GridStation::easting),
    realField("elevation", 41, 51, 3, &GridStation::elevation),
});

constexpr auto kGridFileLayout = records::layout<GridStation>({
    textField("name", 1, 9, &GridStation::name),
    realField("northing", 10, 22, 3, &GridStation::northing),
    realField("easting", 23, 35, 3, &GridStation::easting),
    realField("elevation", 36, 44, 3, &GridStation::elevation),
});

template <class Station, const auto& Layout>
Station parsed(std::string_view line) {
    Station s;
    records::readRecord<Layout>(line, s);
    return s;
}

}  // namespace

GeographicStation parseOrvandelRecord(std::string_view line) {
    return parsed<GeographicStation, kOrvandelLayout>(line);
}

GeographicStation parseGhostRecord(std::string_view line) { return parsed<GeographicStation, kGhostLayout>(line); }

GridStation parseGridKeyboardRecord(std::string_view line) { return parsed<GridStation, kGridKeyboardLayout>(line); }

GridStation parseGridFileRecord(std::string_view line) { return parsed<GridStation, kGridFileLayout>(line); }

std::string formatOrvandelRecord(const GeographicStation& s) { return records::writeRecord<kOrvandelLayout>(s); }

std::string formatGhostRecord(const GeographicStation& s) { return records::writeRecord<kGhostLayout>(s); }

std::string formatGridKeyboardRecord(const GridStation& s) { return records::writeRecord<kGridKeyboardLayout>(s); }

std::string formatGridFileRecord(const GridStation& s) { return records::writeRecord<kGridFileLayout>(s); }

}  // namespace orvandel
