// TEMP1.DAT and TEMP2.DAT record layouts.
#include "stations/work_records.h"

#include <gtest/gtest.h>

namespace orvandel {
namespace {

TEST(WorkRecords, GeographicRecordColumns) {
    GeographicRecord r;
    r.name = "STN1     ";
    r.latDegrees = 45;
    r.latMinutes = 30;
    r.latSeconds = 12.34567F;
    r.lonDegrees = 66;
    r.lonMinutes = 15;
    r.lonSeconds = 1.0F;
    r.elevation = 12.5;
    const std::string line = formatGeographicRecord(r);
    EXPECT_EQ(line, " STN1     45.030.012.34567   66.015.0 1.00000      12.500");
    EXPECT_EQ(line.substr(10, 4), "45.0");
    EXPECT_EQ(line.substr(14, 4), "30.0");
    EXPECT_EQ(line.substr(29, 4), "66.0");
    EXPECT_EQ(line.substr(33, 4), "15.0");
    const GeographicRecord back = parseGeographicRecord(line);
    EXPECT_EQ(back.name, r.name);
    EXPECT_DOUBLE_EQ(back.latMinutes, 30.0);
    EXPECT_DOUBLE_EQ(back.latSeconds, 12.34567);
    EXPECT_DOUBLE_EQ(back.lonSeconds, 1.0);
    EXPECT_DOUBLE_EQ(back.elevation, 12.5);
}

TEST(WorkRecords, ParameterRecords) {
    EXPECT_EQ(formatParameterRecord(1), "991 69.5 59.0 43.0 48.50.0090.900           1");
    EXPECT_EQ(formatParameterRecord(6), "992 69.5 59.0 43.0 48.50.0090.900           6");
    const ParameterRecord p = parseParameterRecord(formatParameterRecord(5));
    EXPECT_EQ(p.code, 99);
    EXPECT_EQ(p.direction, 2);
    EXPECT_DOUBLE_EQ(p.lonLimit1, 69.5);
    EXPECT_DOUBLE_EQ(p.lonLimit2, 59.0);
    EXPECT_DOUBLE_EQ(p.latLimit1, 43.0);
    EXPECT_DOUBLE_EQ(p.latLimit2, 48.5);
    EXPECT_DOUBLE_EQ(p.spacing, 0.009);
    EXPECT_DOUBLE_EQ(p.radiusMargin, 0.9);
    EXPECT_EQ(p.transformation, 5);
}

TEST(WorkRecords, GridRecordColumns) {
    GridRecord r;
    r.province = "NS ";
    r.name = "HALIFAX  ";
    r.northing = 4945975.004;
    r.easting = 5572487.182;
    r.unit = 'R';
    r.zone = 5;
    r.elevation = 25.0;
    const std::string three = formatGridRecord(r, 3);
    EXPECT_EQ(three, "NS HALIFAX   4945975.004 5572487.182   R    5     25.000");
    EXPECT_EQ(three[39], 'R');
    EXPECT_EQ(formatGridRecord(r, 2).substr(12, 24), "  4945975.00  5572487.18");
    const GridRecord back = parseGridRecord(three);
    EXPECT_EQ(back.province, "NS ");
    EXPECT_EQ(back.name, "HALIFAX  ");
    EXPECT_DOUBLE_EQ(back.northing, 4945975.004);
    EXPECT_EQ(back.unit, 'R');
    EXPECT_EQ(back.zone, 5);
    EXPECT_DOUBLE_EQ(back.elevation, 25.0);
}

}  // namespace
}  // namespace orvandel
