// The approximate datum shift and the coefficient directory.
#include "transform/datum_shift.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "common/program_stop.h"
#include "transform/coefficient_directory.h"

namespace orvandel {
namespace {

TEST(DatumShift, OtherDirectionsLeaveTheCoordinates) {
    double lat = 46.1, lon = 65.2;
    approximateShift(0, lat, lon);
    approximateShift(3, lat, lon);
    EXPECT_EQ(lat, 46.1);
    EXPECT_EQ(lon, 65.2);
}

TEST(DatumShift, ManyStationsAtOnceGiveWhatEachGivesAlone) {
    for (int direction : {0, 1, 2}) {
        std::vector<double> lat, lon;
        for (int i = 0; i < 301; ++i) {
            lat.push_back(43.4 + (i % 37) * 0.11);
            lon.push_back(59.7 + (i % 41) * 0.23);
        }
        lat[7] = 90.0;  // the pole
        lon[8] = 360.0;
        std::vector<double> manyLat = lat, manyLon = lon;
        approximateShift(direction, manyLat.data(), manyLon.data(), lat.size());
        for (std::size_t i = 0; i < lat.size(); ++i) {
            double oneLat = lat[i], oneLon = lon[i];
            approximateShift(direction, oneLat, oneLon);
            EXPECT_EQ(std::memcmp(&oneLat, &manyLat[i], sizeof oneLat), 0) << direction << " " << i;
            EXPECT_EQ(std::memcmp(&oneLon, &manyLon[i], sizeof oneLon), 0) << direction << " " << i;
        }
    }
}

TEST(DatumShift, ForthAndBackReturnsNearlyToTheStart) {
    double lat = 46.1, lon = 65.2;
    approximateShift(1, lat, lon);
    EXPECT_GT(std::fabs(lat - 46.1) * 3600, 0.05);
    EXPECT_LT(std::fabs(lat - 46.1) * 3600, 10.0);
    EXPECT_LT(std::fabs(lon - 65.2) * 3600, 10.0);
    approximateShift(2, lat, lon);
    EXPECT_NEAR(lat * 3600, 46.1 * 3600, 2e-3);
    EXPECT_NEAR(lon * 3600, 65.2 * 3600, 2e-3);
}

TEST(DatumShift, LongitudeStaysWestAndPositive) {
    double lat = 45.0, lon = 60.0;
    approximateShift(1, lat, lon);
    EXPECT_GT(lon, 59.99);
    EXPECT_LT(lon, 60.01);
}

TEST(CoefficientDirectory, WholeValueWithSeparator) {
    EXPECT_EQ(coefficientDirectory("/opt/orvandel data/coefficients of the maritimes"),
              "/opt/orvandel data/coefficients of the maritimes/");
    EXPECT_EQ(coefficientDirectory("/data/   "), "/data/");
    EXPECT_EQ(coefficientDirectory("rel"), "rel/");
    EXPECT_EQ(coefficientPath("/d/", 3), "/d/TRPE2777.DAT");
}

TEST(CoefficientDirectory, UnsetOrBlankEndsTheRun) {
    EXPECT_THROW(coefficientDirectory(nullptr), ProgramStop);
    EXPECT_THROW(coefficientDirectory("   "), ProgramStop);
    EXPECT_THROW(coefficientPath("/d/", 0), ProgramStop);
}

}  // namespace
}  // namespace orvandel
