#include <gtest/gtest.h>

#include "input/point_checks.h"
#include "messages/recording_sink.h"

namespace kartovex {
namespace {

GeoFields Geo(const std::string& latDeg, const std::string& latMin, const std::string& latSec,
              const std::string& lonDeg, const std::string& lonMin, const std::string& lonSec,
              const std::string& id = "P2") {
  GeoFields f;
  f.id = id;
  f.latDeg = latDeg;
  f.latMin = latMin;
  f.latSec = latSec;
  f.lonDeg = lonDeg;
  f.lonMin = lonMin;
  f.lonSec = lonSec;
  return f;
}

TEST(GridPointValidTest, IdentifierLength) {
  EXPECT_TRUE(GridPointValid("P1", "123", "456"));
  EXPECT_TRUE(GridPointValid("12345678", "123", "456"));
  EXPECT_FALSE(GridPointValid("123456789", "123", "456"));
  EXPECT_FALSE(GridPointValid("", "123", "456"));
}

TEST(GridPointValidTest, CoordinateLength) {
  EXPECT_FALSE(GridPointValid("P1", "12", "456"));
  EXPECT_FALSE(GridPointValid("P1", "123", "12"));
  EXPECT_TRUE(GridPointValid("P1", "1234567.123", "456"));
  EXPECT_FALSE(GridPointValid("P1", "12345678.123", "456"));
}

TEST(NormaliseGeoFieldsTest, SecondsWithoutDecimalsArePadded) {
  GeoFields f = Geo("45", "5", "3.2", "66", "7", "12");
  ASSERT_TRUE(NormaliseGeoFields(f, "."));
  EXPECT_EQ(f.latMin, "05");
  EXPECT_EQ(f.latSec, "03.20000");
  EXPECT_EQ(f.lonMin, "07");
  EXPECT_EQ(f.lonSec, "12.00000");
}

TEST(NormaliseGeoFieldsTest, DecimalCommaSeconds) {
  GeoFields f = Geo("45", "05", "3,2", "66", "07", "12");
  ASSERT_TRUE(NormaliseGeoFields(f, ","));
  EXPECT_EQ(f.latSec, "03,20000");
  EXPECT_EQ(f.lonSec, "12,00000");
}

TEST(NormaliseGeoFieldsTest, ZeroDegreesBecomeTwoDigits) {
  GeoFields f = Geo("0", "05", "03.2", "66", "07", "12.5");
  ASSERT_TRUE(NormaliseGeoFields(f, "."));
  EXPECT_EQ(f.latDeg, "00");
}

TEST(NormaliseGeoFieldsTest, LengthChecks) {
  GeoFields oneDigitDegrees = Geo("5", "05", "03.2", "66", "07", "12");
  EXPECT_FALSE(NormaliseGeoFields(oneDigitDegrees, "."));
  GeoFields emptyMinutes = Geo("45", "", "03.2", "66", "07", "12");
  EXPECT_FALSE(NormaliseGeoFields(emptyMinutes, "."));
  GeoFields longMinutes = Geo("45", "005", "03.2", "66", "07", "12");
  EXPECT_FALSE(NormaliseGeoFields(longMinutes, "."));
  GeoFields longSeconds = Geo("45", "05", "03.123456", "66", "07", "12");
  EXPECT_FALSE(NormaliseGeoFields(longSeconds, "."));
  GeoFields shortSeconds = Geo("45", "05", ".5", "66", "07", "12");
  EXPECT_FALSE(NormaliseGeoFields(shortSeconds, "."));
  GeoFields longId = Geo("45", "05", "03.2", "66", "07", "12", "123456789");
  EXPECT_FALSE(NormaliseGeoFields(longId, "."));
  GeoFields emptyId = Geo("45", "05", "03.2", "66", "07", "12", "");
  EXPECT_FALSE(NormaliseGeoFields(emptyId, "."));
}

TEST(NormaliseGeoFieldsTest, EightCharacterSecondsStay) {
  GeoFields f = Geo("45", "05", "03.12345", "66", "07", "12.12345");
  ASSERT_TRUE(NormaliseGeoFields(f, "."));
  EXPECT_EQ(f.latSec, "03.12345");
}

TEST(NormaliseGeoFieldsTest, AtMostFourZerosAreAppended) {
  GeoFields f = Geo("45", "05", "10.", "66", "07", "12.5");
  ASSERT_TRUE(NormaliseGeoFields(f, "."));
  EXPECT_EQ(f.latSec, "10.0000");
  EXPECT_EQ(f.lonSec, "12.50000");
}

TEST(CheckGeoAnglesTest, DecimalDegrees) {
  GeoFields f = Geo("45", "30", "00.00000", "66", "15", "36.00000");
  GeoAngles a = CheckGeoAngles(f, ".");
  EXPECT_EQ(a.status, AngleStatus::Ok);
  EXPECT_DOUBLE_EQ(a.latitude, 45.5);
  EXPECT_DOUBLE_EQ(a.longitude, 66.26);
}

TEST(CheckGeoAnglesTest, SixtyIsTooMuch) {
  EXPECT_EQ(CheckGeoAngles(Geo("45", "60", "00.0", "66", "15", "36.0"), ".").status,
            AngleStatus::LatMinutes);
  EXPECT_EQ(CheckGeoAngles(Geo("45", "59", "60.0", "66", "15", "36.0"), ".").status,
            AngleStatus::LatSeconds);
  EXPECT_EQ(CheckGeoAngles(Geo("45", "59", "59.9", "66", "61", "36.0"), ".").status,
            AngleStatus::LonMinutes);
  EXPECT_EQ(CheckGeoAngles(Geo("45", "59", "59.9", "66", "59", "60.00000"), ".").status,
            AngleStatus::LonSeconds);
  EXPECT_EQ(CheckGeoAngles(Geo("4x", "59", "59.9", "66", "59", "6.0"), ".").status,
            AngleStatus::NotANumber);
  EXPECT_EQ(CheckGeoAngles(Geo("45", "05", "03,20000", "66", "07", "12,00000"), ",").status,
            AngleStatus::Ok);
}

TEST(ShowAngleErrorTest, TextsInBothLanguages) {
  FrontEndSettings s;
  RecordingSink sink;
  MessageService messages(s, sink);
  ShowAngleError(messages, AngleStatus::LonSeconds);
  s.language = Language::French;
  ShowAngleError(messages, AngleStatus::LatMinutes);
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(sink.messages[0].title, "Invalid Seconds/File Error");
  EXPECT_EQ(sink.messages[0].text, "Longitude Seconds must be less than 60!");
  EXPECT_EQ(sink.messages[1].title, "Minutes non conformes/Erreur de fichier");
  EXPECT_EQ(sink.messages[1].text, "Les minutes de Latitude devront être < 60!");
}

}  // namespace
}  // namespace kartovex
