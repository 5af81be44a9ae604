#include <gtest/gtest.h>

#include "io_test_support.h"
#include "writers/grid_writers.h"

namespace kartovex {
namespace {

using iotest::IoTest;

class GridWritersTest : public IoTest {};

TEST_F(GridWritersTest, TransformEnWritesOrvandelRecordsInBinDir) {
  Input("P1,2500000,7400000\r\nP2,2500000.12345,7400000.5\r\n");
  ASSERT_TRUE(IntoTransform_EN(ctx));
  auto lines = BinInput();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "P1" + std::string(7, ' ') + "  7400000.000  2500000.000");
  EXPECT_EQ(lines[1], "P2" + std::string(7, ' ') + "    7400000.5  2500000.123");
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(GridWritersTest, FieldOrderNeReadsNorthFirst) {
  settings.fieldOrder = "NE";
  Input("P1,7400000,2500000\n");
  ASSERT_TRUE(IntoQuillon27_EN(ctx));
  EXPECT_EQ(WorkInput(), std::vector<std::string>{"P1      2500000.000 7400000.000"});
}

TEST_F(GridWritersTest, InputFileIsFoundIgnoringCase) {
  iotest::WriteFile(root + "in.txt", "P1,2500000,7400000\n");
  run.inputFile = root + "IN.TXT";
  ASSERT_TRUE(IntoVesperan_EN(ctx));
  EXPECT_EQ(WorkInput().size(), 1u);
}

// No point left to convert is no conversion, for every program.
TEST_F(GridWritersTest, AllOutOfBoundsFailsForEveryProgram) {
  Input("P1,9000000,7400000\nP2,2500000,100\n");
  EXPECT_FALSE(IntoTransform_EN(ctx));
  EXPECT_TRUE(BinInput().empty());
  EXPECT_TRUE(iotest::ReadFile(settings.binDir + "INPUT.DAT").empty());
  EXPECT_EQ(run.errCount(), 2);
  sink.clear();
  EXPECT_FALSE(IntoVesperan_EN(ctx));
  EXPECT_TRUE(iotest::ReadFile(settings.workDir + "INPUT.DAT").empty());
  EXPECT_EQ(run.errCount(), 4);
  ASSERT_FALSE(sink.messages.empty());
  EXPECT_EQ(sink.messages.back().text,
            "No point of " + run.inputFile + " can be converted: 4 point(s) rejected.");
}

TEST_F(GridWritersTest, OutOfBoundsPointIsShownCountedAndSkipped) {
  settings.extents.ats77.NE_EAST = 2600000.0;
  Input("P1,2600000,7400000\nP2,2500000,7400000\n");
  ASSERT_TRUE(IntoVesperan_EN(ctx));
  EXPECT_EQ(WorkInput().size(), 1u);
  EXPECT_EQ(run.errCount(), 1);
  auto m = OnlyMessage();
  EXPECT_EQ(m.kind, RecordedMessage::Kind::Critical);
  EXPECT_EQ(m.title, "Invalid Easting/File Error");
  EXPECT_EQ(
      m.text,
      "The following Easting is outside the defined limits in the ini file: 2600000.000 [line 1]");
}

TEST_F(GridWritersTest, ExtentsOfTheFromDatum) {
  run.fromDatum = Datum::NAD27;
  settings.extents.nad27.SW_NORTH = 7400000.0;
  Input("P1,2500000,7400000\nP2,2500000,7400001\n");
  settings.language = Language::French;
  ASSERT_TRUE(IntoQuillon27_EN(ctx));
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "NORD non conforme/Erreur de fichier");
  EXPECT_EQ(m.text, "La valeur NORD se situe à l'extérieure: 7400000.000 [ligne 1]");
}

TEST_F(GridWritersTest, RejectedPointGoesToTheLogWhenLoggingIsOn) {
  settings.extentLogging = true;
  ASSERT_TRUE(messages.OpenLogFiles());
  settings.extents.ats77.SW_EAST = 2500000.0;
  Input(
      "P1,2600000,7400000\nP2,2600000,7400000\nP3,2600000,7400000\nP4,2600000,7400000\n"
      "P5,2600000,7400000\nP6,2600000,7400000\nP7,2500000,7400000\n");
  ASSERT_TRUE(IntoVesperan_EN(ctx));
  messages.CloseLogFiles();
  EXPECT_TRUE(sink.messages.empty());
  std::string log = iotest::ReadFile(settings.workDir + "kartovex.log");
  EXPECT_NE(log.find("[ 7]The following Easting is outside the defined limits in the ini file: "
                     "2500000.000"),
            std::string::npos);
  EXPECT_NE(iotest::ReadFile(settings.workDir + "kartovex.err").find("P7,2500000,7400000"),
            std::string::npos);
}

TEST_F(GridWritersTest, InvalidLineStopsTheFileWithItsNumber) {
  Input("P1,2500000,7400000\nP2,2500000\nP3,2500000,7400000\n");
  EXPECT_FALSE(IntoTransform_EN(ctx));
  EXPECT_EQ(BinInput().size(), 1u);
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "File Error");
  EXPECT_EQ(m.text, "[2] " + run.inputFile +
                        " is an invalid input file. (field 3 \"Northing\": missing, delimiter "
                        "\",\")\r\nP2,2500000");
}

TEST_F(GridWritersTest, QuillonAndVesperanPutABlankBeforeTheNumber) {
  settings.language = Language::French;
  Input("123456789,2500000,7400000\n");
  EXPECT_FALSE(IntoQuillon27_EN(ctx));
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "Erreur de fichier");
  EXPECT_EQ(m.text, " [1] " + run.inputFile +
                        " - Format est non conforme. (champ 1 « Point » : « 123456789 "
                        "»)\r\n123456789,2500000,7400000");
}

TEST_F(GridWritersTest, LengthChecksAfterNormalisation) {
  // A whole number gets ".000", so only a text with a point stays short.
  Input("P1,25,7400000\nP2,2500000,7400000\n");
  EXPECT_TRUE(IntoVesperan_EN(ctx));
  Input("P1,2.,7400000\n");
  EXPECT_FALSE(IntoVesperan_EN(ctx));
  sink.clear();
  // 8 digits become 12 characters with ".000".
  Input("P1,25000000,7400000\n");
  EXPECT_FALSE(IntoVesperan_EN(ctx));
  sink.clear();
  Input(",2500000,7400000\n");
  EXPECT_FALSE(IntoVesperan_EN(ctx));
}

TEST_F(GridWritersTest, DecimalCommaSeparatorAndPointTextIsARunTimeError) {
  settings.decimalSeparator = std::string(",");
  settings.delimiter = std::string(";");
  Input("P1;2500000,5;7400000\n");
  ASSERT_TRUE(IntoTransform_EN(ctx));
  EXPECT_EQ(BinInput()[0], "P1" + std::string(7, ' ') + "  7400000.000    2500000.5");
  Input("P1;123.45;7400000\n");
  EXPECT_FALSE(IntoTransform_EN(ctx));
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "ERROR");
  EXPECT_EQ(m.text,
            "IntoTransform_EN: An error occurred while reformatting your data! [line 1] "
            "(field 2 \"Easting\": \"123.45\")");
}

TEST_F(GridWritersTest, MissingInputFileIsARunTimeError) {
  EXPECT_FALSE(IntoQuillon27_EN(ctx));
  const std::string text = OnlyMessage().text;
  EXPECT_EQ(
      text.rfind("IntoQuillon27_EN: An error occurred while reformatting your data!\r\nThe file ",
                 0),
      0u)
      << text;
  EXPECT_NE(text.find("could not be read (No such file or directory)."), std::string::npos) << text;
}

TEST_F(GridWritersTest, ExtraTextIsStoredWhenOn) {
  settings.extraText = true;
  Input("P1,2500000,7400000,fence,post\nP2,2500000,7400000\n");
  ASSERT_TRUE(IntoVesperan_EN(ctx));
  EXPECT_EQ(extraTexts.FindExtraText("P1"), "fence,post");
  EXPECT_EQ(extraTexts.FindExtraText("P2"), "");
  EXPECT_EQ(extraTexts.count(), 2u);
}

TEST_F(GridWritersTest, ExtraTextIsNotStoredWhenOff) {
  Input("P1,2500000,7400000,fence\n");
  ASSERT_TRUE(IntoVesperan_EN(ctx));
  EXPECT_EQ(extraTexts.count(), 0u);
  EXPECT_EQ(WorkInput()[0].size(), 35u);
}

TEST_F(GridWritersTest, LinesAfterAnEmptyLineAreReportedNotRead) {
  Input("P1,2500000,7400000\n\nP2,2500000,7400000\nP3,2500000,7400000\n");
  ASSERT_TRUE(IntoTransform_EN(ctx));
  EXPECT_EQ(BinInput().size(), 1u);
  auto m = OnlyMessage();
  EXPECT_EQ(m.kind, RecordedMessage::Kind::Information);
  EXPECT_NE(m.text.find("2 line(s) after line 2 were not read"), std::string::npos);
}

TEST_F(GridWritersTest, UnreadLinesWarningAlsoGoesToTheLog) {
  settings.extentLogging = true;
  ASSERT_TRUE(messages.OpenLogFiles());
  Input("P1,2500000,7400000\n\nP2,2500000,7400000\n");
  ASSERT_TRUE(IntoQuillon27_EN(ctx));
  messages.CloseLogFiles();
  EXPECT_EQ(sink.messages.size(), 1u);
  EXPECT_NE(iotest::ReadFile(settings.workDir + "kartovex.log")
                .find("1 line(s) after line 2 were not read"),
            std::string::npos);
}

TEST_F(GridWritersTest, SpaceDelimiter) {
  settings.delimiter = std::string(" ");
  Input("P1 2500000 7400000\n");
  ASSERT_TRUE(IntoTransform_EN(ctx));
  EXPECT_EQ(BinInput().size(), 1u);
}

}  // namespace
}  // namespace kartovex
