#include <gtest/gtest.h>

#include "io_test_support.h"
#include "writers/utm_writers.h"

namespace kartovex {
namespace {

using iotest::IoTest;

class UtmWritersTest : public IoTest {
 protected:
  void SetUp() override {
    IoTest::SetUp();
    run.fromForm = CoordForm::XY;
    settings.utmZone = UtmZone::None;
  }
};

TEST_F(UtmWritersTest, TransformXyWritesYThenXWithoutZone) {
  Input("U1,500000,5000000.12345,20\n");
  ASSERT_TRUE(IntoTransform_XY(ctx));
  EXPECT_EQ(BinInput(), std::vector<std::string>{"U1       " + std::string(2, ' ') +
                                                 "5000000.123   500000.000"});
  EXPECT_EQ(settings.utmZone, UtmZone::Zone20);
}

TEST_F(UtmWritersTest, TransformXyRefusesASecondZone) {
  Input("U1,500000,5000000,20\nU2,500000,5000000,21\n");
  EXPECT_FALSE(IntoTransform_XY(ctx));
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "ERROR");
  EXPECT_EQ(
      m.text,
      "IntoTransform_XY: An error occurred while reformatting your data (Zones mismatch)! [line 2] "
      "(field 4 \"Zone\": \"21\")");
  EXPECT_EQ(BinInput().size(), 1u);
}

TEST_F(UtmWritersTest, TransformXyComparesWithAZoneAlreadySet) {
  settings.utmZone = UtmZone::Zone19;
  settings.language = Language::French;
  Input("U1,500000,5000000,20\n");
  EXPECT_FALSE(IntoTransform_XY(ctx));
  EXPECT_EQ(OnlyMessage().text,
            "IntoTransform_XY: Une erreur s'est produite en restructurant vos données ( Zones "
            "mal assortis) [ligne 1] (champ 4 « Zone » : « 20 »)");
}

TEST_F(UtmWritersTest, QuillonTakesTheFirstZoneVesperanKeepsTheZoneSet) {
  Input("U1,500000,5000000,20\nU2,500000,5000000,20\n");
  settings.utmZone = UtmZone::Zone19;
  ASSERT_TRUE(IntoQuillon27_XY(ctx));
  EXPECT_EQ(settings.utmZone, UtmZone::Zone20);
  EXPECT_EQ(WorkInput(), (std::vector<std::string>{"U1      500000.000  5000000.000",
                                                   "U2      500000.000  5000000.000"}));
  settings.utmZone = UtmZone::Zone19;
  ASSERT_TRUE(IntoVesperan_XY(ctx));
  EXPECT_EQ(settings.utmZone, UtmZone::Zone19);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(UtmWritersTest, VesperanAcceptsMixedZones) {
  Input("U1,500000,5000000,20\nU2,500000,5000000,21\n");
  ASSERT_TRUE(IntoVesperan_XY(ctx));
  EXPECT_EQ(settings.utmZone, UtmZone::Zone20);
  auto lines = WorkInput();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].substr(50, 2), "21");
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(UtmWritersTest, VesperanXyColumns) {
  Input("U1,500000,5000000,20\n");
  ASSERT_TRUE(IntoVesperan_XY(ctx));
  auto lines = WorkInput();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].substr(50, 2), "20");
  EXPECT_EQ(lines[0].substr(58, 10), "500000.000");
  EXPECT_EQ(lines[0].substr(69), "5000000.000");
}

TEST_F(UtmWritersTest, NoExtentsCheckForUtm) {
  settings.extents.nad83 = GridExtent{1.0, 1.0, 0.0, 0.0};
  Input("U1,500000,5000000,20\n");
  ASSERT_TRUE(IntoVesperan_XY(ctx));
  EXPECT_EQ(run.errCount(), 0);
}

TEST_F(UtmWritersTest, InvalidLineMessages) {
  Input("U1,500000,5000000\n");
  const std::string detail = " [line 1] (field 4 \"Zone\": missing, delimiter \",\")";
  EXPECT_FALSE(IntoTransform_XY(ctx));
  EXPECT_EQ(OnlyMessage().text, run.inputFile + " is an invalid input file." + detail);
  sink.clear();
  EXPECT_FALSE(IntoQuillon27_XY(ctx));
  EXPECT_EQ(OnlyMessage().text, run.inputFile + " is an invalid input file." + detail);
  sink.clear();
  EXPECT_FALSE(IntoVesperan_XY(ctx));
  EXPECT_EQ(OnlyMessage().text,
            run.inputFile + " is an invalid input file." + detail + "\r\nU1,500000,5000000");
}

TEST_F(UtmWritersTest, UnconvertibleCoordinateShowsBothMessages) {
  Input("U1,50x0.12345,5000000,20\n");
  EXPECT_FALSE(IntoVesperan_XY(ctx));
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(sink.messages[0].text,
            "parseUTMcoord: An error occurred while reformatting your data! [line 1] "
            "(field 2 \"Easting\": \"50x0.12345\")");
  EXPECT_EQ(sink.messages[1].title, "File Error");
}

TEST_F(UtmWritersTest, ExtraTextAfterTheZone) {
  settings.extraText = true;
  Input("U1,500000,5000000,20,corner stone\n");
  ASSERT_TRUE(IntoQuillon27_XY(ctx));
  EXPECT_EQ(extraTexts.FindExtraText("U1"), "corner stone");
}

TEST_F(UtmWritersTest, EmptyFileIsNoPoints) {
  Input("");
  EXPECT_FALSE(IntoTransform_XY(ctx));
  EXPECT_TRUE(BinInput().empty());
  EXPECT_EQ(OnlyMessage().text,
            run.inputFile + " holds no points: the file is empty or its first line is blank.");
}

}  // namespace
}  // namespace kartovex
