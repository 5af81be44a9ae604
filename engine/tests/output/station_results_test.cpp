// Projecting transformed stations into the target datum.
#include "output/station_results.h"

#include <gtest/gtest.h>

#include "geodesy/mpcord.h"
#include "geodesy/stereo27.h"
#include "geodesy/tm27.h"

namespace orvandel {
namespace {

TransformedRecord at(int ld, int lm, double ls, int od, int om, double os) {
    TransformedRecord t;
    t.latDegrees = ld;
    t.latMinutes = lm;
    t.latSeconds = ls;
    t.lonDegrees = od;
    t.lonMinutes = om;
    t.lonSeconds = os;
    return t;
}

GridRecord in(const std::string& province, char unit, int zone = 0) {
    GridRecord g;
    g.province = province;
    g.unit = unit;
    g.zone = zone;
    return g;
}

TEST(StationResults, NovaScotiaZoneFromThePositionTowardsNad27) {
    const StationResult east = resultsToNad27(in("NS ", 'R', 5), at(45, 0, 0.0, 63, 0, 0.0));
    EXPECT_DOUBLE_EQ(east.gridEasting, geodesy::TM27FW(45.0, 63.0, 0.9999, 61.5, geodesy::Tm27Unit::Feet).easting);
    const StationResult west = resultsToNad27(in("NS ", 'R', 4), at(45, 0, 0.0, 63, 30, 0.0));
    EXPECT_DOUBLE_EQ(west.gridEasting, geodesy::TM27FW(45.0, 63.5, 0.9999, 64.5, geodesy::Tm27Unit::Feet).easting);
}

TEST(StationResults, PeiFeetOriginIsTheMetricOrigin) {
    // The PEI NAD27 grid origin, 47 15 N 63 W, is (500000, 700000) feet.
    const StationResult r = resultsToNad27(in("PEI", 'R'), at(47, 15, 0.0, 63, 0, 0.0));
    const geodesy::St27Grid g = geodesy::ST27FW(47.25, 63.0, 3);
    EXPECT_DOUBLE_EQ(r.gridEasting, g.easting);
    EXPECT_NEAR(r.gridEasting, 500000.0, 1e-3);
    EXPECT_NEAR(r.gridNorthing, 700000.0, 1e-3);
    EXPECT_NEAR(r.metricEasting, 300000.0, 1e-3);
    EXPECT_NEAR(r.metricNorthing, 300000.0, 1e-3);
}

TEST(StationResults, NewBrunswickMetricIsFeetTimes03048) {
    const StationResult r = resultsToNad27(in("NB ", 'R'), at(46, 0, 0.0, 66, 0, 0.0));
    EXPECT_DOUBLE_EQ(r.metricEasting, r.gridEasting * 0.3048);
    EXPECT_DOUBLE_EQ(r.metricNorthing, r.gridNorthing * 0.3048);
    EXPECT_EQ(r.utmZone, 19);
}

TEST(StationResults, Ats77MeridianCarriesOverForOtherZones) {
    geodesy::ZoneMemory zones;
    double meridian = 0.0;
    const TransformedRecord t = at(45, 0, 0.0, 61, 30, 0.0);
    const StationResult zone4 = resultsToAts77(in("NS ", 'F', 4), t, meridian, zones);
    EXPECT_EQ(meridian, -61.5);
    const StationResult carried = resultsToAts77(in("NS ", 'F', 0), t, meridian, zones);
    EXPECT_EQ(meridian, -61.5);
    EXPECT_DOUBLE_EQ(carried.gridEasting, zone4.gridEasting);
    EXPECT_NEAR(zone4.gridEasting, 4500000.0, 1e-3);  // on the central meridian
    resultsToAts77(in("NS ", 'F', 5), t, meridian, zones);
    EXPECT_EQ(meridian, -64.5);
    EXPECT_EQ(zone4.utmZone, 20);
}

}  // namespace
}  // namespace orvandel
