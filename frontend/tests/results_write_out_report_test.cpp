#include <cctype>

#include <gtest/gtest.h>

#include "io_test_support.h"
#include "results/report_rows.h"
#include "results/report_texts.h"
#include "results/write_out_report.h"

namespace kartovex {
namespace {

using iotest::IoTest;
using iotest::Placed;

const std::string kStars(69, '*');

class ReportTest : public IoTest {
 protected:
  void SetUp() override {
    IoTest::SetUp();
    run.reportDate = [] { return std::string("12/07/2026"); };
  }
  void Data(const std::string& text) { iotest::WriteFile(run.dataFile, text); }
  std::vector<std::string> Report() { return iotest::ReadCrLfLines(run.reportFile); }
};

TEST_F(ReportTest, GridRunInEnglish) {
  run.fromDatum = Datum::NAD27;
  run.toDatum = Datum::ATS77;
  run.modulesLine = "*    Modules: ORVANDEL";
  Input("P1,2500000,7400000\r\n");
  Data("P1,2500000.123,7400000.456\r\n");
  ASSERT_TRUE(WriteOutReport(ctx));
  std::vector<std::string> expected = {
      kStars,
      "*    KARTOVEX - Test",
      "*    DATE: 12/07/2026",
      "*    Transformation: NAD27 East,North -> ATS77 -> East,North",
      "*    Modules: ORVANDEL",
      kStars,
      "*    ",
      "INPUT: File: " + run.inputFile,
      "-----  Datum: NAD27",
      "       Coord: East,North",
      "",
      "POINT      EASTING(ft)      NORTHING(ft)",
      Placed({{1, "P1"}, {12, "2500000"}, {29, "7400000"}}),
      "",
      "",
      "OUTPUT: File: " + run.dataFile,
      "------  Datum: ATS77",
      "        Coord: East,North",
      "",
      "POINT      EASTING (m)      NORTHING (m)",
      Placed({{1, "P1"}, {12, "2500000.123"}, {29, "7400000.456"}}),
  };
  EXPECT_EQ(Report(), expected);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ReportTest, GridRunInFrenchNorthFirstInNovaScotia) {
  settings.language = Language::French;
  settings.fieldOrder = "NE";
  settings.province = Province::NS;
  settings.mtmZone = MtmZone::Zone5;
  run.fromDatum = Datum::NAD27;
  run.toDatum = Datum::NAD27;
  run.fromForm = CoordForm::EN;
  run.toForm = CoordForm::EN;
  run.modulesLine = "*    Modules: QUILLON27";
  Input("P1,7400000,2500000\r\n");
  Data("P1,7400000.00,2500000.00\r\n");
  ASSERT_TRUE(WriteOutReport(ctx));
  std::vector<std::string> expected = {
      kStars,
      "*    KARTOVEX - Essai",
      "*    DATE: 12/07/2026",
      "*    Transformation: NAD27 NORD,EST (NS MTM zone 5) -> NAD27 -> NORD,EST",
      "*    Modules: QUILLON27",
      kStars,
      "*    ",
      "DONNÉES: Fichier: " + run.inputFile,
      "-------  Système de référence géodésique: NAD27",
      "       Coord: NORD,EST (NS MTM zone 5)",
      "",
      "POINT      NORD (pi.)       EST (pi.)",
      Placed({{1, "P1"}, {12, "7400000"}, {29, "2500000"}}),
      "",
      "",
      "SORTIE: Fichier: " + run.dataFile,
      "------  Système de référence géodésique: NAD27",
      "        Coord: NORD,EST",
      "",
      "POINT      NORD(pi.)        EST(pi.)",
      Placed({{1, "P1"}, {12, "7400000.00"}, {29, "2500000.00"}}),
  };
  EXPECT_EQ(Report(), expected);
}

TEST_F(ReportTest, UtmRunWithZoneGridFileAndExtraText) {
  settings.province = Province::NS;
  settings.utmZone = UtmZone::Zone20;
  settings.extraText = true;
  settings.displayExtraText = true;
  run.fromForm = CoordForm::XY;
  run.toForm = CoordForm::XY;
  run.fromDatum = Datum::ATS77;
  run.toDatum = Datum::NAD83;
  run.modulesLine = "*    Modules: VESPERAN -> LUMBRIX -> VESPERAN";
  run.zoneRemark = "Using zone from input file ";
  run.gridFile = "/prog/bin/NS77CSRS.GSB";
  Input("U1,500000,5000000,20,corner stone\r\n");
  Data("U1,500000.000,5000000.000,20,corner stone\r\n");
  ASSERT_TRUE(WriteOutReport(ctx));
  std::vector<std::string> expected = {
      kStars,
      "*    KARTOVEX - Test",
      "*    DATE: 12/07/2026",
      "*    Transformation: ATS77 UTM X,Y (NS) -> NAD83 (CSRS) -> UTM X,Y (NS)",
      "*    Modules: VESPERAN -> LUMBRIX -> VESPERAN",
      "*    Using zone from input file 20",
      "*    Grid file used for transformation is /prog/bin/NS77CSRS.GSB",
      kStars,
      "*    ",
      "INPUT: File: " + run.inputFile,
      "-----  Datum: ATS77",
      "       Coord: UTM X,Y (NS)",
      "",
      "POINT      X (m)            Y (m)            ZONE",
      Placed({{1, "U1"}, {12, "500000"}, {29, "5000000"}, {46, "20"}, {53, "corner stone"}}),
      "",
      "",
      "OUTPUT: File: " + run.dataFile,
      "------  Datum: NAD83 (CSRS)",
      "        Coord: UTM X,Y (NS)",
      "",
      "POINT      X (m)            Y (m)            ZONE",
      Placed(
          {{1, "U1"}, {12, "500000.000"}, {29, "5000000.000"}, {46, "20"}, {56, "corner stone"}}),
  };
  EXPECT_EQ(Report(), expected);
}

TEST_F(ReportTest, UtmRunInFrenchWithoutZoneOrExtraText) {
  settings.language = Language::French;
  settings.fieldOrder = "NE";
  settings.utmZone = UtmZone::None;
  settings.extraText = true;
  run.fromForm = CoordForm::XY;
  run.toForm = CoordForm::XY;
  run.zoneRemark = "Using zone from input file ";
  Input("U1,5000000,500000,19,hidden\r\n");
  Data("U1,5000000.000,500000.000,19,hidden\r\n");
  ASSERT_TRUE(WriteOutReport(ctx));
  auto lines = Report();
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines[3], "*    Transformation: ATS77 UTM Y,X (NB) -> NAD83 (CSRS) -> UTM Y,X (NB)");
  EXPECT_EQ(lines[5], kStars);
  EXPECT_EQ(lines[11], "POINT      Y (m)            X (m)            ZONE");
  EXPECT_EQ(lines[12], Placed({{1, "U1"}, {12, "5000000"}, {29, "500000"}, {46, "19"}}));
  EXPECT_EQ(lines[20], Placed({{1, "U1"}, {12, "5000000.000"}, {29, "500000.000"}, {46, "19"}}));
}

TEST_F(ReportTest, GeographicRunInEnglishAndFrench) {
  run.fromForm = CoordForm::LL;
  run.toForm = CoordForm::LL;
  run.modulesLine = "*    Modules: LUMBRIX";
  settings.extraText = true;
  settings.displayExtraText = true;
  Input("P2,45,5,3.2,66,7,12,on the hill\r\n");
  Data("P2,45,05,03.20000,66,07,12.00000,on the hill\r\n");
  ASSERT_TRUE(WriteOutReport(ctx));
  auto en = Report();
  ASSERT_EQ(en.size(), 21u);
  EXPECT_EQ(en[3], "*    Transformation: ATS77 Lat,Long -> NAD83 (CSRS) -> Lat,Long");
  EXPECT_EQ(en[11], "POINT      LATITUDE         LONGITUDE (W)");
  EXPECT_EQ(en[12], Placed({{1, "P2"}, {12, "45 5 3.2"}, {29, "66 7 12"}, {46, "on the hill"}}));
  EXPECT_EQ(en[19], "POINT      LATITUDE         LONGITUDE (W)");
  EXPECT_EQ(
      en[20],
      Placed({{1, "P2"}, {12, "45 05 03.20000"}, {29, "66 07 12.00000"}, {46, "on the hill"}}));

  settings.language = Language::French;
  settings.displayExtraText = false;
  ASSERT_TRUE(WriteOutReport(ctx));
  auto fr = Report();
  ASSERT_EQ(fr.size(), 21u);
  EXPECT_EQ(fr[7], "DONNÉES: Fichier: " + run.inputFile);
  EXPECT_EQ(fr[8], "-------  Système de référence géodésique: ATS77");
  EXPECT_EQ(fr[11], "POINT      LATITUDE         LONGITUDE (O)");
  // Without display the row keeps its padded columns and drops the text.
  EXPECT_EQ(fr[12], Placed({{1, "P2"}, {12, "45 5 3.2"}, {29, "66 7 12"}, {45, " "}}));
  EXPECT_EQ(fr[15], "SORTIE: Fichier: " + run.dataFile);
}

TEST_F(ReportTest, ReadingStopsAtAnEmptyLineInBothSections) {
  Input("P1,2500000,7400000\r\n\r\nP9,1,1\r\n");
  Data("P1,2500000.000,7400000.000\r\n\r\nP9,1,1\r\n");
  ASSERT_TRUE(WriteOutReport(ctx));
  auto lines = Report();
  EXPECT_EQ(lines.size(), 21u);
}

TEST_F(ReportTest, SpaceDelimitedGridUsesAMarkerNotInTheLine) {
  settings.delimiter = std::string(" ");
  settings.extraText = true;
  settings.displayExtraText = true;
  Input("P1 2500000 7400000 mark ~ here\r\n");
  Data("P1 2500000.000 7400000.000 mark ~ here\r\n");
  ASSERT_TRUE(WriteOutReport(ctx));
  auto lines = Report();
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines[12], Placed({{1, "P1"}, {12, "2500000"}, {29, "7400000"}, {51, "mark ~ here"}}));
}

TEST_F(ReportTest, LineWithEveryMarkerFailsTheReport) {
  settings.delimiter = std::string(" ");
  Input("P1 2500000 7400000 ~*@\r\n");
  Data("P1 2500000.000 7400000.000\r\n");
  EXPECT_FALSE(WriteOutReport(ctx));
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "ERROR");
  EXPECT_EQ(m.text, "WriteOutReport: An error occurred while writing your output report file!");
}

TEST_F(ReportTest, MissingDataFileIsARunTimeError) {
  settings.language = Language::French;
  Input("P1,2500000,7400000\r\n");
  EXPECT_FALSE(WriteOutReport(ctx));
  EXPECT_EQ(OnlyMessage().text,
            "WriteOutReport: Une erreur s'est produite durant la sauvegarde du fichier de sortie!");
}

TEST(DelimitedRowTest, ExtraTextIsCutUnlessDisplayed) {
  FrontEndSettings s;
  s.extraText = true;
  EXPECT_EQ(*DelimitedRow("P1,1,2,text,more", CoordForm::EN, 51, s),
            Placed({{1, "P1"}, {12, "1"}, {29, "2"}}));
  s.displayExtraText = true;
  EXPECT_EQ(*DelimitedRow("P1,1,2,text,more", CoordForm::EN, 51, s),
            Placed({{1, "P1"}, {12, "1"}, {29, "2"}, {51, "text,more"}}));
  s.extraText = false;
  EXPECT_EQ(*DelimitedRow("P1,1,2,text", CoordForm::EN, 51, s),
            Placed({{1, "P1"}, {12, "1"}, {29, "2"}}));
}

TEST(DelimitedRowTest, StarMarkerWhenTheLineHoldsATilde) {
  FrontEndSettings s;
  s.delimiter = std::string(" ");
  EXPECT_EQ(*DelimitedRow("P~1 1 2", CoordForm::EN, 51, s),
            Placed({{1, "P~1"}, {12, "1"}, {29, "2"}}));
  EXPECT_FALSE(DelimitedRow("P~*@ 1 2", CoordForm::EN, 51, s));
}

TEST(DelimitedRowTest, LongFieldsStillGetABlank) {
  FrontEndSettings s;
  EXPECT_EQ(*DelimitedRow("ABCDEFGHIJKL,1,2", CoordForm::EN, 51, s),
            "ABCDEFGHIJKL 1" + std::string(14, ' ') + "2");
  EXPECT_EQ(*DelimitedRow("ABCDEFGHIJK,1,2", CoordForm::EN, 51, s),
            "ABCDEFGHIJK1" + std::string(16, ' ') + "2");
}

TEST(ReportUnitsTest, OutputUnitsForGridTargets) {
  FrontEndSettings s;
  RunState run(s);
  auto feet = [&](Datum from, Datum to) {
    run.fromDatum = from;
    run.toDatum = to;
    return OutputInFeet(run);
  };
  EXPECT_FALSE(feet(Datum::NAD27, Datum::ATS77));
  EXPECT_TRUE(feet(Datum::NAD27, Datum::NAD27));
  EXPECT_TRUE(feet(Datum::ATS77, Datum::NAD27));
  EXPECT_TRUE(feet(Datum::NAD83, Datum::NAD27));
  EXPECT_FALSE(feet(Datum::NAD27, Datum::NAD83));
  EXPECT_TRUE(feet(Datum::NAD27, Datum::NAD83_1989));
  EXPECT_FALSE(feet(Datum::ATS77, Datum::NAD83));
  run.fromDatum = Datum::NAD27;
  EXPECT_TRUE(InputInFeet(run));
  run.fromDatum = Datum::NAD83;
  EXPECT_FALSE(InputInFeet(run));
}

TEST(ReportHeadingsTest, FeetHeadingsDifferBySectionInFrench) {
  EXPECT_EQ(ColumnHeading(CoordForm::EN, true, true, false, true),
            "POINT      NORD (pi.)       EST (pi.)");
  EXPECT_EQ(ColumnHeading(CoordForm::EN, true, true, true, true),
            "POINT      NORD(pi.)        EST(pi.)");
  EXPECT_EQ(ColumnHeading(CoordForm::EN, true, true, true, false),
            "POINT      NORTHING(ft)     EASTING(ft)");
  EXPECT_EQ(ColumnHeading(CoordForm::EN, false, false, true, true),
            "POINT      EST (m)          NORD (m)");
  EXPECT_EQ(ColumnHeading(CoordForm::EN, true, false, true, true),
            "POINT      NORD (m)         EST (m)");
}

TEST(ReportTextsTest, TransformationLineHasTheArrowTwice) {
  FrontEndSettings s;
  RunState run(s);
  run.fromDatum = Datum::ATS77;
  run.fromForm = CoordForm::EN;
  run.toDatum = Datum::NAD83;
  run.toForm = CoordForm::LL;
  EXPECT_EQ(TransformationLine(run, s),
            "*    Transformation: ATS77 East,North -> NAD83 (CSRS) -> Lat,Long");
  run.toDatum = Datum::NAD83_1989;
  EXPECT_EQ(ReportDatumText(run.toDatum), "NAD83 (1989)");
}

}  // namespace
}  // namespace kartovex
