// The approximate datum shift and the coefficient directory.
#include "transform/datum_shift.h"

#include <gtest/gtest.h>

#include <cmath>

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
