// Every message about a line of the input file names the line, the field
// at fault and its text, in both languages.

#include <gtest/gtest.h>

#include "input/line_problem.h"
#include "io_test_support.h"
#include "writers/geographic_writers.h"
#include "writers/grid_writers.h"
#include "writers/utm_writers.h"

namespace kartovex {
namespace {

using iotest::IoTest;

class LineMessagesTest : public IoTest {
 protected:
  void French() { settings.language = Language::French; }
};

TEST_F(LineMessagesTest, NonNumericEastingNamesLineFieldAndText) {
  Input("P4,2500000,7400000\nP5,abc,740000\n");
  EXPECT_FALSE(IntoVesperan_EN(ctx));
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "ERROR");
  EXPECT_EQ(m.text,
            "IntoVesperan_EN: An error occurred while reformatting your data! [line 2] "
            "(field 2 \"Easting\": \"abc\")");
  sink.clear();
  French();
  EXPECT_FALSE(IntoVesperan_EN(ctx));
  EXPECT_EQ(OnlyMessage().title, "ERREUR");
  EXPECT_EQ(OnlyMessage().text,
            "IntoVesperan_EN: Une erreur s'est produite durant le traitement! [ligne 2] "
            "(champ 2 « Est » : « abc »)");
}

// A UTM X of "abc" used to reach VESPERAN as "abc.000" and fail the whole run.
TEST_F(LineMessagesTest, NonNumericUtmCoordinateIsRefusedAtItsLine) {
  Input("P1,700000,5100000,19\nP2,abc,5100000,19\n");
  EXPECT_FALSE(IntoVesperan_XY(ctx));
  EXPECT_EQ(OnlyMessage().text,
            "IntoVesperan_XY: An error occurred while reformatting your data! [line 2] "
            "(field 2 \"Easting\": \"abc\")");
  sink.clear();
  Input("P1,700000,5100000,19\nP2,700000,1e6,19\n");
  EXPECT_FALSE(IntoQuillon27_XY(ctx));
  EXPECT_NE(OnlyMessage().text.find(
                "IntoQuillon27_XY: An error occurred while reformatting your data! [line 2]"),
            std::string::npos);
}

TEST_F(LineMessagesTest, FieldOrderNamesTheNorthingFirst) {
  settings.fieldOrder = "NE";
  Input("P5,abc,2500000\n");
  EXPECT_FALSE(IntoTransform_EN(ctx));
  EXPECT_EQ(OnlyMessage().text,
            "IntoTransform_EN: An error occurred while reformatting your data! [line 1] "
            "(field 2 \"Northing\": \"abc\")");
}

TEST_F(LineMessagesTest, MinutesOfSeventyFiveNameThePoint) {
  Input("P1,45,5,3.2,66,7,12\nP2,45,75,3.2,66,7,12\n");
  EXPECT_FALSE(IntoVesperan_LL(ctx));
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "Invalid Minutes/File Error");
  EXPECT_EQ(
      m.text,
      "Latitude Minutes must be less than 60! [line 2] (field 3 \"Latitude minutes\": \"75\")");
  sink.clear();
  French();
  Input("P1,45,5,3.2,66,7,75\n");
  EXPECT_FALSE(IntoVesperan_LL(ctx));
  EXPECT_EQ(OnlyMessage().title, "Secondes non conformes/Erreur de fichier");
  EXPECT_EQ(OnlyMessage().text,
            "Les secondes de Longitude devront être < 60! [ligne 1] (champ 7 « Secondes de "
            "longitude » : « 75 »)");
}

TEST_F(LineMessagesTest, MissingFieldIsNamed) {
  Input("P1,2500000,7400000\nP2,2500000\n");
  EXPECT_FALSE(IntoTransform_EN(ctx));
  EXPECT_EQ(OnlyMessage().text,
            "[2] " + run.inputFile +
                " is an invalid input file. (field 3 \"Northing\": missing, delimiter \",\")"
                "\r\nP2,2500000");
  sink.clear();
  French();
  EXPECT_FALSE(IntoQuillon27_EN(ctx));
  EXPECT_EQ(OnlyMessage().text,
            " [2] " + run.inputFile +
                " - Format est non conforme. (champ 3 « Nord » : manquant, séparateur « , »)"
                "\r\nP2,2500000");
}

TEST_F(LineMessagesTest, WrongDelimiterSaysWhichDelimiterIsExpected) {
  Input("P1;45;5;3.2;66;7;12\n");
  EXPECT_FALSE(intoTransform_LL(ctx));
  EXPECT_EQ(OnlyMessage().text,
            run.inputFile +
                " is an invalid input file. [line 1] (field 2 \"Latitude degrees\": missing, "
                "delimiter \",\")");
  sink.clear();
  French();
  EXPECT_FALSE(IntoLumbrix_LL(ctx));
  EXPECT_EQ(OnlyMessage().text,
            run.inputFile +
                " - Format est non conforme. [ligne 1] (champ 2 « Degrés de latitude » : "
                "manquant, séparateur « , »)\r\nP1;45;5;3.2;66;7;12");
}

TEST_F(LineMessagesTest, HeaderRowIsNamed) {
  Input("Point,LatD,LatM,LatS,LonD,LonM,LonS\nP1,45,5,3.2,66,7,12\n");
  EXPECT_FALSE(IntoQuillon27_LL(ctx));
  EXPECT_EQ(OnlyMessage().text,
            run.inputFile +
                " is an invalid input file. [line 1] (field 2 \"Latitude degrees\": \"LatD\")");
  sink.clear();
  // "Northing" is too long for a coordinate before it is known not to be a
  // number; a shorter heading is no number.
  Input("ID,Easting,Northing\nP1,2500000,7400000\n");
  EXPECT_FALSE(IntoQuillon27_EN(ctx));
  EXPECT_EQ(OnlyMessage().text,
            " [1] " + run.inputFile +
                " is an invalid input file. (field 3 \"Northing\": \"Northing\")\r\n"
                "ID,Easting,Northing");
  sink.clear();
  Input("ID,East,North\nP1,2500000,7400000\n");
  EXPECT_FALSE(IntoQuillon27_EN(ctx));
  EXPECT_EQ(OnlyMessage().text,
            "IntoQuillon27_EN: An error occurred while reformatting your data! [line 1] "
            "(field 2 \"Easting\": \"East\")");
}

TEST_F(LineMessagesTest, LongIdentifierIsNamed) {
  Input("123456789,2500000,7400000\n");
  EXPECT_FALSE(IntoVesperan_EN(ctx));
  EXPECT_EQ(OnlyMessage().text,
            " [1] " + run.inputFile +
                " is an invalid input file. (field 1 \"Point\": \"123456789\")\r\n"
                "123456789,2500000,7400000");
  sink.clear();
  Input("LONGNAME1,45,5,3.2,66,7,12\n");
  French();
  EXPECT_FALSE(IntoVesperan_LL(ctx));
  EXPECT_EQ(
      OnlyMessage().text,
      run.inputFile + " - Format est non conforme. [ligne 1] (champ 1 « Point » : « LONGNAME1 ») ");
}

TEST_F(LineMessagesTest, UtmLinesNameTheFieldToo) {
  Input("U1,500000,5000000\n");
  EXPECT_FALSE(IntoTransform_XY(ctx));
  EXPECT_EQ(OnlyMessage().text,
            run.inputFile +
                " is an invalid input file. [line 1] (field 4 \"Zone\": missing, delimiter \",\")");
  sink.clear();
  Input("U1,50x0.12345,5000000,20\n");
  French();
  EXPECT_FALSE(IntoVesperan_XY(ctx));
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(sink.messages[0].text,
            "parseUTMcoord: Une erreur s'est produite durant le traitement! [ligne 1] "
            "(champ 2 « Est » : « 50x0.12345 »)");
  EXPECT_EQ(sink.messages[1].text,
            run.inputFile +
                " - Format est non conforme. [ligne 1] (champ 2 « Est » : « 50x0.12345 »)"
                "\r\nU1,50x0.12345,5000000,20");
}

TEST_F(LineMessagesTest, ZonesMismatchNamesTheLine) {
  settings.utmZone = UtmZone::None;
  Input("U1,500000,5000000,20\nU2,500000,5000000,21\n");
  EXPECT_FALSE(IntoTransform_XY(ctx));
  EXPECT_EQ(OnlyMessage().text,
            "IntoTransform_XY: An error occurred while reformatting your data (Zones mismatch)! "
            "[line 2] (field 4 \"Zone\": \"21\")");
}

TEST_F(LineMessagesTest, OutOfBoundsPointInABoxNamesTheLine) {
  settings.extents.ats77.NE_EAST = 2600000.0;
  Input("P1,2500000,7400000\nP2,2600000,7400000\n");
  ASSERT_TRUE(IntoVesperan_EN(ctx));
  EXPECT_EQ(
      OnlyMessage().text,
      "The following Easting is outside the defined limits in the ini file: 2600000.000 [line 2]");
  sink.clear();
  French();
  ASSERT_TRUE(IntoVesperan_EN(ctx));
  EXPECT_EQ(OnlyMessage().text, "La valeur EST se situe à l'extérieure: 2600000.000 [ligne 2]");
}

TEST(LineProblemTest, HelperForms) {
  FrontEndSettings s;
  s.delimiter = ",";
  s.decimalSeparator = ".";
  s.fieldOrder = "EN";
  EXPECT_EQ(DescribeLine(3, "P1,45,abc,3.2,66,7,12", LineLayout::Geographic, s, false),
            " [line 3] (field 3 \"Latitude minutes\": \"abc\")");
  EXPECT_EQ(DescribeLine(3, "P1,45,5,3.2,6,7,12", LineLayout::Geographic, s, true),
            " [ligne 3] (champ 5 « Degrés de longitude » : « 6 »)");
  // A line with nothing wrong in its fields is named by its number alone.
  EXPECT_EQ(DescribeLine(4, "P1,2500000,7400000", LineLayout::Grid, s, false), " [line 4]");
  EXPECT_EQ(LineTag(12, true), "[ligne 12]");
}

}  // namespace
}  // namespace kartovex
