// The result table lines and the two coordinate files.
#include "output/output_tables.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orvandel {
namespace {

GridRecord station(char unit) {
    GridRecord g;
    g.province = "NB ";
    g.name = "FREDERICT";
    g.northing = 800720.17;
    g.easting = 966016.19;
    g.unit = unit;
    g.elevation = 12.5;
    return g;
}

StationResult result() {
    StationResult r;
    r.gridNorthing = 739246.109;
    r.gridEasting = 289678.524;
    r.metricNorthing = 244072.55;
    r.metricEasting = 294405.251;
    r.utmNorthing = 5091582.49;
    r.utmEasting = 683423.782;
    r.utmZone = 19;
    return r;
}

TEST(OutputTables, ToAts77Line) {
    const std::string s = toAts77Line(station('F'), result());
    EXPECT_EQ(s,
              " FREDERICT  NB      800720.17     966016.19     F       739246.109    289678.524"
              "    5091582.490    683423.782   19");
    EXPECT_EQ(s.size(), 114u);
}

TEST(OutputTables, ToNad27Line) {
    const std::string s = toNad27Line(station('R'), result());
    EXPECT_EQ(s.substr(1, 9), "FREDERICT");
    EXPECT_EQ(s.substr(12, 3), "NB ");
    EXPECT_EQ(s.substr(17, 12), "  800720.170");
    EXPECT_EQ(s.substr(31, 12), "  966016.190");
    EXPECT_EQ(s.substr(48, 1), "R");
    EXPECT_EQ(s.substr(51, 12), "   739246.11");
    EXPECT_EQ(s.substr(65, 12), "   289678.52");
    EXPECT_EQ(s.substr(77, 12), "  244072.550");
    EXPECT_EQ(s.substr(89, 12), "  294405.251");
    EXPECT_EQ(s.substr(103, 12), " 5091582.490");
    EXPECT_EQ(s.substr(115, 12), "  683423.782");
    EXPECT_EQ(s.substr(127), "  19");
}

TEST(OutputTables, NotTransformedLine) {
    const std::string s = notTransformedLine(station('M'));
    EXPECT_EQ(s.substr(1, 9), "FREDERICT");
    EXPECT_EQ(s.substr(14, 3), "NB ");
    EXPECT_EQ(s.substr(17, 14), "    800720.170");
    EXPECT_EQ(s.substr(31, 14), "    966016.190");
    EXPECT_EQ(s.substr(50, 1), "M");
    EXPECT_EQ(s.substr(87), "THIS POINT WAS NOT TRANSFORMED");
}

TEST(OutputTables, CoordinateRecordDecimalsByDirection) {
    EXPECT_EQ(coordinateRecord(station('F'), result(), false), "FREDERICT   739246.109   289678.524   12.500");
    EXPECT_EQ(coordinateRecord(station('R'), result(), true), "FREDERICT    739246.11    289678.52   12.500");
}

TEST(OutputTables, GhostRecordShowsSinglePrecisionSeconds) {
    TransformedRecord t;
    t.name = "FREDERICT";
    t.latDegrees = 45;
    t.latMinutes = 57;
    t.latSeconds = 11.9251;
    t.lonDegrees = 66;
    t.lonMinutes = 7;
    t.lonSeconds = 59.30528;
    const std::string s = ghostRecord(station('F'), t);
    EXPECT_EQ(s, " 04      FREDERICT                     N45 5711.925100W 66  759.305279   12.500");
    EXPECT_EQ(s.substr(39, 1), "N");
    EXPECT_EQ(s.substr(54, 1), "W");
}

TEST(OutputTables, PageHeaders) {
    std::ostringstream report, screen;
    const std::string title = "T" + std::string(79, ' ');
    writeResultPageHeader(report, true, false, title, "07-DEC-2026");
    writeResultPageHeader(screen, false, true, title, "07-DEC-2026");
    EXPECT_EQ(report.str().substr(0, 3), "\f  ");
    EXPECT_NE(report.str().find(std::string(48, ' ') + "TRANSFORMATION TO ATS77 VALUES\n\n"), std::string::npos);
    EXPECT_NE(report.str().find(" NUMBER    CODE" + std::string(31, ' ') +
                                "CODE       (METERS)      (METERS)       (METRES)       (METRES) ZONE\n\n"),
              std::string::npos);
    EXPECT_EQ(screen.str().substr(0, 18), "\n\n\n\n\n\n\n          T");
    EXPECT_NE(screen.str().find("(METRES)    (METRTES) ZONE\n\n"), std::string::npos);
}

}  // namespace
}  // namespace orvandel
