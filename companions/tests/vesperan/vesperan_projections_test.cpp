#include "vesperan/projections.h"

#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <string>

#include "common/companion_error.h"

namespace vesperan {
namespace {

const std::string kAts77 = " +a=6378135 +rf=298.257";
const std::string kGrs80 = " +ellps=GRS80";

// The same grids written out as PROJ strings: easting-first by construction.
std::string explicitGrid(Datum datum, Grid grid) {
  const bool ats = datum == Datum::Ats77;
  const std::string ellipsoid = ats ? kAts77 : kGrs80;
  switch (grid) {
    case Grid::NewBrunswick:
      return "+proj=sterea +lat_0=46.5 +lon_0=-66.5 +k=0.999912" +
             std::string(ats ? " +x_0=300000 +y_0=800000" : " +x_0=2500000 +y_0=7500000") +
             ellipsoid;
    case Grid::PrinceEdwardIsland:
      return "+proj=sterea +lat_0=47.25 +lon_0=-63 +k=0.999912" +
             std::string(ats ? " +x_0=700000 +y_0=400000" : " +x_0=400000 +y_0=800000") + ellipsoid;
    case Grid::NovaScotiaMtm4:
      return "+proj=tmerc +lat_0=0 +lon_0=-61.5 +k=0.9999 +y_0=0" +
             std::string(ats ? " +x_0=4500000" : " +x_0=14500000") + ellipsoid;
    case Grid::NovaScotiaMtm5:
      return "+proj=tmerc +lat_0=0 +lon_0=-64.5 +k=0.9999 +y_0=0" +
             std::string(ats ? " +x_0=5500000" : " +x_0=15500000") + ellipsoid;
  }
  return "";
}

class ExplicitProjection {
 public:
  explicit ExplicitProjection(const std::string& definition)
      : context_(proj_context_create()), pj_(proj_create(context_, definition.c_str())) {}
  ~ExplicitProjection() {
    proj_destroy(pj_);
    proj_context_destroy(context_);
  }
  PlanePoint forward(const GeoPoint& point) const {
    const PJ_COORD out =
        proj_trans(pj_, PJ_FWD,
                   proj_coord(proj_torad(-point.longitudeWest), proj_torad(point.latitude), 0, 0));
    return {out.xy.x, out.xy.y};
  }
  bool valid() const { return pj_ != nullptr; }

 private:
  PJ_CONTEXT* context_;
  PJ* pj_;
};

struct Case {
  Datum datum;
  Grid grid;
  GeoPoint point;
};

const Case kCases[] = {
    {Datum::Ats77, Grid::NewBrunswick, {46.1, 66.9}},
    {Datum::Nad83Csrs, Grid::NewBrunswick, {47.3, 65.2}},
    {Datum::Ats77, Grid::PrinceEdwardIsland, {46.3, 63.4}},
    {Datum::Nad83Csrs, Grid::PrinceEdwardIsland, {46.9, 64.1}},
    {Datum::Ats77, Grid::NovaScotiaMtm4, {45.6, 61.1}},
    {Datum::Nad83Csrs, Grid::NovaScotiaMtm4, {44.9, 62.4}},
    {Datum::Ats77, Grid::NovaScotiaMtm5, {44.2, 65.7}},
    {Datum::Nad83Csrs, Grid::NovaScotiaMtm5, {45.1, 64.0}},
};

TEST(VesperanProjections, GridsAgreeWithTheirExplicitEastingFirstDefinitions) {
  Projections projections;
  for (const Case& c : kCases) {
    ExplicitProjection reference(explicitGrid(c.datum, c.grid));
    ASSERT_TRUE(reference.valid());
    const PlanePoint expected = reference.forward(c.point);
    const PlanePoint got = projections.toGrid(c.datum, c.grid, c.point);
    SCOPED_TRACE(gridDefinition(c.datum, c.grid));
    EXPECT_NEAR(got.easting, expected.easting, 1e-6);
    EXPECT_NEAR(got.northing, expected.northing, 1e-6);
  }
}

TEST(VesperanProjections, NorthingFirstNewBrunswickGridsComeOutEastingFirst) {
  Projections projections;
  const PlanePoint ats = projections.toGrid(Datum::Ats77, Grid::NewBrunswick, {46.5, 66.5});
  EXPECT_NEAR(ats.easting, 300000.0, 1e-6);
  EXPECT_NEAR(ats.northing, 800000.0, 1e-6);
  const PlanePoint csrs = projections.toGrid(Datum::Nad83Csrs, Grid::NewBrunswick, {46.5, 66.5});
  EXPECT_NEAR(csrs.easting, 2500000.0, 1e-6);
  EXPECT_NEAR(csrs.northing, 7500000.0, 1e-6);
  const GeoPoint back =
      projections.fromGrid(Datum::Nad83Csrs, Grid::NewBrunswick, {2500000.0, 7500000.0});
  EXPECT_NEAR(back.latitude, 46.5, 1e-10);
  EXPECT_NEAR(back.longitudeWest, 66.5, 1e-10);
}

TEST(VesperanProjections, EpsgNewBrunswickDefinitionIsIndeedNorthingFirst) {
  // Without normalisation the EPSG axis order would swap the two values.
  PJ_CONTEXT* context = proj_context_create();
  PJ* raw = proj_create_crs_to_crs(context, "EPSG:4122", "EPSG:2200", nullptr);
  ASSERT_NE(raw, nullptr);
  const PJ_COORD out = proj_trans(raw, PJ_FWD, proj_coord(46.5, -66.5, 0, 0));
  EXPECT_NEAR(out.xy.x, 800000.0, 1e-6);
  EXPECT_NEAR(out.xy.y, 300000.0, 1e-6);
  proj_destroy(raw);
  proj_context_destroy(context);
}

TEST(VesperanProjections, UtmZonesAgreeWithExplicitDefinitions) {
  Projections projections;
  for (Datum datum : {Datum::Ats77, Datum::Nad83Csrs}) {
    for (int zone = 19; zone <= 21; ++zone) {
      const GeoPoint point{45.7, 183.0 - 6.0 * zone + 1.3};
      ExplicitProjection reference("+proj=utm +zone=" + std::to_string(zone) +
                                   (datum == Datum::Ats77 ? kAts77 : kGrs80));
      const PlanePoint expected = reference.forward(point);
      const PlanePoint got = projections.toUtm(datum, zone, point);
      SCOPED_TRACE(utmDefinition(datum, zone));
      EXPECT_NEAR(got.easting, expected.easting, 1e-6);
      EXPECT_NEAR(got.northing, expected.northing, 1e-6);
    }
  }
}

TEST(VesperanProjections, RoundTripsCloseWithinAMillimetre) {
  Projections projections;
  for (const Case& c : kCases) {
    const PlanePoint grid = projections.toGrid(c.datum, c.grid, c.point);
    const GeoPoint back = projections.fromGrid(c.datum, c.grid, grid);
    const double metresPerDegree = 111000.0;
    EXPECT_LT(std::fabs(back.latitude - c.point.latitude) * metresPerDegree, 1e-3);
    EXPECT_LT(std::fabs(back.longitudeWest - c.point.longitudeWest) * metresPerDegree, 1e-3);
    const int zone = 20;
    const PlanePoint utm = projections.toUtm(c.datum, zone, c.point);
    const GeoPoint fromUtm = projections.fromUtm(c.datum, zone, utm);
    EXPECT_LT(std::fabs(fromUtm.latitude - c.point.latitude) * metresPerDegree, 1e-3);
    EXPECT_LT(std::fabs(fromUtm.longitudeWest - c.point.longitudeWest) * metresPerDegree, 1e-3);
  }
}

TEST(VesperanProjections, ZonesOutsideTheMaritimesAreRefused) {
  Projections projections;
  EXPECT_THROW(projections.toUtm(Datum::Ats77, 18, {45.0, 75.0}), companion::CompanionError);
  EXPECT_THROW(projections.fromUtm(Datum::Nad83Csrs, 22, {500000.0, 5000000.0}),
               companion::CompanionError);
}

TEST(VesperanProjections, ImpossibleCoordinatesAreErrorsNotCrashes) {
  Projections projections;
  EXPECT_THROW(projections.fromGrid(Datum::Ats77, Grid::NovaScotiaMtm4, {1e300, 1e300}),
               companion::CompanionError);
  EXPECT_THROW(projections.toGrid(Datum::Ats77, Grid::NewBrunswick, {95.0, 66.0}),
               companion::CompanionError);
}

}  // namespace
}  // namespace vesperan
