#pragma once
// The input listing that opens ORVANDEL.OUT: a page header every 50
// stations and one line per station.
#include <ostream>
#include <string>
#include <string_view>

#include "records/field_writer.h"
#include "stations/station.h"

namespace orvandel {

// Page header before station n (0-based) when n is a multiple of 50; the
// first page starts with a blank, later ones with a form feed.
void writeGeographicPageHeader(std::ostream& out, long long n, const std::string& title, const std::string& date,
                               bool towardsAts77);
void writeGridPageHeader(std::ostream& out, long long n, const std::string& title, const std::string& date,
                         bool nad27Input);

inline bool pageHeaderDue(long long n) { return n % 50 == 0; }

struct GeographicListing {
    std::string province;
    std::string name;
    int latDegrees = 0;
    int latMinutes = 0;
    double latSeconds = 0.0;
    int lonDegrees = 0;
    int lonMinutes = 0;
    double lonSeconds = 0.0;
    int zone = 0;
};

std::string geographicListingLine(const GeographicListing& l);
// The same line built in `line` (no allocation); the view lasts until its next use.
std::string_view geographicListingLine(records::LineBuilder& line, const GeographicListing& l);
std::string gridListingLine(const std::string& province, const GridStation& s, char unit, int zone);
// The same line built in `line` (no allocation); the view lasts until its next use.
std::string_view gridListingLine(records::LineBuilder& line, const std::string& province, const GridStation& s,
                                 char unit, int zone);

}  // namespace orvandel
