// The input listing of ORVANDEL.OUT.
#include "stations/input_listing.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orvandel {
namespace {

const std::string kTitle = "LISTING" + std::string(73, ' ');

TEST(InputListing, FirstPageStartsWithABlankLaterOnesWithAFormFeed) {
    std::ostringstream first, later;
    writeGeographicPageHeader(first, 0, kTitle, "07-DEC-2026", true);
    writeGeographicPageHeader(later, 50, kTitle, "07-DEC-2026", true);
    EXPECT_EQ(first.str().substr(0, 8), " LISTING");
    EXPECT_EQ(later.str().substr(0, 8), "\fLISTING");
    EXPECT_EQ(first.str().substr(81, 17), " DATE 07-DEC-2026");
    EXPECT_TRUE(pageHeaderDue(0));
    EXPECT_TRUE(pageHeaderDue(50));
    EXPECT_FALSE(pageHeaderDue(49));
}

TEST(InputListing, GeographicHeaderLines) {
    std::ostringstream out;
    writeGeographicPageHeader(out, 0, kTitle, "07-DEC-2026", false);
    std::istringstream in(out.str());
    std::string l;
    std::vector<std::string> lines;
    while (std::getline(in, l)) lines.push_back(l);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[2],
              "    *****  GEOGRAPHICS  TO  BE  TRANSFORMED  FROM  THE  1977  DATUM  TO  THE  1927  DATUM  *****");
    EXPECT_EQ(lines[4].find("PROVINCE"), 1u);
    EXPECT_EQ(lines[4].find("STATION"), 17u);
    EXPECT_EQ(lines[4].find("LATITUDE"), 31u);
    EXPECT_EQ(lines[4].find("LONGITUDE"), 61u);
    EXPECT_EQ(lines[4].find("ZONE"), 91u);
    EXPECT_EQ(lines[5], std::string(27, ' ') + "DEG  MIN     SEC             DEG   MIN     SEC");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "");
}

TEST(InputListing, GridHeaderHasABlankLineOnlyForNad27Input) {
    std::ostringstream nad27, ats77;
    writeGridPageHeader(nad27, 0, kTitle, "07-DEC-2026", true);
    writeGridPageHeader(ats77, 0, kTitle, "07-DEC-2026", false);
    EXPECT_EQ(nad27.str().substr(0, 10), "   LISTING");
    const std::string columns =
        std::string(30, ' ') + "PROVINCE       STATION        NORTHING        EASTING        UNITS  ZONE\n";
    EXPECT_EQ(nad27.str().substr(nad27.str().size() - columns.size() - 1), columns + "\n");
    EXPECT_EQ(ats77.str().substr(ats77.str().size() - columns.size()), columns);
    EXPECT_NE(ats77.str().find(
                  std::string(18, ' ') +
                  "***** PROVINCIAL GRID 'COORDINATES TO BE TRANSFORMED FROM THE 1977 DATUM 'TO THE 1927 DATUM *****"),
              std::string::npos);
}

TEST(InputListing, GeographicLineColumns) {
    GeographicListing l;
    l.province = "NS ";
    l.name = "HALIFAX  ";
    l.latDegrees = 44;
    l.latMinutes = 39;
    l.latSeconds = 0.5;
    l.lonDegrees = 63;
    l.lonMinutes = 5;
    l.lonSeconds = 10.12345;
    l.zone = 5;
    const std::string s = geographicListingLine(l);
    EXPECT_EQ(s.substr(7, 3), "NS ");
    EXPECT_EQ(s.substr(17, 9), "HALIFAX  ");
    EXPECT_EQ(s.substr(27, 2), "44");
    EXPECT_EQ(s.substr(33, 2), "39");
    EXPECT_EQ(s.substr(39, 7), " 0.5000");
    EXPECT_EQ(s.substr(57, 2), "63");
    EXPECT_EQ(s.substr(63, 2), " 5");
    EXPECT_EQ(s.substr(69, 7), "10.1235");
    EXPECT_EQ(s.substr(93), "5");
}

TEST(InputListing, GridLineColumns) {
    GridStation g;
    g.name = "SYDNEY   ";
    g.northing = 16769669.02;
    g.easting = 1331643.7;
    const std::string s = gridListingLine("NS ", g, 'F', 4);
    EXPECT_EQ(s.substr(32, 3), "NS ");
    EXPECT_EQ(s.substr(46, 9), "SYDNEY   ");
    EXPECT_EQ(s.substr(56, 15), "   16769669.020");
    EXPECT_EQ(s.substr(71, 15), "    1331643.700");
    EXPECT_EQ(s.substr(93, 1), "F");
    EXPECT_EQ(s.substr(99), " 4");
}

}  // namespace
}  // namespace orvandel
