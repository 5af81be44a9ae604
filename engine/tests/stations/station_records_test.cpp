// Reading the station input records by columns.
#include "stations/station_records.h"

#include <gtest/gtest.h>

#include "records/input_conversion_error.h"

namespace orvandel {
namespace {

TEST(StationRecords, OrvandelFormat) {
    const GeographicStation s = parseOrvandelRecord("  STN1      45 30 12.34567 66 15  1.00000  123.456");
    EXPECT_EQ(s.name, "STN1     ");
    EXPECT_EQ(s.latDegrees, 45);
    EXPECT_EQ(s.latMinutes, 30);
    EXPECT_EQ(s.latSeconds, 12.34567F);
    EXPECT_EQ(s.lonDegrees, 66);
    EXPECT_EQ(s.lonMinutes, 15);
    EXPECT_EQ(s.lonSeconds, 1.0F);
    EXPECT_DOUBLE_EQ(s.elevation, 123.456);
}

TEST(StationRecords, SecondsWithoutPointTakeFiveDecimals) {
    const GeographicStation s = parseOrvandelRecord("  STN1      45 30  1234567 66 15   100000");
    EXPECT_EQ(s.latSeconds, 12.34567F);
    EXPECT_EQ(s.lonSeconds, 1.0F);
    EXPECT_DOUBLE_EQ(s.elevation, 0.0);
}

TEST(StationRecords, GhostFormat) {
    std::string line(79, ' ');
    line.replace(6, 9, "GHOSTSTN1");
    line.replace(40, 14, "46 14 5.123456");
    line.replace(55, 15, " 63  8 2.000001");
    line.replace(70, 9, "   10.500");
    const GeographicStation s = parseGhostRecord(line);
    EXPECT_EQ(s.name, "GHOSTSTN1");
    EXPECT_EQ(s.latDegrees, 46);
    EXPECT_EQ(s.latMinutes, 14);
    EXPECT_EQ(s.latSeconds, 5.123456F);
    EXPECT_EQ(s.lonDegrees, 63);
    EXPECT_EQ(s.lonMinutes, 8);
    EXPECT_EQ(s.lonSeconds, 2.000001F);
    EXPECT_DOUBLE_EQ(s.elevation, 10.5);
}

TEST(StationRecords, GridRecords) {
    const GridStation f = parseGridFileRecord("FREDERICT   800720.170   966016.190   12.500");
    EXPECT_EQ(f.name, "FREDERICT");
    EXPECT_DOUBLE_EQ(f.northing, 800720.17);
    EXPECT_DOUBLE_EQ(f.easting, 966016.19);
    EXPECT_DOUBLE_EQ(f.elevation, 12.5);
    const GridStation k = parseGridKeyboardRecord(" FREDERICT    800720.170     966016190     12.500");
    EXPECT_EQ(k.name, "FREDERICT");
    EXPECT_DOUBLE_EQ(k.northing, 800720.17);
    EXPECT_DOUBLE_EQ(k.easting, 966016.19);  // implied 3 decimals
    EXPECT_DOUBLE_EQ(k.elevation, 12.5);
}

TEST(StationRecords, ShortAndEmptyLinesReadAsBlanks) {
    const GeographicStation s = parseOrvandelRecord("");
    EXPECT_TRUE(isBlankName(s.name));
    EXPECT_EQ(s.latDegrees, 0);
    const GridStation g = parseGridFileRecord("ABC");
    EXPECT_EQ(g.name, "ABC      ");
    EXPECT_DOUBLE_EQ(g.northing, 0.0);
}

TEST(StationRecords, MalformedNumbersAreInputConversionErrors) {
    EXPECT_THROW(parseOrvandelRecord("  STN1      4X 30 12.34567 66 15  1.00000"), records::InputConversionError);
    EXPECT_THROW(parseGridFileRecord("STN1        80072O.170   966016.190"), records::InputConversionError);
}

// Writing follows the same tables, so a written record reads back whole.
TEST(StationRecords, WrittenRecordsReadBack) {
    GeographicStation g;
    g.name = "STN1     ";
    g.latDegrees = 45;
    g.latMinutes = 30;
    g.latSeconds = 12.34567F;
    g.lonDegrees = 66;
    g.lonMinutes = 15;
    g.lonSeconds = 1.5F;
    g.elevation = 123.456;
    EXPECT_EQ(formatOrvandelRecord(g), "  STN1      45 30 12.34567 66 15  1.50000   123.456");
    for (const GeographicStation& back :
         {parseOrvandelRecord(formatOrvandelRecord(g)), parseGhostRecord(formatGhostRecord(g))}) {
        EXPECT_EQ(back.name, g.name);
        EXPECT_EQ(back.latMinutes, 30);
        EXPECT_EQ(back.latSeconds, g.latSeconds);
        EXPECT_EQ(back.lonDegrees, 66);
        EXPECT_EQ(back.lonSeconds, g.lonSeconds);
        EXPECT_DOUBLE_EQ(back.elevation, 123.456);
    }
    GridStation s;
    s.name = "FREDERICT";
    s.northing = 800720.17;
    s.easting = 966016.19;
    s.elevation = 12.5;
    EXPECT_EQ(formatGridFileRecord(s), "FREDERICT   800720.170   966016.190   12.500");
    for (const GridStation& back :
         {parseGridFileRecord(formatGridFileRecord(s)), parseGridKeyboardRecord(formatGridKeyboardRecord(s))}) {
        EXPECT_EQ(back.name, s.name);
        EXPECT_DOUBLE_EQ(back.northing, s.northing);
        EXPECT_DOUBLE_EQ(back.easting, s.easting);
        EXPECT_DOUBLE_EQ(back.elevation, s.elevation);
    }
}

}  // namespace
}  // namespace orvandel
