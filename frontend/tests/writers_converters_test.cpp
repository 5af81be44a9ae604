#include <gtest/gtest.h>

#include "io_test_support.h"
#include "writers/converters.h"

namespace kartovex {
namespace {

using iotest::IoTest;
using iotest::Placed;

class ConvertersTest : public IoTest {};

// A TRN_GHST.DAT record as ORVANDEL writes it.
std::string GhostRecord(const std::string& id) {
  return Placed(
      {{1, " 04      "}, {10, id}, {40, "N45 0503.200000W 66 0712.000000"}, {71, "   10.000"}});
}

// A QUILLON27.OUT point line; shift 0 for Prince Edward Island, 1 otherwise.
std::string QuillonLine(std::size_t k, const std::string& id,
                        const std::string& latSec = "3.20000") {
  return Placed({{2, "HEADER-LIKE TEXT"},
                 {58 + k, "  500000.00"},
                 {71 + k, " 5000000.00"},
                 {95 + k, "45"},
                 {98 + k, " 5"},
                 {101 + k, latSec},
                 {110 + k, "66"},
                 {113 + k, "07"},
                 {116 + k, "12"},
                 {125 + k, id}});
}

std::string QuillonListing(std::size_t headerLines, std::size_t k,
                           const std::vector<std::string>& ids) {
  std::string text;
  for (std::size_t i = 0; i < headerLines; ++i)
    text += " QUILLON27 LISTING LINE " + std::to_string(i) + "\r\n";
  for (const auto& id : ids) text += QuillonLine(k, id) + "\r\n";
  return text;
}

TEST_F(ConvertersTest, Orvandel2LumbrixCopiesTheColumns) {
  iotest::WriteFile(settings.binDir + "TRN_GHST.DAT",
                    GhostRecord("P1") + "\r\n" + GhostRecord("P2") + "\r\n");
  ASSERT_TRUE(
      Orvandel2Lumbrix(ctx, settings.binDir + "Trn_ghst.dat", settings.binDir + "input2.dat"));
  auto lines = iotest::ReadCrLfLines(settings.binDir + "input2.dat");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "'P1       ',45,05,03.20000,66,07,12.00000");
}

TEST_F(ConvertersTest, Orvandel2LumbrixStopsAtAnEmptyLine) {
  iotest::WriteFile(settings.binDir + "TRN_GHST.DAT",
                    GhostRecord("P1") + "\r\n\r\n" + GhostRecord("P2") + "\r\n");
  ASSERT_TRUE(
      Orvandel2Lumbrix(ctx, settings.binDir + "TRN_GHST.DAT", settings.binDir + "input2.dat"));
  EXPECT_EQ(iotest::ReadCrLfLines(settings.binDir + "input2.dat").size(), 1u);
}

TEST_F(ConvertersTest, Orvandel2LumbrixMissingInputIsARunTimeError) {
  EXPECT_FALSE(
      Orvandel2Lumbrix(ctx, settings.binDir + "Trn_ghst.dat", settings.binDir + "input2.dat"));
  // The procedure's message, then the file and the system's reason.
  EXPECT_EQ(OnlyMessage().text,
            "Orvandel2Lumbrix: An error occurred while reformatting your data!\r\n"
            "The file " +
                settings.binDir + "Trn_ghst.dat could not be read (No such file or directory).");
}

TEST_F(ConvertersTest, Vesperan2TransformErrTrimsIntoOrvandelLayout) {
  iotest::WriteFile(
      settings.binDir + "XY_MAP.DAT",
      Placed({{1, "       P1"}, {11, " 7400000.123"}, {24, " 2500000.456"}}) + "\r\n");
  ASSERT_TRUE(
      Vesperan2TransformErr(ctx, settings.binDir + "XY_MAP.DAT", settings.binDir + "INPUT2.DAT"));
  EXPECT_EQ(iotest::ReadCrLfLines(settings.binDir + "INPUT2.DAT"),
            std::vector<std::string>{"P1         7400000.123  2500000.456"});
}

TEST_F(ConvertersTest, Vesperan2TransformErrWordsItsRunTimeError) {
  settings.language = Language::French;
  EXPECT_FALSE(
      Vesperan2TransformErr(ctx, settings.binDir + "XY_MAP.DAT", settings.binDir + "INPUT2.DAT"));
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "ERREUR");
  EXPECT_EQ(m.text,
            "Vesperan2TransformErr: Une erreur s'est produite durant la sauvegarde du fichier de "
            "sortie!\r\n"
            "Le fichier " +
                settings.binDir + "XY_MAP.DAT n'a pas pu être lu (No such file or directory).");
}

TEST_F(ConvertersTest, QuillonToLumbrixPrinceEdwardIslandSkipsFourLines) {
  settings.province = Province::PEI;
  iotest::WriteFile(settings.binDir + "QUILLON27.OUT", QuillonListing(4, 0, {"P1", "P2"}));
  ASSERT_TRUE(QUILLON27toLUMBRIX(ctx));
  EXPECT_EQ(
      iotest::ReadCrLfLines(settings.workDir + "INPUT1.DAT"),
      (std::vector<std::string>{"'P1',45,5,3.20000,66,07,12.0", "'P2',45,5,3.20000,66,07,12.0"}));
}

TEST_F(ConvertersTest, QuillonToLumbrixNewBrunswickSkipsFiveLines) {
  settings.province = Province::NB;
  iotest::WriteFile(settings.binDir + "QUILLON27.OUT", QuillonListing(5, 1, {"P1"}));
  ASSERT_TRUE(QUILLON27toLUMBRIX(ctx));
  EXPECT_EQ(iotest::ReadCrLfLines(settings.workDir + "INPUT1.DAT"),
            std::vector<std::string>{"'P1',45,5,3.20000,66,07,12.0"});
}

TEST_F(ConvertersTest, QuillonToLumbrixNovaScotiaSkipsFourLines) {
  settings.province = Province::NS;
  iotest::WriteFile(settings.binDir + "QUILLON27.OUT", QuillonListing(4, 1, {"P1"}));
  ASSERT_TRUE(QUILLON27toLUMBRIX(ctx));
  EXPECT_EQ(iotest::ReadCrLfLines(settings.workDir + "INPUT1.DAT").size(), 1u);
}

TEST_F(ConvertersTest, QuillonToLumbrixSecondsGetZeroAndPoint) {
  settings.province = Province::PEI;
  iotest::WriteFile(settings.binDir + "QUILLON27.OUT",
                    QuillonListing(4, 0, {}) + QuillonLine(0, "P1", ".5") + "\r\n");
  ASSERT_TRUE(QUILLON27toLUMBRIX(ctx));
  EXPECT_EQ(iotest::ReadCrLfLines(settings.workDir + "INPUT1.DAT"),
            std::vector<std::string>{"'P1',45,5,0.5,66,07,12.0"});
}

TEST_F(ConvertersTest, QuillonToLumbrixBlankInDegreesIsAReadProblem) {
  settings.province = Province::PEI;
  std::string line = QuillonLine(0, "P1");
  line[94] = ' ';
  iotest::WriteFile(settings.binDir + "QUILLON27.OUT",
                    QuillonListing(4, 0, {"P0"}) + line + "\r\n");
  EXPECT_FALSE(QUILLON27toLUMBRIX(ctx));
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "File Error");
  EXPECT_EQ(m.text, "Problem reading the QUILLON27.OUT file.");
  EXPECT_EQ(iotest::ReadCrLfLines(settings.workDir + "INPUT1.DAT").size(), 1u);
}

TEST_F(ConvertersTest, QuillonToLumbrixLengthProblem) {
  settings.province = Province::PEI;
  settings.language = Language::French;
  iotest::WriteFile(settings.binDir + "QUILLON27.OUT", QuillonListing(4, 0, {""}));
  EXPECT_FALSE(QUILLON27toLUMBRIX(ctx));
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "Erreur de fichier");
  EXPECT_EQ(m.text, "Problèmes à lire le fichier QUILLON27.OUT.");
}

TEST(Quillon27ListingTest, SameLeadingLinesForConverterAndReaders) {
  EXPECT_EQ(Quillon27HeaderLines(Province::NB), 5);
  EXPECT_EQ(Quillon27HeaderLines(Province::NS), 4);
  EXPECT_EQ(Quillon27HeaderLines(Province::PEI), 4);
  EXPECT_EQ(Quillon27ColumnShift(Province::PEI), 0u);
  EXPECT_EQ(Quillon27ColumnShift(Province::NB), 1u);
  EXPECT_EQ(Quillon27ColumnShift(Province::NS), 1u);
}

}  // namespace
}  // namespace kartovex
