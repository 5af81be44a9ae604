#include "config/central_meridian.h"

#include <gtest/gtest.h>

#include "config_fixture.h"

namespace kartovex {
namespace {

class CentralMeridianTest : public testing::Installation {
 protected:
  std::string cm(const std::string& province, const std::string& utm, const std::string& mtm,
                 const std::string& mode) {
    settings.province = ProvinceFromText(province);
    settings.utmZone = UtmZoneFromText(utm);
    settings.mtmZone = MtmZoneFromText(mtm);
    return CentralMeridian(settings, messages, mode);
  }
};

TEST_F(CentralMeridianTest, Keys) {
  settings.province = Province::NS;
  settings.utmZone = UtmZone::Zone20;
  EXPECT_EQ(CentralMeridianKey(settings, "transform"), "NS 20 Central Meridian transform");
  EXPECT_EQ(CentralMeridianKey(settings, "quillon27 XY"), "NS 20 Central Meridian quillon27");
  settings.utmZone = UtmZone::None;
  EXPECT_EQ(CentralMeridianKey(settings, "transform"), "NS 0 Central Meridian transform");
  settings.mtmZone = MtmZone::Zone5;
  EXPECT_EQ(CentralMeridianKey(settings, "vesperan"), "NS 5 Central Meridian quillon27 MTM");
  settings.mtmZone = MtmZoneFromText("");
  EXPECT_EQ(CentralMeridianKey(settings, "quillon27 NE"), "NS 21 Central Meridian");
  settings.province = Province::PEI;
  settings.utmZone = UtmZone::Zone20;
  EXPECT_EQ(CentralMeridianKey(settings, "quillon27 XY"), "PEI Central Meridian 20");
  EXPECT_EQ(CentralMeridianKey(settings, "other"), "");
}

TEST_F(CentralMeridianTest, TransformMode) {
  EXPECT_EQ(cm("NB", "19", "4", "transform"), "66.5");
  EXPECT_EQ(cm("NB", "21", "4", "transform"), "57.0");
  EXPECT_EQ(cm("NS", "20", "4", "transform"), "63.0");
  EXPECT_EQ(cm("NS", "21", "5", "transform"), "57.0");
  EXPECT_EQ(cm("PEI", "20", "4", "transform"), "63.0");
}

TEST_F(CentralMeridianTest, Quillon27NeAndVesperanModes) {
  EXPECT_EQ(cm("NS", "20", "4", "quillon27 NE"), "61.5");
  EXPECT_EQ(cm("NS", "20", "5", "vesperan"), "64.5");
  EXPECT_EQ(cm("NS", "20", "", "vesperan"), "57.0");
  EXPECT_EQ(cm("NB", "20", "4", "vesperan"), "63.0");
}

TEST_F(CentralMeridianTest, Quillon27XyMode) {
  EXPECT_EQ(cm("NS", "21", "4", "quillon27 XY"), "57.0");
  EXPECT_EQ(cm("NB", "19", "4", "quillon27 XY"), "66.5");
}

TEST_F(CentralMeridianTest, UnknownModeOrMissingValueGives69) {
  EXPECT_EQ(cm("NB", "19", "4", "lumbrix"), "69.0");
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(cm("NS", "19", "4", "transform"), "69.0");  // no "NS 19 ..." key
  EXPECT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "System ERROR");
  EXPECT_EQ(cm("XX", "19", "4", "transform"), "69.0");
}

TEST_F(CentralMeridianTest, EmptyValueGives69) {
  setValue("NB Central Meridian 20", "");
  EXPECT_EQ(cm("NB", "20", "4", "transform"), "69.0");
}

}  // namespace
}  // namespace kartovex
