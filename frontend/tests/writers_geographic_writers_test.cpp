#include <gtest/gtest.h>

#include "io_test_support.h"
#include "writers/geographic_writers.h"

namespace kartovex {
namespace {

using iotest::IoTest;

class GeoWritersTest : public IoTest {
 protected:
  void SetUp() override {
    IoTest::SetUp();
    run.fromForm = CoordForm::LL;
    settings.iniPath = root + "KARTOVEX.INI";
    iotest::WriteFile(settings.iniPath,
                      "[SETUP]\r\nNS 4 Central Meridian quillon27 MTM=61.5\r\n"
                      "NS 5 Central Meridian quillon27 MTM=64.5\r\n");
  }
};

TEST_F(GeoWritersTest, TransformLlNormalisesAngles) {
  Input("P2,45,5,3.2,66,7,12\n");
  ASSERT_TRUE(intoTransform_LL(ctx));
  EXPECT_EQ(BinInput(), std::vector<std::string>{"         P2 45 05 03.20000 66 07 12.00000"});
}

TEST_F(GeoWritersTest, Quillon27LlAndLumbrixLayouts) {
  Input("P2,45,5,3.2,66,7,12\n");
  ASSERT_TRUE(IntoQuillon27_LL(ctx));
  EXPECT_EQ(WorkInput(), std::vector<std::string>{"450503.20000660712.00000P2"});
  ASSERT_TRUE(IntoLumbrix_LL(ctx));
  EXPECT_EQ(WorkInput(), std::vector<std::string>{"'P2',45,05,03.20000,66,07,12.00000"});
}

TEST_F(GeoWritersTest, VesperanLlCarriesTheMeridianOnlyInNovaScotia) {
  Input("P2,45,5,3.2,66,7,12\n");
  ASSERT_TRUE(IntoVesperan_LL(ctx));
  EXPECT_EQ(WorkInput(), std::vector<std::string>{"       P2 45 05 03.20000 66 07 12.00000"});
  settings.province = Province::NS;
  settings.mtmZone = MtmZone::Zone5;
  ASSERT_TRUE(IntoVesperan_LL(ctx));
  auto lines = WorkInput();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].substr(39, 1), " ");
  EXPECT_EQ(lines[0].substr(40), "64.5");
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(GeoWritersTest, DecimalCommaSecondsAreWrittenWithPoint) {
  settings.decimalSeparator = std::string(",");
  settings.delimiter = std::string(";");
  Input("P2;45;05;3,2;66;07;12\n");
  ASSERT_TRUE(IntoLumbrix_LL(ctx));
  EXPECT_EQ(WorkInput(), std::vector<std::string>{"'P2',45,05,03.20000,66,07,12.00000"});
}

TEST_F(GeoWritersTest, MinutesOfSixtyStopTheConversion) {
  Input("P1,45,5,3.2,66,7,12\nP2,45,60,3.2,66,7,12\nP3,45,5,3.2,66,7,12\n");
  EXPECT_FALSE(IntoVesperan_LL(ctx));
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "Invalid Minutes/File Error");
  EXPECT_EQ(
      m.text,
      "Latitude Minutes must be less than 60! [line 2] (field 3 \"Latitude minutes\": \"60\")");
  EXPECT_EQ(WorkInput().size(), 1u);
}

TEST_F(GeoWritersTest, OutOfBoundsLatitudeIsRejectedWithItsAngle) {
  settings.extents.latLong.NE_LAT = 45.0;
  Input("P1,45,0,0,66,7,12\nP2,44,5,3.2,66,7,12\n");
  ASSERT_TRUE(IntoLumbrix_LL(ctx));
  EXPECT_EQ(WorkInput().size(), 1u);
  EXPECT_EQ(run.errCount(), 1);
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "Invalid Latitude/File Error");
  EXPECT_EQ(m.text,
            "The following Latitude is outside the defined limits in the ini file: 45 00 "
            "00.00000 [line 1]");
}

// No point left to convert is no conversion, for every program.
TEST_F(GeoWritersTest, EveryWriterFailsWhenEveryPointIsOutside) {
  settings.extents.latLong.SW_LON = 66.0;
  Input("P1,45,0,0,66,7,12\n");
  EXPECT_FALSE(intoTransform_LL(ctx));
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(sink.messages[0].title, "Invalid Longitude/File Error");
  EXPECT_EQ(sink.messages[1].text,
            "No point of " + run.inputFile + " can be converted: 1 point(s) rejected.");
  sink.clear();
  EXPECT_FALSE(IntoQuillon27_LL(ctx));
}

TEST_F(GeoWritersTest, FileErrorTextsByWriter) {
  Input("P1,45,5,3.2,66,7,12\nP2,45,5,,66,7,12\n");
  const std::string detail = " [line 2] (field 4 \"Latitude seconds\": \"\")";
  EXPECT_FALSE(intoTransform_LL(ctx));
  EXPECT_EQ(OnlyMessage().text, run.inputFile + " is an invalid input file." + detail);
  sink.clear();
  EXPECT_FALSE(IntoQuillon27_LL(ctx));
  EXPECT_EQ(OnlyMessage().text, run.inputFile + " is an invalid input file." + detail);
  sink.clear();
  EXPECT_FALSE(IntoVesperan_LL(ctx));
  EXPECT_EQ(OnlyMessage().text, run.inputFile + " is an invalid input file." + detail + " ");
  sink.clear();
  EXPECT_FALSE(IntoLumbrix_LL(ctx));
  EXPECT_EQ(OnlyMessage().text,
            run.inputFile + " is an invalid input file." + detail + "\r\nP2,45,5,,66,7,12");
}

TEST_F(GeoWritersTest, NonNumericDegreesAreARunTimeError) {
  Input("P1,4x,5,3.2,66,7,12\n");
  EXPECT_FALSE(IntoLumbrix_LL(ctx));
  EXPECT_EQ(OnlyMessage().text,
            "IntoLumbrix_LL: An error occurred while reformatting your data! [line 1] "
            "(field 2 \"Latitude degrees\": \"4x\")");
}

TEST_F(GeoWritersTest, ExtraTextAfterTheLongitudeSeconds) {
  settings.extraText = true;
  Input("P1,45,5,3.2,66,7,12,by the road\n");
  ASSERT_TRUE(intoTransform_LL(ctx));
  EXPECT_EQ(extraTexts.FindExtraText("P1"), "by the road");
  EXPECT_EQ(BinInput()[0].size(), 41u);
}

}  // namespace
}  // namespace kartovex
