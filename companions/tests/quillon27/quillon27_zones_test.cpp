#include "quillon27/quillon27_zones.h"

#include <gtest/gtest.h>

#include "common/companion_error.h"

namespace quillon27 {
namespace {

using companion::CompanionError;

QuillonRequest request(Province province, InputForm form, std::optional<double> meridian) {
  QuillonRequest r;
  r.province = province;
  r.form = form;
  r.centralMeridian = meridian;
  r.inputPath = "/w/INPUT.DAT";
  return r;
}

TEST(Quillon27Zones, UtmMeridianFixesTheUtmZone) {
  EXPECT_EQ(runZones(request(Province::NewBrunswick, InputForm::Grid, 69.0)).utmZone, 19);
  EXPECT_EQ(runZones(request(Province::NewBrunswick, InputForm::Utm, 63.0)).utmZone, 20);
  const RunZones ns = runZones(request(Province::NovaScotia, InputForm::Utm, 57.0));
  EXPECT_EQ(ns.utmZone, 21);
  EXPECT_FALSE(ns.mtmZone);
}

TEST(Quillon27Zones, MtmMeridianFixesTheNovaScotiaZone) {
  const RunZones zones = runZones(request(Province::NovaScotia, InputForm::Grid, 64.5));
  EXPECT_EQ(zones.mtmZone, 5);
  // One UTM zone for the whole run, as the front end labels it: zone 20,
  // even for points of western Nova Scotia that lie in zone 19.
  EXPECT_EQ(zones.utmZone, 20);
  EXPECT_EQ(runZones(request(Province::NovaScotia, InputForm::Geographic, 61.5)).mtmZone, 4);
}

TEST(Quillon27Zones, PrinceEdwardIslandUtmIsZone20) {
  EXPECT_EQ(runZones(request(Province::PrinceEdwardIsland, InputForm::Utm, std::nullopt)).utmZone,
            20);
  EXPECT_FALSE(
      runZones(request(Province::PrinceEdwardIsland, InputForm::Geographic, std::nullopt)).utmZone);
}

TEST(Quillon27Zones, MeridiansThatDoNotFitAreRejected) {
  EXPECT_THROW(runZones(request(Province::NewBrunswick, InputForm::Grid, 61.5)), CompanionError);
  EXPECT_THROW(runZones(request(Province::NovaScotia, InputForm::Grid, 60.0)), CompanionError);
  EXPECT_THROW(runZones(request(Province::NovaScotia, InputForm::Utm, 61.5)), CompanionError);
  EXPECT_THROW(runZones(request(Province::NovaScotia, InputForm::Grid, 63.0)), CompanionError);
}

}  // namespace
}  // namespace quillon27
