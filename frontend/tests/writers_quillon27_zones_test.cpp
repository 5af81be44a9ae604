#include <gtest/gtest.h>

#include "io_test_support.h"
#include "writers/utm_writers.h"

// QUILLON27 converts a whole run in one zone: a file that mixes zones is
// refused rather than converted in the first point's zone.
namespace kartovex {
namespace {

using iotest::IoTest;

class Quillon27ZonesTest : public IoTest {
 protected:
  void SetUp() override {
    IoTest::SetUp();
    run.fromForm = CoordForm::XY;
    settings.utmZone = UtmZone::None;
  }
};

TEST_F(Quillon27ZonesTest, RefusesASecondZone) {
  Input("U1,500000,5000000,20\nU2,500000,5000000,21\nU3,500000,5000000,20\n");
  EXPECT_FALSE(IntoQuillon27_XY(ctx));
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "ERROR");
  EXPECT_EQ(
      m.text,
      "IntoQuillon27_XY: An error occurred while reformatting your data (Zones mismatch)! [line 2] "
      "(field 4 \"Zone\": \"21\")");
  // Only the points before the refused one reached the file.
  EXPECT_EQ(WorkInput(), std::vector<std::string>{"U1      500000.000  5000000.000"});
}

TEST_F(Quillon27ZonesTest, RefusalInFrench) {
  settings.language = Language::French;
  Input("U1,500000,5000000,19\nU2,500000,5000000,20\n");
  EXPECT_FALSE(IntoQuillon27_XY(ctx));
  auto m = OnlyMessage();
  EXPECT_EQ(m.title, "ERREUR");
  EXPECT_EQ(m.text,
            "IntoQuillon27_XY: Une erreur s'est produite en restructurant vos données ( Zones "
            "mal assortis) [ligne 2] (champ 4 « Zone » : « 20 »)");
}

TEST_F(Quillon27ZonesTest, ZoneLeftFromAnEarlierRunDoesNotCount) {
  // The writer starts from an empty zone, so a zone set by the user or an
  // earlier run is not a mismatch.
  settings.utmZone = UtmZone::Zone19;
  Input("U1,500000,5000000,21\nU2,500000,5000000,21\n");
  ASSERT_TRUE(IntoQuillon27_XY(ctx));
  EXPECT_EQ(settings.utmZone, UtmZone::Zone21);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(Quillon27ZonesTest, BlanksAroundTheZoneAreTheSameZone) {
  Input("U1,500000,5000000,20\nU2,500000,5000000, 20 \n");
  ASSERT_TRUE(IntoQuillon27_XY(ctx));
  EXPECT_EQ(WorkInput().size(), 2u);
}

}  // namespace
}  // namespace kartovex
