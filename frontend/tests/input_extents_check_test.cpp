#include <gtest/gtest.h>

#include "input/extents_check.h"

namespace kartovex {
namespace {

const GridExtent kGrid{2600000.0, 7600000.0, 2400000.0, 7300000.0};
const GeographicExtent kGeo{48.0, 63.5, 44.5, 69.0};

TEST(CheckGridExtentsTest, InsideIsAccepted) {
  EXPECT_FALSE(CheckGridExtents(2500000.0, 7400000.0, "e", "n", kGrid));
}

TEST(CheckGridExtentsTest, BoundaryValuesAreOutside) {
  auto ne = CheckGridExtents(2600000.0, 7400000.0, "2600000.000", "n", kGrid);
  ASSERT_TRUE(ne);
  EXPECT_STREQ(ne->title.en, "Invalid Easting/File Error");
  EXPECT_EQ(ne->value, "2600000.000");
  EXPECT_TRUE(CheckGridExtents(2400000.0, 7400000.0, "e", "n", kGrid));
  auto north = CheckGridExtents(2500000.0, 7300000.0, "e", "7300000.000", kGrid);
  ASSERT_TRUE(north);
  EXPECT_STREQ(north->title.en, "Invalid Northing/File Error");
  EXPECT_STREQ(north->title.fr, "NORD non conforme/Erreur de fichier");
  EXPECT_TRUE(CheckGridExtents(2500000.0, 7600000.0, "e", "n", kGrid));
}

TEST(CheckGridExtentsTest, EastingIsCheckedFirst) {
  auto both = CheckGridExtents(1.0, 1.0, "e", "n", kGrid);
  ASSERT_TRUE(both);
  EXPECT_STREQ(both->message.en,
               "The following Easting is outside the defined limits in the ini file: ");
  EXPECT_STREQ(both->title.fr, "EST non conforme/Erreur de fichier ");
}

TEST(CheckGeoExtentsTest, LongitudeIsWestPositive) {
  const GeoFields f{"P1", "45", "05", "03.20000", "66", "07", "12.00000", ""};
  EXPECT_FALSE(CheckGeoExtents(45.0, 66.0, f, kGeo));
  auto east = CheckGeoExtents(45.0, 63.5, f, kGeo);
  ASSERT_TRUE(east);
  EXPECT_STREQ(east->title.en, "Invalid Longitude/File Error");
  EXPECT_EQ(east->value, "66 07 12.00000");
  EXPECT_TRUE(CheckGeoExtents(45.0, 69.0, f, kGeo));
  auto lat = CheckGeoExtents(48.0, 99.0, f, kGeo);
  ASSERT_TRUE(lat);
  EXPECT_STREQ(lat->title.en, "Invalid Latitude/File Error");
  EXPECT_STREQ(lat->message.fr, "La valeur Latitude est à l'extérieure: ");
  EXPECT_EQ(lat->value, "45 05 03.20000");
  EXPECT_TRUE(CheckGeoExtents(44.5, 66.0, f, kGeo));
}

TEST(GridExtentOfTest, ByFromDatum) {
  Extents e;
  e.ats77.NE_EAST = 1;
  e.nad27.NE_EAST = 2;
  e.nad83.NE_EAST = 3;
  EXPECT_EQ(GridExtentOf(e, Datum::ATS77).NE_EAST, 1);
  EXPECT_EQ(GridExtentOf(e, Datum::NAD27).NE_EAST, 2);
  EXPECT_EQ(GridExtentOf(e, Datum::NAD83).NE_EAST, 3);
}

}  // namespace
}  // namespace kartovex
