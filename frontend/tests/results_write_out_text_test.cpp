#include <gtest/gtest.h>

#include "io_test_support.h"
#include "results/write_out_text.h"

namespace kartovex {
namespace {

using iotest::IoTest;
using iotest::Placed;

class WriteOutTextTest : public IoTest {
 protected:
  void Bin(const std::string& name, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    iotest::WriteFile(settings.binDir + name, text);
  }
};

std::string XyMapLine(const std::string& id) {
  return Placed({{1, id}, {11, " 7400000.123"}, {24, " 2500000.456"}});
}

TEST_F(WriteOutTextTest, XyMapFieldOrderEn) {
  settings.delimiter = std::string(";");
  Bin("XY_MAP.DAT", {XyMapLine("       P1")});
  ASSERT_TRUE(WriteOutText(ctx, "XY_MAP"));
  EXPECT_EQ(DataLines(), std::vector<std::string>{"P1;2500000.456;7400000.123"});
}

TEST_F(WriteOutTextTest, XyMapFieldOrderNe) {
  settings.delimiter = std::string(";");
  settings.fieldOrder = "NE";
  Bin("XY_MAP.DAT", {XyMapLine("       P1")});
  ASSERT_TRUE(WriteOutText(ctx, "XY_MAP"));
  EXPECT_EQ(DataLines(), std::vector<std::string>{"P1;7400000.123;2500000.456"});
}

TEST_F(WriteOutTextTest, ExtraTextIsAppendedOnlyWhenFound) {
  settings.extraText = true;
  extraTexts.StoreExtraText("fence, post", "P1");
  extraTexts.StoreExtraText("", "P2");
  Bin("XY_MAP.DAT", {XyMapLine("       P1"), XyMapLine("       P2"), XyMapLine("       P3")});
  ASSERT_TRUE(WriteOutText(ctx, "XY_MAP"));
  EXPECT_EQ(DataLines(),
            (std::vector<std::string>{"P1,2500000.456,7400000.123,fence, post",
                                      "P2,2500000.456,7400000.123", "P3,2500000.456,7400000.123"}));
  settings.extraText = false;
  ASSERT_TRUE(WriteOutText(ctx, "XY_MAP"));
  EXPECT_EQ(DataLines()[0], "P1,2500000.456,7400000.123");
}

TEST_F(WriteOutTextTest, BlankRemovalCutsAtAnInnerBlank) {
  Bin("XY_MAP.DAT", {XyMapLine("  MY PT  ")});
  ASSERT_TRUE(WriteOutText(ctx, "XY_MAP"));
  EXPECT_EQ(DataLines()[0], "MY,2500000.456,7400000.123");
}

TEST_F(WriteOutTextTest, SourceFoundIgnoringCase) {
  Bin("trn_cord.dat",
      {Placed({{1, "P1"}, {10, "  7400000.123"}, {23, "  2500000.456"}, {36, "   10.000"}})});
  ASSERT_TRUE(WriteOutText(ctx, "TRANSFORM_EN"));
  EXPECT_EQ(DataLines(), std::vector<std::string>{"P1,2500000.456,7400000.123"});
}

TEST_F(WriteOutTextTest, Quillon27EnColumns) {
  Bin("QUILLON27.DAT", {Placed({{1, "P1"}, {10, "2500000.000"}, {22, "7400000.000"}})});
  ASSERT_TRUE(WriteOutText(ctx, "QUILLON27_EN"));
  EXPECT_EQ(DataLines(), std::vector<std::string>{"P1,2500000.000,7400000.000"});
}

TEST_F(WriteOutTextTest, UtmGhostTakesTheFirstZoneAndSetsTheRemark) {
  settings.utmZone = UtmZone::Zone19;
  Bin("UTM_GHST.DAT",
      {Placed({{7, "       U1"}, {51, "20"}, {58, " 500000.000"}, {70, "5000000.000"}}),
       Placed({{7, "       U2"}, {51, "21"}, {58, " 400000.000"}, {70, "5000000.000"}})});
  ASSERT_TRUE(WriteOutText(ctx, "UTM_GHOST"));
  EXPECT_EQ(settings.utmZone, UtmZone::Zone20);
  EXPECT_EQ(run.zoneLabel, "UTM Zone 20");
  EXPECT_EQ(run.zoneRemark,
            "Zone calculated in vesperan and extracted from UTM_GHST.DAT output file");
  EXPECT_EQ(DataLines(), (std::vector<std::string>{"U1,500000.000,5000000.000,20",
                                                   "U2,400000.000,5000000.000,21"}));
}

TEST_F(WriteOutTextTest, UtmGhostBlankZoneIsAReadProblem) {
  settings.language = Language::French;
  Bin("UTM_GHST.DAT", {Placed({{7, "U1"}, {51, "20"}, {58, "1"}, {70, "2"}}),
                       Placed({{7, "U2"}, {51, " 2"}, {58, "1"}, {70, "2"}})});
  EXPECT_FALSE(WriteOutText(ctx, "UTM_GHOST"));
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "Erreur de fichier");
  EXPECT_EQ(m.text, "Problèmes à lire le fichier UTM_GHST.DAT.");
  EXPECT_EQ(DataLines().size(), 1u);
}

std::string LlGhostLine(const std::string& id, const std::string& latDeg = "45") {
  return Placed({{7, id}, {40, "N" + latDeg + " 05 3.20000 W 66 07 .500000"}});
}

TEST_F(WriteOutTextTest, LlGhostSecondsGetLeadingZeros) {
  Bin("LL_GHOST.DAT", {LlGhostLine("       P1")});
  ASSERT_TRUE(WriteOutText(ctx, "LL_GHOST"));
  EXPECT_EQ(DataLines(), std::vector<std::string>{"P1,45,05,03.20000,66,07,00.500000"});
}

TEST_F(WriteOutTextTest, LlGhostBlankDegreesIsAReadProblem) {
  Bin("LL_GHOST.DAT", {LlGhostLine("P1", " 5")});
  EXPECT_FALSE(WriteOutText(ctx, "LL_GHOST"));
  EXPECT_EQ(OnlyMessage().text, "Problem reading the LL_GHOST.DAT file.");
}

TEST_F(WriteOutTextTest, NewFileColumnsAndMessage) {
  run.newFile = settings.binDir + "MEASUREM.NEW";
  iotest::WriteFile(run.newFile, Placed({{7, "P1"},
                                         {41, "45"},
                                         {44, "05"},
                                         {47, "03.20000"},
                                         {57, "66"},
                                         {60, "07"},
                                         {63, "12.00000"}}) +
                                     "\r\n" + Placed({{7, "P2"}, {41, "4"}}) + "\r\n");
  EXPECT_FALSE(WriteOutText(ctx, "NOUVEAU_FICHIER"));
  EXPECT_EQ(DataLines(), std::vector<std::string>{"P1,45,05,03.20000,66,07,12.00000"});
  EXPECT_EQ(OnlyMessage().text, "Problem reading the " + run.newFile + " file.");
  sink.clear();
  settings.language = Language::French;
  EXPECT_FALSE(WriteOutText(ctx, "NEW_FILE"));
  EXPECT_EQ(OnlyMessage().text, "Problèmes à lire " + run.newFile + " fichier.");
}

TEST_F(WriteOutTextTest, TransformLlReadsTrnGhst) {
  Bin("TRN_GHST.DAT",
      {Placed({{1, " 04      "}, {10, "P1"}, {40, "N45 0503.200000W 66 0712.000000"}})});
  ASSERT_TRUE(WriteOutText(ctx, "TRANSFORM_LL"));
  EXPECT_EQ(DataLines(), std::vector<std::string>{"P1,45,05,03.20000,66,07,12.00000"});
  Bin("TRN_GHST.DAT", {Placed({{10, "P1"}, {40, "N 5 0503.200000W 66 0712.000000"}})});
  sink.clear();
  EXPECT_FALSE(WriteOutText(ctx, "TRANSFORM_LL"));
  EXPECT_EQ(OnlyMessage().text, "Problem reading the Trn_ghst.dat file.");
}

// A QUILLON27.OUT point line; shift 0 for Prince Edward Island, 1 otherwise.
std::string QuillonLine(std::size_t k, const std::string& id) {
  return Placed({{58 + k, "  500000.00"},
                 {71 + k, " 5000000.00"},
                 {95 + k, "45"},
                 {98 + k, " 5"},
                 {101 + k, "3.20000"},
                 {110 + k, "66"},
                 {113 + k, "07"},
                 {116 + k, "12.00000"},
                 {125 + k, id}});
}

std::vector<std::string> Listing(std::size_t header, std::size_t k, const std::string& id) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < header; ++i)
    lines.push_back(QuillonLine(k, "HEAD" + std::to_string(i)));
  lines.push_back(QuillonLine(k, id));
  return lines;
}

TEST_F(WriteOutTextTest, Quillon27LlPrinceEdwardIsland) {
  settings.province = Province::PEI;
  Bin("QUILLON27.OUT", Listing(4, 0, "P1"));
  ASSERT_TRUE(WriteOutText(ctx, "QUILLON27_LL"));
  EXPECT_EQ(DataLines(), std::vector<std::string>{"P1,45,05,03.20000,66,07,12.00000"});
}

TEST_F(WriteOutTextTest, Quillon27LlNewBrunswick) {
  settings.province = Province::NB;
  Bin("QUILLON27.OUT", Listing(5, 1, "P1"));
  ASSERT_TRUE(WriteOutText(ctx, "QUILLON27_LL"));
  EXPECT_EQ(DataLines(), std::vector<std::string>{"P1,45,05,03.20000,66,07,12.00000"});
}

TEST_F(WriteOutTextTest, Quillon27XyUsesTheRunZone) {
  settings.province = Province::NS;
  settings.utmZone = UtmZone::Zone20;
  settings.fieldOrder = "NE";
  Bin("QUILLON27.OUT", Listing(4, 1, "P1"));
  ASSERT_TRUE(WriteOutText(ctx, "QUILLON27_XY"));
  EXPECT_EQ(DataLines(), std::vector<std::string>{"P1,5000000.00,500000.00,20"});
}

// ORVANDEL.OUT with a to-NAD27 table of the given station lines.
std::vector<std::string> OrvandelOut(const std::vector<std::string>& stations) {
  std::vector<std::string> lines = {
      "\f  TITLE DATE 07-DEC-2026",
      "",
      std::string(48, ' ') + "TRANSFORMATION TO NAD27 VALUES",
      "",
      "  heading one",
      " STATION PROVINCE   NORTHING      EASTING    UNITS",
      std::string(" ") +
          "NUMBER    CODE                               CODE      (FEET)       (FEET)     (METRES) "
          "    (METRES)     (METRES)    (METRTES) ZONE",
      ""};
  lines.insert(lines.end(), stations.begin(), stations.end());
  return lines;
}

std::string Nad27Line(const std::string& id, const std::string& zone) {
  return Placed(
      {{2, id}, {13, "NB "}, {104, "5000000.123"}, {116, " 500000.456"}, {128, "  " + zone}});
}

TEST_F(WriteOutTextTest, TransformXyAfterTheHeadingSkippingEmptyLines) {
  Bin("ORVANDEL.OUT", [] {
    auto l = OrvandelOut({Nad27Line("P1", "19"), "", Nad27Line("P2", "20")});
    l.insert(l.begin(), "BEFORE THE TABLE A LINE THAT IS NOT A POINT");
    return l;
  }());
  ASSERT_TRUE(WriteOutText(ctx, "TRANSFORM_XY"));
  EXPECT_EQ(DataLines(), (std::vector<std::string>{"P1,500000.456,5000000.123,19",
                                                   "P2,500000.456,5000000.123,20"}));
}

TEST_F(WriteOutTextTest, TransformXySkipsPageHeadersAndUntransformedStations) {
  auto lines = OrvandelOut({Nad27Line("P1", "19")});
  auto page = OrvandelOut({Nad27Line("P2", "19")});
  lines.insert(lines.end(), page.begin(), page.end());
  lines.push_back(Placed({{2, "P3"}, {15, "NB "}, {88, "THIS POINT WAS NOT TRANSFORMED"}}));
  Bin("Orvandel.out", lines);
  ASSERT_TRUE(WriteOutText(ctx, "TRANSFORM_XY"));
  EXPECT_EQ(DataLines(), (std::vector<std::string>{"P1,500000.456,5000000.123,19",
                                                   "P2,500000.456,5000000.123,19"}));
}

TEST_F(WriteOutTextTest, WriteOutTextTransformXyAfterTheTitle) {
  settings.extraText = true;
  extraTexts.StoreExtraText("old mark", "P1");
  settings.fieldOrder = "NE";
  Bin("ORVANDEL.OUT", OrvandelOut({Nad27Line("P1", "21")}));
  ASSERT_TRUE(WriteOutTextTRANSFORM_XY(ctx));
  EXPECT_EQ(DataLines(), std::vector<std::string>{"P1,5000000.123,500000.456,21,old mark"});
}

// ORVANDEL.OUT of 48 stations to NAD27: two pages, station S47 not transformed.
class OrvandelFixtureTest : public WriteOutTextTest {
 protected:
  void SetUp() override {
    WriteOutTextTest::SetUp();
    iotest::WriteFile(
        settings.binDir + "ORVANDEL.OUT",
        iotest::ReadFile(std::string(KARTOVEX_TESTDATA) + "/frontend/results/ORVANDEL_NAD27.OUT"));
  }
  void ExpectStations() {
    auto lines = DataLines();
    ASSERT_EQ(lines.size(), 47u);
    EXPECT_EQ(lines[0], "S1,600001.000,5000001.000,19");
    EXPECT_EQ(lines[44], "S45,600045.000,5000045.000,19");
    EXPECT_EQ(lines[45], "S46,600046.000,5000046.000,19");
    EXPECT_EQ(lines[46], "S48,600048.000,5000048.000,19");
  }
};

TEST_F(OrvandelFixtureTest, TransformXyReadsEveryPage) {
  ASSERT_TRUE(WriteOutText(ctx, "TRANSFORM_XY"));
  ExpectStations();
}

TEST_F(OrvandelFixtureTest, WriteOutTextTransformXyReadsEveryPage) {
  ASSERT_TRUE(WriteOutTextTRANSFORM_XY(ctx));
  ExpectStations();
}

TEST_F(WriteOutTextTest, UnknownModeIsARunTimeError) {
  EXPECT_FALSE(WriteOutText(ctx, "GHOST"));
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "ERROR");
  EXPECT_EQ(m.text, "WriteOutText: An error occurred while writing your output text file!");
}

TEST_F(WriteOutTextTest, MissingSourceIsARunTimeError) {
  settings.language = Language::French;
  EXPECT_FALSE(WriteOutTextTRANSFORM_XY(ctx));
  EXPECT_EQ(OnlyMessage().text,
            "WriteOutTextTRANSFORM_XY: Une erreur s'est produite durant la sauvegarde du fichier "
            "de sortie!");
}

TEST_F(WriteOutTextTest, SpaceDelimitedDataReadsBackAsInput) {
  settings.delimiter = std::string(" ");
  Bin("XY_MAP.DAT", {XyMapLine("P1")});
  ASSERT_TRUE(WriteOutText(ctx, "XY_MAP"));
  EXPECT_EQ(DataLines(), std::vector<std::string>{"P1 2500000.456 7400000.123"});
}

}  // namespace
}  // namespace kartovex
