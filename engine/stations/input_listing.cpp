#include "stations/input_listing.h"

#include "common/run_context.h"
#include "records/field_writer.h"
#include "records/record_line.h"

namespace orvandel {

namespace {

char pageCharacter(long long n) { return n == 0 ? ' ' : kFormFeed; }

}  // namespace

void writeGeographicPageHeader(std::ostream& out, long long n, const std::string& title, const std::string& date,
                               bool towardsAts77) {
    out << titleLine(pageCharacter(n), 0, title, date) << "\n\n";
    out << "    *****  GEOGRAPHICS  TO  BE  TRANSFORMED  FROM  THE  "
        << (towardsAts77 ? "1927  DATUM  TO  THE  1977  DATUM  *****" : "1977  DATUM  TO  THE  1927  DATUM  *****")
        << "\n\n";
    out << records::LineBuilder()
               .at(2)
               .text("PROVINCE")
               .at(18)
               .text("STATION")
               .at(32)
               .text("LATITUDE")
               .at(62)
               .text("LONGITUDE")
               .at(92)
               .text("ZONE")
               .str()
        << '\n';
    out << records::LineBuilder()
               .at(28)
               .text("DEG")
               .at(33)
               .text("MIN")
               .at(41)
               .text("SEC")
               .at(57)
               .text("DEG")
               .at(63)
               .text("MIN")
               .at(71)
               .text("SEC")
               .str()
        << "\n\n\n";
}

void writeGridPageHeader(std::ostream& out, long long n, const std::string& title, const std::string& date,
                         bool nad27Input) {
    out << titleLine(pageCharacter(n), 2, title, date) << "\n\n";
    out << std::string(18, ' ')
        << (nad27Input ? "***** PROVINCIAL GRID 'COORDINATES TO BE TRANSFORMED FROM THE 1927 DATUM "
                         "'TO THE 1977 DATUM *****"
                       : "***** PROVINCIAL GRID 'COORDINATES TO BE TRANSFORMED FROM THE 1977 DATUM "
                         "'TO THE 1927 DATUM *****")
        << "\n\n";
    out << std::string(30, ' ') << "PROVINCE" << std::string(7, ' ') << "STATION" << std::string(8, ' ') << "NORTHING"
        << std::string(8, ' ') << "EASTING" << std::string(8, ' ') << "UNITS" << std::string(2, ' ') << "ZONE\n";
    if (nad27Input) out << '\n';
}

std::string_view geographicListingLine(records::LineBuilder& line, const GeographicListing& l) {
    return line.clear()
        .at(8)
        .text(l.province)
        .at(18)
        .text(l.name)
        .at(28)
        .integer(l.latDegrees, 2)
        .at(34)
        .integer(l.latMinutes, 2)
        .at(40)
        .fixed(l.latSeconds, 7, 4)
        .at(58)
        .integer(l.lonDegrees, 2)
        .at(64)
        .integer(l.lonMinutes, 2)
        .at(70)
        .fixed(l.lonSeconds, 7, 4)
        .at(94)
        .integer(l.zone, 1)
        .view();
}

std::string geographicListingLine(const GeographicListing& l) {
    records::LineBuilder line;
    return std::string(geographicListingLine(line, l));
}

std::string_view gridListingLine(records::LineBuilder& line, const std::string& province, const GridStation& s,
                                 char unit, int zone) {
    return line.clear()
        .at(33)
        .text(province)
        .at(47)
        .text(s.name)
        .at(57)
        .fixed(s.northing, 15, 3)
        .at(72)
        .fixed(s.easting, 15, 3)
        .at(94)
        .text(std::string_view(&unit, 1))
        .at(100)
        .integer(zone, 2)
        .view();
}

std::string gridListingLine(const std::string& province, const GridStation& s, char unit, int zone) {
    records::LineBuilder line;
    return std::string(gridListingLine(line, province, s, unit, zone));
}

}  // namespace orvandel
