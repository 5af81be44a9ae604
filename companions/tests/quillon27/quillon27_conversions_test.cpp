#include "quillon27/nad27_conversions.h"

#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <string>

#include "common/companion_error.h"

namespace quillon27 {
namespace {

constexpr double kFeetPerMetre = 1.0 / 0.3048;
constexpr double kMetresPerDegree = 111000.0;

// An independent Clarke 1866 projection by PROJ (tests only).
Plane projForward(const std::string& definition, const Geographic& point) {
  PJ_CONTEXT* context = proj_context_create();
  PJ* pj = proj_create(context, definition.c_str());
  EXPECT_NE(pj, nullptr) << definition;
  PJ_COORD out = proj_coord(HUGE_VAL, HUGE_VAL, 0, 0);
  if (pj != nullptr) {
    out = proj_trans(
        pj, PJ_FWD, proj_coord(proj_torad(-point.longitudeWest), proj_torad(point.latitude), 0, 0));
  }
  proj_destroy(pj);
  proj_context_destroy(context);
  return {out.xy.x, out.xy.y};
}

void expectRoundTripWithinAMillimetre(const Geographic& start, const Geographic& back) {
  EXPECT_LT(std::fabs(back.latitude - start.latitude) * kMetresPerDegree, 1e-3);
  EXPECT_LT(std::fabs(back.longitudeWest - start.longitudeWest) * kMetresPerDegree, 1e-3);
}

TEST(Quillon27Conversions, UtmAgreesWithProjOnClarke1866) {
  const Geographic points[] = {{46.0842222, 66.12}, {45.3, 64.9}, {46.8, 60.4}, {47.0, 68.7}};
  for (const Geographic& p : points) {
    const int zone = p.longitudeWest >= 66.0 ? 19 : p.longitudeWest > 60.0 ? 20 : 21;
    const Plane got = utmFromGeographic(zone, p);
    const Plane expected =
        projForward("+proj=utm +zone=" + std::to_string(zone) + " +ellps=clrk66", p);
    EXPECT_NEAR(got.easting, expected.easting, 2e-3);
    EXPECT_NEAR(got.northing, expected.northing, 2e-3);
  }
}

TEST(Quillon27Conversions, NovaScotiaGridAgreesWithProjInFeet) {
  const Geographic points[] = {{45.6, 61.1}, {44.7, 62.6}};
  for (const Geographic& p : points) {
    const Plane got = gridFromGeographic(Province::NovaScotia, 4, p);
    const Plane metres = projForward(
        "+proj=tmerc +lat_0=0 +lon_0=-61.5 +k=0.9999 +x_0=304800 +y_0=0 +ellps=clrk66", p);
    EXPECT_NEAR(got.easting, metres.easting * kFeetPerMetre, 0.005);
    EXPECT_NEAR(got.northing, metres.northing * kFeetPerMetre, 0.005);
  }
  const Plane zone5 = gridFromGeographic(Province::NovaScotia, 5, {44.2, 64.5});
  EXPECT_NEAR(zone5.easting, 1000000.0, 1e-6);  // on the zone's meridian
}

TEST(Quillon27Conversions, StereographicGridsStandAtTheirOrigins) {
  const Plane nb = gridFromGeographic(Province::NewBrunswick, 0, {46.5, 66.5});
  EXPECT_DOUBLE_EQ(nb.easting, 1000000.0);
  EXPECT_DOUBLE_EQ(nb.northing, 1000000.0);
  const Plane pei = gridFromGeographic(Province::PrinceEdwardIsland, 0, {47.25, 63.0});
  EXPECT_DOUBLE_EQ(pei.easting, 500000.0);
  EXPECT_DOUBLE_EQ(pei.northing, 700000.0);
}

TEST(Quillon27Conversions, StereographicGridsLieCloseToProjDoubleStereographic) {
  // The NAD27 grids are computed differently from PROJ's sterea; a few tenths
  // of a foot apart, but a wrong province, axis or sign is far off.
  const Geographic nbPoint{47.1, 65.3};
  const Plane nb = gridFromGeographic(Province::NewBrunswick, 0, nbPoint);
  const Plane nbProj = projForward(
      "+proj=sterea +lat_0=46.5 +lon_0=-66.5 +k=0.999912 +x_0=304800 +y_0=304800 +ellps=clrk66",
      nbPoint);
  EXPECT_NEAR(nb.easting, nbProj.easting * kFeetPerMetre, 0.5);
  EXPECT_NEAR(nb.northing, nbProj.northing * kFeetPerMetre, 0.5);
  const Geographic peiPoint{46.3, 62.5};
  const Plane pei = gridFromGeographic(Province::PrinceEdwardIsland, 0, peiPoint);
  const Plane peiProj = projForward(
      "+proj=sterea +lat_0=47.25 +lon_0=-63 +k=0.999912 +x_0=152400 +y_0=213360 +ellps=clrk66",
      peiPoint);
  EXPECT_NEAR(pei.easting, peiProj.easting * kFeetPerMetre, 0.5);
  EXPECT_NEAR(pei.northing, peiProj.northing * kFeetPerMetre, 0.5);
}

TEST(Quillon27Conversions, GridRoundTripsCloseWithinAMillimetre) {
  struct Case {
    Province province;
    int mtmZone;
    Geographic point;
  };
  const Case cases[] = {{Province::NewBrunswick, 0, {45.2, 67.8}},
                        {Province::NewBrunswick, 0, {47.9, 64.6}},
                        {Province::PrinceEdwardIsland, 0, {46.1, 62.1}},
                        {Province::PrinceEdwardIsland, 0, {46.9, 64.3}},
                        {Province::NovaScotia, 4, {46.9, 60.2}},
                        {Province::NovaScotia, 5, {43.6, 65.9}}};
  for (const Case& c : cases) {
    const Plane grid = gridFromGeographic(c.province, c.mtmZone, c.point);
    expectRoundTripWithinAMillimetre(c.point, geographicFromGrid(c.province, c.mtmZone, grid));
  }
}

TEST(Quillon27Conversions, UtmRoundTripsCloseWithinAMillimetre) {
  for (int zone = 19; zone <= 21; ++zone) {
    const Geographic point{45.9, 183.0 - 6.0 * zone - 2.4};
    expectRoundTripWithinAMillimetre(point,
                                     geographicFromUtm(zone, utmFromGeographic(zone, point)));
  }
}

TEST(Quillon27Conversions, EastingsNextToTheCentralMeridianStillConvert) {
  // TM27FW puts points within 5e-7 rad of the meridian on it; the inverse of
  // an easting a few feet off must still give the point's latitude.
  const Plane onMeridian = gridFromGeographic(Province::NovaScotia, 4, {45.4, 61.5});
  const Geographic back =
      geographicFromGrid(Province::NovaScotia, 4, {onMeridian.easting + 3.0, onMeridian.northing});
  EXPECT_NEAR(back.latitude, 45.4, 1e-3 / kMetresPerDegree);
  EXPECT_NEAR(back.longitudeWest, 61.5, 2.0 / kMetresPerDegree);
  const Plane utm = utmFromGeographic(20, {46.0, 63.0});
  const Geographic utmBack = geographicFromUtm(20, {utm.easting - 1.0, utm.northing});
  EXPECT_NEAR(utmBack.latitude, 46.0, 1e-3 / kMetresPerDegree);
}

TEST(Quillon27Conversions, PointsFarFromTheProvincesAreRefused) {
  using companion::CompanionError;
  EXPECT_THROW(gridFromGeographic(Province::NewBrunswick, 0, {10.0, 66.0}), CompanionError);
  EXPECT_THROW(geographicFromGrid(Province::NewBrunswick, 0, {9e9, 9e9}), CompanionError);
  EXPECT_THROW(geographicFromGrid(Province::PrinceEdwardIsland, 0, {-7e7, 1e8}), CompanionError);
  EXPECT_THROW(geographicFromGrid(Province::NovaScotia, 4, {1e300, -1e300}), CompanionError);
  EXPECT_THROW(geographicFromUtm(20, {500000.0, 2e7}), CompanionError);
  EXPECT_THROW(utmFromGeographic(18, {45.0, 75.0}), CompanionError);
}

}  // namespace
}  // namespace quillon27
