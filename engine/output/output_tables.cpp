#include "output/output_tables.h"

#include "common/run_context.h"
#include "records/field_writer.h"
#include "records/record_line.h"

namespace orvandel {

namespace {

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

}  // namespace

void writeResultPageHeader(std::ostream& out, bool report, bool toNad27, const std::string& title,
                           const std::string& date) {
    if (report) {
        out << titleLine(kFormFeed, 2, title, date) << '\n';
    } else {
        out << "\n\n\n\n\n\n\n" << blanks(10) << title << '\n';
    }
    if (!toNad27) {
        out << '\n' << blanks(48) << "TRANSFORMATION TO ATS77 VALUES\n\n";
        out << blanks(21) << "NAD27 COORDINATES" << blanks(7) << "INPUT" << blanks(9) << "ATS77 COORDINATES"
            << blanks(9) << "UTM(ATS77) COORDINATES\n";
        out << " STATION PROVINCE   NORTHING      EASTING" << blanks(4) << "UNITS" << blanks(7)
            << "NORTHING      EASTING" << blanks(8) << "NORTHING" << blanks(7) << "EASTING   UTM\n";
        out << " NUMBER    CODE" << blanks(31) << "CODE" << blanks(7) << "(METERS)      (METERS)" << blanks(7)
            << "(METRES)" << blanks(7) << "(METRES) ZONE\n\n";
    } else {
        out << '\n' << blanks(48) << "TRANSFORMATION TO NAD27 VALUES\n\n";
        out << blanks(21) << "ATS77 COORDINATES" << blanks(7) << "INPUT" << blanks(6) << "NAD27 COORDINATES"
            << blanks(8) << "NAD27 COORDINATES" << blanks(6) << "UTM(NAD27) COORDINATES\n";
        out << " STATION PROVINCE   NORTHING" << blanks(6) << "EASTING    UNITS" << blanks(5) << "NORTHING     EASTING"
            << blanks(5) << "NORTHING     EASTING" << blanks(6) << "NORTHING     EASTING  UTM\n";
        out << " NUMBER    CODE" << blanks(31) << "CODE" << blanks(6) << "(FEET)       (FEET)" << blanks(5)
            << "(METRES)     (METRES)" << blanks(5) << "(METRES)    (METRTES) ZONE\n\n";
    }
}

std::string_view toAts77Line(records::LineBuilder& line, const GridRecord& in, const StationResult& r) {
    return line.clear()
        .at(2)
        .text(in.name)
        .at(13)
        .text(in.province)
        .at(18)
        .fixed(in.northing, 12, 2)
        .at(32)
        .fixed(in.easting, 12, 2)
        .at(49)
        .text(std::string_view(&in.unit, 1))
        .at(55)
        .fixed(r.gridNorthing, 12, 3)
        .at(69)
        .fixed(r.gridEasting, 12, 3)
        .at(84)
        .fixed(r.utmNorthing, 12, 3)
        .at(98)
        .fixed(r.utmEasting, 12, 3)
        .at(110)
        .integer(r.utmZone, 5)
        .view();
}

std::string toAts77Line(const GridRecord& in, const StationResult& r) {
    records::LineBuilder line;
    return std::string(toAts77Line(line, in, r));
}

std::string_view toNad27Line(records::LineBuilder& line, const GridRecord& in, const StationResult& r) {
    return line.clear()
        .at(2)
        .text(in.name)
        .at(13)
        .text(in.province)
        .at(18)
        .fixed(in.northing, 12, 3)
        .at(32)
        .fixed(in.easting, 12, 3)
        .at(49)
        .text(std::string_view(&in.unit, 1))
        .at(52)
        .fixed(r.gridNorthing, 12, 2)
        .at(66)
        .fixed(r.gridEasting, 12, 2)
        .at(78)
        .fixed(r.metricNorthing, 12, 3)
        .at(90)
        .fixed(r.metricEasting, 12, 3)
        .at(104)
        .fixed(r.utmNorthing, 12, 3)
        .at(116)
        .fixed(r.utmEasting, 12, 3)
        .at(128)
        .integer(r.utmZone, 4)
        .view();
}

std::string toNad27Line(const GridRecord& in, const StationResult& r) {
    records::LineBuilder line;
    return std::string(toNad27Line(line, in, r));
}

std::string_view notTransformedLine(records::LineBuilder& line, const GridRecord& in) {
    return line.clear()
        .at(2)
        .text(in.name)
        .at(15)
        .text(in.province)
        .at(18)
        .fixed(in.northing, 14, 3)
        .at(32)
        .fixed(in.easting, 14, 3)
        .at(51)
        .text(std::string_view(&in.unit, 1))
        .at(88)
        .text("THIS POINT WAS NOT")
        .at(106)
        .text(" TRANSFORMED")
        .view();
}

std::string notTransformedLine(const GridRecord& in) {
    records::LineBuilder line;
    return std::string(notTransformedLine(line, in));
}

std::string_view coordinateRecord(records::LineBuilder& line, const GridRecord& in, const StationResult& r,
                                  bool toNad27) {
    const int decimals = toNad27 ? 2 : 3;
    return line.clear()
        .at(1)
        .text(in.name)
        .at(10)
        .fixed(r.gridNorthing, 13, decimals)
        .at(23)
        .fixed(r.gridEasting, 13, decimals)
        .at(36)
        .fixed(in.elevation, 9, 3)
        .view();
}

std::string coordinateRecord(const GridRecord& in, const StationResult& r, bool toNad27) {
    records::LineBuilder line;
    return std::string(coordinateRecord(line, in, r, toNad27));
}

std::string_view ghostRecord(records::LineBuilder& line, const GridRecord& in, const TransformedRecord& t) {
    // The seconds pass through single precision on their way out.
    const double latSeconds = static_cast<float>(t.latSeconds);
    const double lonSeconds = static_cast<float>(t.lonSeconds);
    return line.clear()
        .at(1)
        .text(" 04      ")
        .at(10)
        .text(t.name)
        .at(40)
        .text("N")
        .at(41)
        .integer(t.latDegrees, 2)
        .at(43)
        .integer(t.latMinutes, 3)
        .at(46)
        .fixed(latSeconds, 9, 6)
        .at(55)
        .text("W")
        .at(56)
        .integer(t.lonDegrees, 3)
        .at(59)
        .integer(t.lonMinutes, 3)
        .at(62)
        .fixed(lonSeconds, 9, 6)
        .at(71)
        .fixed(in.elevation, 9, 3)
        .view();
}

std::string ghostRecord(const GridRecord& in, const TransformedRecord& t) {
    records::LineBuilder line;
    return std::string(ghostRecord(line, in, t));
}

}  // namespace orvandel
