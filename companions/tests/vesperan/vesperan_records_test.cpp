#include "vesperan/vesperan_records.h"

#include <gtest/gtest.h>

#include "record_layouts.h"

namespace vesperan {
namespace {

using namespace companion_test;

TEST(VesperanGridRecord, ReadsTheIntoVesperanEnLayout) {
  const auto record = parseGridRecord(intoVesperanEN("P1", 7400000.0, 2500000.0));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->identifier, "P1");
  EXPECT_DOUBLE_EQ(record->northing, 7400000.0);
  EXPECT_DOUBLE_EQ(record->easting, 2500000.0);
}

TEST(VesperanGridRecord, ReadsOrvandelsTrnCordWithItsElevation) {
  // TRN_CORD.DAT: name 1-9, northing 10-22, easting 23-35, elevation 36-44.
  const auto record = parseGridRecord("MONCTON    765432.123   345678.987   12.345");
  ASSERT_TRUE(record);
  EXPECT_EQ(record->identifier, "MONCTON");
  EXPECT_DOUBLE_EQ(record->northing, 765432.123);
  EXPECT_DOUBLE_EQ(record->easting, 345678.987);
  EXPECT_DOUBLE_EQ(record->elevation, 12.345);
  EXPECT_FALSE(parseGridRecord("MONCTON    765432.123   345678.987   12.3x5"));
  EXPECT_FALSE(parseGridRecord("MONCTON    765432.123   345678.987   12.345 more"));
}

TEST(VesperanGridRecord, RejectsBrokenRecords) {
  EXPECT_FALSE(parseGridRecord(""));
  EXPECT_FALSE(parseGridRecord("       P1"));
  EXPECT_FALSE(parseGridRecord("       P1  7400000.000"));
  EXPECT_FALSE(parseGridRecord("       P1  74000x0.000  2500000.000"));
  EXPECT_FALSE(parseGridRecord(intoVesperanEN("P1", 1, 2) + " extra"));
  EXPECT_FALSE(parseGridRecord(intoVesperanEN("", 1, 2)));
}

TEST(VesperanUtmRecord, ReadsZoneAndCoordinatesFromTheirColumns) {
  const std::string line = intoVesperanXY("P1", 20, 355000.5, 5012345.25);
  ASSERT_EQ(line.substr(50, 2), "20");
  ASSERT_EQ(line.substr(58, 10), "355000.500");
  const auto record = parseUtmRecord(line);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->identifier, "P1");
  EXPECT_EQ(record->zone, 20);
  EXPECT_DOUBLE_EQ(record->x, 355000.5);
  EXPECT_DOUBLE_EQ(record->y, 5012345.25);
}

TEST(VesperanUtmRecord, RejectsBrokenRecords) {
  EXPECT_FALSE(parseUtmRecord(""));
  EXPECT_FALSE(parseUtmRecord(" 04          P1"));
  std::string line = intoVesperanXY("P1", 20, 355000.5, 5012345.25);
  EXPECT_FALSE(parseUtmRecord(line + " 7"));
  line[20] = 'x';
  EXPECT_FALSE(parseUtmRecord(line));
  EXPECT_FALSE(parseUtmRecord(intoVesperanXY("P1", 20, 355000.5, 5012345.25).substr(0, 69)));
}

TEST(VesperanGeographicRecord, ReadsTheIntoVesperanLlLayout) {
  const std::string line = intoVesperanLL("P1", 45.0 + 5.0 / 60 + 3.2 / 3600, 66.12);
  EXPECT_EQ(line.size(), 39u);  // New Brunswick: ends after the longitude seconds
  const auto record = parseVesperanGeographic(line);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->identifier, "P1");
  EXPECT_NEAR(record->latitude, 45.0 + 5.0 / 60 + 3.2 / 3600, 1e-12);
  EXPECT_NEAR(record->longitudeWest, 66.12, 1e-12);
  EXPECT_FALSE(record->centralMeridian);
}

TEST(VesperanGeographicRecord, NovaScotiaRecordCarriesTheMeridianFromColumn41) {
  const std::string line = intoVesperanLL("N1", 45.5, 63.5, "61.5");
  EXPECT_EQ(line.substr(40), "61.5");
  const auto record = parseVesperanGeographic(line);
  ASSERT_TRUE(record);
  ASSERT_TRUE(record->centralMeridian);
  EXPECT_DOUBLE_EQ(*record->centralMeridian, 61.5);
}

TEST(VesperanGeographicRecord, RejectsBrokenRecords) {
  EXPECT_FALSE(parseVesperanGeographic(""));
  EXPECT_FALSE(parseVesperanGeographic(intoVesperanLL("P1", 45.5, 66.0).substr(0, 30)));
  EXPECT_FALSE(parseVesperanGeographic(intoVesperanLL("P1", 45.5, 66.0, "6x")));
  std::string minutes = intoVesperanLL("P1", 45.5, 66.0);
  minutes.replace(13, 2, "61");
  EXPECT_FALSE(parseVesperanGeographic(minutes));
  EXPECT_FALSE(parseVesperanGeographic(intoVesperanLL("P1", 0.0, 66.0)));
}

TEST(VesperanLumbrixNew, ReadsTheNewFileColumns) {
  const std::string line = lumbrixNew("P7", 46.0 + 1.0 / 60 + 2.5 / 3600, 64.25);
  EXPECT_EQ(line.substr(40, 2), "46");
  EXPECT_EQ(line.substr(46, 8), "02.50000");
  EXPECT_EQ(line.substr(62, 8), "00.00000");
  const auto record = parseLumbrixNew(line);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->identifier, "P7");
  EXPECT_NEAR(record->latitude, 46.0 + 1.0 / 60 + 2.5 / 3600, 1e-12);
  EXPECT_NEAR(record->longitudeWest, 64.25, 1e-12);
}

TEST(VesperanLumbrixNew, RejectsBrokenRecords) {
  EXPECT_FALSE(parseLumbrixNew(""));
  EXPECT_FALSE(parseLumbrixNew(lumbrixNew("P7", 46.0, 64.25).substr(0, 60)));
  EXPECT_FALSE(parseLumbrixNew(lumbrixNew("", 46.0, 64.25)));
}

}  // namespace
}  // namespace vesperan
