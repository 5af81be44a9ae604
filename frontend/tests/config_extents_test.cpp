#include "config/load_extents.h"

#include <gtest/gtest.h>

#include "config_fixture.h"

namespace kartovex {
namespace {

class LoadExtentsTest : public testing::Installation {
 protected:
  void expectExtentsError(const char* title, const char* text) {
    ASSERT_FALSE(sink.messages.empty());
    EXPECT_EQ(sink.messages.back().kind, RecordedMessage::Kind::Critical);
    EXPECT_EQ(sink.messages.back().title, title);
    EXPECT_EQ(sink.messages.back().text, text);
  }
};

TEST_F(LoadExtentsTest, SectionPrefix) {
  EXPECT_EQ(ExtentSectionPrefix(Province::NB, MtmZone::Zone4), "NB ");
  EXPECT_EQ(ExtentSectionPrefix(Province::PEI, MtmZone::Zone5), "PEI ");
  EXPECT_EQ(ExtentSectionPrefix(Province::NS, MtmZone::Zone4), "NS 4 ");
  EXPECT_EQ(ExtentSectionPrefix(Province::NS, MtmZone::Zone5), "NS 5 ");
}

TEST_F(LoadExtentsTest, ReadsAllTwelveLimits) {
  ASSERT_TRUE(LoadExtents(settings, messages, Province::NB, MtmZone::Zone4, ini));
  const Extents& e = settings.extents;
  EXPECT_DOUBLE_EQ(e.latLong.NE_LAT, 48.1);
  EXPECT_DOUBLE_EQ(e.latLong.NE_LON, 63.7);
  EXPECT_DOUBLE_EQ(e.latLong.SW_LAT, 44.5);
  EXPECT_DOUBLE_EQ(e.latLong.SW_LON, 69.1);
  EXPECT_DOUBLE_EQ(e.nad83.NE_EAST, 2750000.0);
  EXPECT_DOUBLE_EQ(e.ats77.SW_NORTH, 7250000.0);
  EXPECT_DOUBLE_EQ(e.nad27.NE_NORTH, 1500000.0);
  EXPECT_DOUBLE_EQ(e.nad27.SW_EAST, 100000.0);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(LoadExtentsTest, NovaScotiaByMtmZone) {
  ASSERT_TRUE(LoadExtents(settings, messages, Province::NS, MtmZone::Zone4, ini));
  EXPECT_DOUBLE_EQ(settings.extents.latLong.SW_LON, 63.0);
  ASSERT_TRUE(LoadExtents(settings, messages, Province::NS, MtmZone::Zone5, ini));
  EXPECT_DOUBLE_EQ(settings.extents.latLong.SW_LON, 66.5);
  EXPECT_DOUBLE_EQ(settings.extents.nad83.NE_EAST, 5600000.0);
}

TEST_F(LoadExtentsTest, TakesTheUsersDecimalSeparator) {
  SetDecimalSeparatorOverride(std::string(","));
  ASSERT_TRUE(LoadExtents(settings, messages, Province::PEI, MtmZone::Zone4, ini));
  EXPECT_EQ(settings.decimalSeparator, ",");
  EXPECT_DOUBLE_EQ(settings.extents.latLong.NE_LAT, 47.1);
}

TEST_F(LoadExtentsTest, ZeroValueFails) {
  setValue("NE_LAT", "0");
  Extents before = settings.extents;
  EXPECT_FALSE(LoadExtents(settings, messages, Province::NB, MtmZone::Zone4, ini));
  expectExtentsError("ERROR", "LoadExtents: An error occurred while reading the extents!");
  EXPECT_DOUBLE_EQ(settings.extents.latLong.NE_LAT, before.latLong.NE_LAT);
}

TEST_F(LoadExtentsTest, ZeroWithDecimalsIsZeroToo) {
  setValue("SW_NORTH", "0.000");  // the first SW_NORTH is NB NAD83's
  EXPECT_FALSE(LoadExtents(settings, messages, Province::NB, MtmZone::Zone4, ini));
}

TEST_F(LoadExtentsTest, MinusOneValueFailsInFrench) {
  settings.language = Language::French;
  setValue("SW_LON", "-1");
  EXPECT_FALSE(LoadExtents(settings, messages, Province::NB, MtmZone::Zone4, ini));
  expectExtentsError("ERREUR", "LoadExtents: Une erreur s'est produite durant le traitement!");
}

TEST_F(LoadExtentsTest, MissingKeyShowsSystemErrorThenFails) {
  removeKey("NE_NORTH");
  EXPECT_FALSE(LoadExtents(settings, messages, Province::NB, MtmZone::Zone4, ini));
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(sink.messages[0].title, "System ERROR");
  EXPECT_EQ(sink.messages[0].text,
            "Failed to find in section 'NB NAD83' with key 'NE_NORTH' in " + ini + ".");
}

TEST_F(LoadExtentsTest, MissingSectionStopsAtTheFirstValue) {
  EXPECT_FALSE(LoadExtents(settings, messages, ProvinceFromText("-1"), MtmZone::Zone4, ini));
  // One System ERROR box for the first key, then the extents error.
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(sink.messages[0].text,
            "Failed to find in section '-1 LAT_LONG' with key 'NE_LAT' in " + ini + ".");
}

TEST_F(LoadExtentsTest, TextThatIsNotANumberFails) {
  setValue("NE_LON", "sixty");
  EXPECT_FALSE(LoadExtents(settings, messages, Province::NB, MtmZone::Zone4, ini));
  expectExtentsError("ERROR", "LoadExtents: An error occurred while reading the extents!");
}

TEST_F(LoadExtentsTest, NegativeValuesOtherThanMinusOneAreLimits) {
  setValue("NE_LON", "-0.5");
  ASSERT_TRUE(LoadExtents(settings, messages, Province::NB, MtmZone::Zone4, ini));
  EXPECT_DOUBLE_EQ(settings.extents.latLong.NE_LON, -0.5);
}

}  // namespace
}  // namespace kartovex
