#include <gtest/gtest.h>

#include "io_test_support.h"
#include "results/data_line.h"
#include "results/write_out_text.h"

// A geographic column keeps one form whatever route the point took: two-digit
// minutes and two digits of whole seconds.
namespace kartovex {
namespace {

using iotest::IoTest;
using iotest::Placed;

class GeographicFormTest : public IoTest {
 protected:
  void Bin(const std::string& name, const std::string& line) {
    iotest::WriteFile(settings.binDir + name, line + "\r\n");
  }
};

TEST_F(GeographicFormTest, TrnGhstOneDigitMinutesAndSeconds) {
  // ORVANDEL's GHOST record writes minutes in I2 and seconds in F8.5.
  Bin("TRN_GHST.DAT",
      Placed({{1, " 04      "}, {10, "CHTOWN"}, {40, "N46 14 5.050640W 63  7 9.733280"}}));
  ASSERT_TRUE(WriteOutText(ctx, "TRANSFORM_LL"));
  EXPECT_EQ(DataLines(), std::vector<std::string>{"CHTOWN,46,14,05.05064,63,07,09.73328"});
}

TEST_F(GeographicFormTest, TrnGhstTwoDigitsStayAsTheyAre) {
  Bin("TRN_GHST.DAT",
      Placed({{1, " 04      "}, {10, "CHTOWN"}, {40, "N46 1417.050640W 63  749.733280"}}));
  ASSERT_TRUE(WriteOutText(ctx, "TRANSFORM_LL"));
  EXPECT_EQ(DataLines(), std::vector<std::string>{"CHTOWN,46,14,17.05064,63,07,49.73328"});
}

TEST_F(GeographicFormTest, EveryReaderGivesTheSameForm) {
  settings.province = Province::PEI;
  Bin("LL_GHOST.DAT", Placed({{7, "P1"}, {40, "N46 14 5.05064 W 63  7 9.73328"}}));
  run.newFile = settings.binDir + "P.NEW";
  iotest::WriteFile(run.newFile, Placed({{7, "P1"},
                                         {41, "46"},
                                         {44, "14"},
                                         {47, " 5.05064"},
                                         {57, "63"},
                                         {60, " 7"},
                                         {63, " 9.73328"}}) +
                                     "\r\n");
  std::string listing;
  for (int i = 0; i < 4; ++i) listing += "HEADING\r\n";
  listing += Placed({{95, "46"},
                     {98, "14"},
                     {101, " 5.05064"},
                     {110, "63"},
                     {113, " 7"},
                     {116, " 9.73328"},
                     {125, "P1"}}) +
             "\r\n";
  iotest::WriteFile(settings.binDir + "QUILLON27.OUT", listing);
  Bin("TRN_GHST.DAT", Placed({{10, "P1"}, {40, "N46 14 5.050640W 63  7 9.733280"}}));
  for (const char* mode : {"LL_GHOST", "NEW_FILE", "QUILLON27_LL", "TRANSFORM_LL"}) {
    ASSERT_TRUE(WriteOutText(ctx, mode)) << mode;
    EXPECT_EQ(DataLines(), std::vector<std::string>{"P1,46,14,05.05064,63,07,09.73328"}) << mode;
  }
}

TEST_F(GeographicFormTest, DataLineNormalisesOnlyNumbers) {
  GeoPoint p{"P1", "45", "5", ".5", "66", "7", "9"};
  EXPECT_EQ(GeoDataLine(p, settings, extraTexts), "P1,45,05,00.5,66,07,09");
  // Fields that are not plain numbers go through untouched.
  GeoPoint q{"P2", "45", "x", "1.2.3", "66", "123", "1x.5"};
  EXPECT_EQ(GeoDataLine(q, settings, extraTexts), "P2,45,x,1.2.3,66,123,1x.5");
}

}  // namespace
}  // namespace kartovex
