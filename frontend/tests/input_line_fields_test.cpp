#include <gtest/gtest.h>

#include "input/line_fields.h"
#include "input/parse_utm_coord.h"
#include "messages/recording_sink.h"

namespace kartovex {
namespace {

FrontEndSettings Options(const std::string& order, const std::string& delimiter, bool extra) {
  FrontEndSettings s;
  s.fieldOrder = order;
  s.delimiter = delimiter;
  s.extraText = extra;
  return s;
}

TEST(SplitGridLineTest, OrderEnAssignsEastFirst) {
  auto f = SplitGridLine("P1,2500000,7400000", Options("EN", ",", false));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->id, "P1");
  EXPECT_EQ(f->east, "2500000");
  EXPECT_EQ(f->north, "7400000");
}

TEST(SplitGridLineTest, OrderNeAssignsNorthFirst) {
  auto f = SplitGridLine("P1,7400000,2500000", Options("NE", ",", false));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->east, "2500000");
  EXPECT_EQ(f->north, "7400000");
}

TEST(SplitGridLineTest, FourthFieldDroppedWithoutExtraText) {
  auto f = SplitGridLine("P1,1,2,house,corner", Options("EN", ",", false));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->north, "2");
  EXPECT_EQ(f->extra, "");
}

TEST(SplitGridLineTest, ExtraTextKeepsItsDelimiters) {
  auto f = SplitGridLine("P1,1,2,house,corner", Options("EN", ",", true));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->north, "2");
  EXPECT_EQ(f->extra, "house,corner");
}

TEST(SplitGridLineTest, MissingDelimiterAfterFirstCoordinateIsInvalid) {
  EXPECT_FALSE(SplitGridLine("P1,2500000", Options("EN", ",", false)));
  EXPECT_FALSE(SplitGridLine("P1", Options("EN", ",", true)));
  EXPECT_TRUE(SplitGridLine("P1,1,2", Options("EN", ",", true)));
}

TEST(SplitGridLineTest, BlanksAndEmptyFieldsStay) {
  auto f = SplitGridLine(" P1 ,,2", Options("EN", ",", false));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->id, " P1 ");
  EXPECT_EQ(f->east, "");
}

TEST(SplitGridLineTest, MultiCharacterAndTabDelimiters) {
  auto f = SplitGridLine("P1::1::2", Options("EN", "::", false));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->east, "1");
  EXPECT_EQ(f->north, "2");
  auto t = SplitGridLine("P1\t1\t2", Options("EN", "\t", false));
  ASSERT_TRUE(t);
  EXPECT_EQ(t->north, "2");
}

TEST(SplitGeoLineTest, SixAnglesThenExtra) {
  auto f = SplitGeoLine("P2,45,5,3.2,66,7,12,on the hill", Options("EN", ",", true));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->latDeg, "45");
  EXPECT_EQ(f->latMin, "5");
  EXPECT_EQ(f->latSec, "3.2");
  EXPECT_EQ(f->lonDeg, "66");
  EXPECT_EQ(f->lonMin, "7");
  EXPECT_EQ(f->lonSec, "12");
  EXPECT_EQ(f->extra, "on the hill");
  // The longitude seconds need no delimiter after them, the minutes do.
  EXPECT_TRUE(SplitGeoLine("P2,45,5,3.2,66,7,12", Options("EN", ",", false)));
  EXPECT_FALSE(SplitGeoLine("P2,45,5,3.2,66,7", Options("EN", ",", false)));
}

TEST(SplitUtmLineTest, ZoneIsTheLastField) {
  auto f = SplitUtmLine("U1,500000,5000000,20,text", Options("EN", ",", true));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->x, "500000");
  EXPECT_EQ(f->y, "5000000");
  EXPECT_EQ(f->zone, "20");
  EXPECT_EQ(f->extra, "text");
  EXPECT_FALSE(SplitUtmLine("U1,500000,5000000", Options("EN", ",", true)));
}

TEST(ParseUtmCoordTest, NormalisesBothCoordinatesByOrder) {
  FrontEndSettings s = Options("NE", ",", false);
  RecordingSink sink;
  MessageService messages(s, sink);
  std::string id, x, y, zone, extra;
  ASSERT_TRUE(parseUTMcoord("U1,5000000.12345,500000,20,x", id, x, y, zone, extra, s, messages));
  EXPECT_EQ(id, "U1");
  EXPECT_EQ(x, "500000.000");
  EXPECT_EQ(y, "5000000.123");
  EXPECT_EQ(zone, "20");
  EXPECT_EQ(extra, "");
  EXPECT_TRUE(sink.messages.empty());
}

TEST(ParseUtmCoordTest, MissingDelimiterFailsWithoutMessage) {
  FrontEndSettings s = Options("EN", ",", false);
  RecordingSink sink;
  MessageService messages(s, sink);
  std::string id, x, y, zone, extra;
  EXPECT_FALSE(parseUTMcoord("U1,500000", id, x, y, zone, extra, s, messages));
  EXPECT_TRUE(sink.messages.empty());
}

TEST(ParseUtmCoordTest, UnconvertibleCoordinateShowsItsRunTimeError) {
  FrontEndSettings s = Options("EN", ",", false);
  s.language = Language::French;
  RecordingSink sink;
  MessageService messages(s, sink);
  std::string id, x, y, zone, extra;
  EXPECT_FALSE(parseUTMcoord("U1,5x0.12345,500000,20", id, x, y, zone, extra, s, messages));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "ERREUR");
  EXPECT_EQ(sink.messages[0].text,
            "parseUTMcoord: Une erreur s'est produite durant le traitement!");
}

}  // namespace
}  // namespace kartovex
