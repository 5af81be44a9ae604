// The transformation of one station and the stage's stops.
#include "transform/polynomial_transformation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "common/program_stop.h"
#include "tests/orvandel/program_runner.h"
#include "transform/coefficient_file.h"

namespace orvandel {
namespace {

CoefficientModel flatModel(double lat, double lon) {
    CoefficientModel m;
    m.header.direction = 0;
    m.header.originLat = lat;
    m.header.originLon = lon;
    m.coefficients = {{0.0, 0.0}};
    return m;
}

TEST(TransformStation, GridLimitsAreInclusive) {
    CoefficientModel m = flatModel(44.0, 64.0);
    m.header.lonScale = 0.1;  // the radius reaches the longitude limits
    GridLimits limits;
    TransformedStation r;
    EXPECT_TRUE(transformStation(m, limits, 43.0, 64.0, r));
    EXPECT_TRUE(transformStation(m, limits, 44.0, 59.0, r));
    EXPECT_FALSE(transformStation(m, limits, 42.9999, 64.0, r));
    EXPECT_FALSE(transformStation(m, limits, 44.0, 69.5001, r));
}

TEST(TransformStation, RadiusOfOnePointNine) {
    const CoefficientModel m = flatModel(45.0, 64.0);
    GridLimits limits;
    TransformedStation r;
    EXPECT_TRUE(transformStation(m, limits, 45.0 + 1.9 - 1e-12, 64.0, r));
    EXPECT_FALSE(transformStation(m, limits, 45.0 + 1.9 + 1e-9, 64.0, r));
    // Along the diagonal too.
    const double d = 1.9 / std::sqrt(2.0);
    EXPECT_TRUE(transformStation(m, limits, 45.0 + d - 1e-9, 64.0 + d - 1e-9, r));
    EXPECT_FALSE(transformStation(m, limits, 45.0 + d + 1e-6, 64.0 + d + 1e-6, r));
}

TEST(TransformStation, CorrectionsAreSubtracted) {
    CoefficientModel m = flatModel(45.0, 64.0);
    m.coefficients = {{3.6, -7.2}};
    m.header.latOffset = 0.4;
    TransformedStation r;
    ASSERT_TRUE(transformStation(m, GridLimits(), 45.5, 64.5, r));
    EXPECT_DOUBLE_EQ(r.corrections.polyLat, 4.0);
    EXPECT_DOUBLE_EQ(r.corrections.polyLon, -7.2);
    EXPECT_NEAR(r.latitude, 45.5 - 4.0 / 3600.0, 1e-12);
    EXPECT_NEAR(r.longitude, 64.5 + 7.2 / 3600.0, 1e-12);
}

TEST(TransformStation, ZeroDivisorIsNotTransformed) {
    CoefficientModel m = flatModel(45.0, 64.0);
    m.coefficients = {{1.0, 1.0}};
    m.header.latDivisor = 0.0;
    TransformedStation r;
    EXPECT_FALSE(transformStation(m, GridLimits(), 45.5, 64.5, r));
}

class Stage : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("DATAFILE", models.path().c_str(), 1);
        CoefficientModel m = flatModel(46.0, 66.0);
        ASSERT_TRUE(writeCoefficientFile(models.file("TRNB2777.DAT"), m));
        orvtest::writeText(dir.file("ORVANDEL.OUT"), "");
        orvtest::writeText(dir.file("TEMP1.DAT"), " STN1     46.0 0.0 0.00000   66.0 0.0 0.00000       0.000\n");
    }
    long long run() {
        RunContext c{in, screen, dir.path(), "07-DEC-2026"};
        return runPolynomialTransformation(c);
    }
    orvtest::TempDir dir, models;
    std::istringstream in;
    std::ostringstream screen;
};

TEST_F(Stage, EqualLimitsStopAfterTheirLines) {
    orvtest::writeText(dir.file("TEMP2.DAT"), "T\n991 69.5 69.5 43.0 48.50.0090.900           1\n");
    try {
        run();
        FAIL() << "no stop";
    } catch (const ProgramStop& stop) {
        EXPECT_EQ(stop.status(), 2);
        EXPECT_NE(std::string(stop.what()).find("WRONG LIMITS FOR THE GRID"), std::string::npos);
    }
    const std::string report = orvtest::readText(dir.file("ORVANDEL.OUT"));
    EXPECT_NE(report.find("          THE GRID LONGITUDE LIMITS ARE   69.5  AND    69.5  (+ WEST)\n\n"
                          "          WRONG LIMITS FOR THE GRID\n"),
              std::string::npos)
        << report;
    EXPECT_EQ(report.find("THE DEGREE OF THE EXPANSION"), std::string::npos);
}

TEST_F(Stage, LimitsAreOrderedBeforeUse) {
    orvtest::writeText(dir.file("TEMP2.DAT"), "T\n991 59.0 69.5 48.5 43.00.0090.900           1\n");
    EXPECT_EQ(run(), 1);
    const std::string report = orvtest::readText(dir.file("ORVANDEL.OUT"));
    EXPECT_NE(report.find("THE GRID LATITUDE LIMITS ARE    43.0  AND    48.5  (+ NORTH)"), std::string::npos);
    EXPECT_NE(report.find("THE GRID LONGITUDE LIMITS ARE   69.5  AND    59.0  (+ WEST)"), std::string::npos);
}

TEST_F(Stage, MissingParameterRecordIsAClearError) {
    orvtest::writeText(dir.file("TEMP2.DAT"), "T\n");
    try {
        run();
        FAIL() << "no stop";
    } catch (const ProgramStop& stop) {
        EXPECT_EQ(stop.status(), 2);
    }
}

TEST_F(Stage, RecordNumberFollowsTheStation) {
    orvtest::writeText(dir.file("TEMP2.DAT"), "T\n991 69.5 59.0 43.0 48.50.0090.900           1\n");
    orvtest::writeText(dir.file("TEMP1.DAT"),
                       " OUT      40.0 0.0 0.00000   66.0 0.0 0.00000       0.000\n"
                       " IN       46.0 0.0 0.00000   66.0 0.0 0.00000       0.000\n");
    EXPECT_EQ(run(), 1);
    const auto temp5 = orvtest::readLines(dir.file("TEMP5.DAT"));
    ASSERT_EQ(temp5.size(), 1u);
    EXPECT_EQ(temp5[0], " IN       46.0 0.0 0.00000   66.0 0.0 0.00000        2");
}

TEST_F(Stage, FortyFiveStationsToAReportPage) {
    orvtest::writeText(dir.file("TEMP2.DAT"), "T\n991 69.5 59.0 43.0 48.50.0090.900           1\n");
    std::string temp1;
    for (int i = 0; i < 91; ++i) temp1 += " STN      46.0 0.0 0.00000   66.0 0.0 0.00000       0.000\n";
    orvtest::writeText(dir.file("TEMP1.DAT"), temp1);
    EXPECT_EQ(run(), 91);
    const std::string report = orvtest::readText(dir.file("ORVANDEL.OUT"));
    std::size_t pages = 0;
    for (std::size_t at = report.find("GEOGRAPHICS IN THE DATUM TRANSFORMED TO."); at != std::string::npos;
         at = report.find("GEOGRAPHICS IN THE DATUM TRANSFORMED TO.", at + 1)) {
        ++pages;
    }
    // Stations 1, 46 and 91 open a page.
    EXPECT_EQ(pages, 3u);
}

}  // namespace
}  // namespace orvandel
