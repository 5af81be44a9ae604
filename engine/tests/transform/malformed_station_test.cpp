// A malformed TEMP1.DAT record ends the transformation with an
// input-conversion error, but the stations read before it, still waiting
// in the batch for their residuals, are written first.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "common/program_stop.h"
#include "tests/orvandel/program_runner.h"
#include "transform/coefficient_file.h"
#include "transform/polynomial_transformation.h"
#include "transform/station_batch.h"

namespace orvandel {
namespace {

CoefficientModel residualModel() {
    CoefficientModel m;
    m.header.direction = 0;
    m.header.correlation = 0.3;  // residuals on: stations go through the batch
    m.header.originLat = 46.0;
    m.header.originLon = 66.0;
    m.control.u = {0.0, 0.2};
    m.control.v = {0.0, -0.1};
    m.control.residualLat = {0.5, -0.5};
    m.control.residualLon = {0.25, 0.75};
    m.control.weight = {1.0, 1.0};
    m.header.stationCount = 2;
    m.coefficients = {{0.0, 0.0}};
    return m;
}

std::string temp1Record(int i) {
    char buf[80];
    std::snprintf(buf, sizeof buf, " S%-8d46.0 0.0%8.5f   66.0 0.0%8.5f       0.000", i, (i % 60) * 0.5,
                  (i % 50) * 0.5);
    return buf;
}

class MalformedStation : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("DATAFILE", models.path().c_str(), 1);
        ASSERT_TRUE(writeCoefficientFile(models.file("TRNB2777.DAT"), residualModel()));
        orvtest::writeText(dir.file("ORVANDEL.OUT"), "");
        orvtest::writeText(dir.file("TEMP2.DAT"), "T\n991 69.5 59.0 43.0 48.50.0090.900           1\n");
    }
    // `good` stations, then a record whose latitude degrees are no number.
    void stations(int good) {
        std::string text;
        for (int i = 1; i <= good; ++i) text += temp1Record(i) + "\n";
        text += " BAD      4X.0 0.0 0.00000   66.0 0.0 0.00000       0.000\n";
        text += temp1Record(good + 1) + "\n";
        orvtest::writeText(dir.file("TEMP1.DAT"), text);
    }
    std::string stop() {
        RunContext c{in, screen, dir.path(), "07-DEC-2026"};
        try {
            runPolynomialTransformation(c);
        } catch (const ProgramStop& s) {
            EXPECT_EQ(s.status(), 2);
            return s.what();
        }
        ADD_FAILURE() << "no stop";
        return "";
    }
    orvtest::TempDir dir, models;
    std::istringstream in;
    std::ostringstream screen;
};

TEST_F(MalformedStation, StationsOfAPartBatchAreWrittenBeforeTheStop) {
    stations(5);
    const std::string why = stop();
    EXPECT_NE(why.find("TEMP1.DAT RECORD 6"), std::string::npos) << why;
    EXPECT_NE(why.find("INPUT CONVERSION ERROR"), std::string::npos) << why;
    const auto temp5 = orvtest::readLines(dir.file("TEMP5.DAT"));
    ASSERT_EQ(temp5.size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(temp5[i].substr(1, 9), temp1Record(i + 1).substr(1, 9));
    int lines = 0;
    for (const auto& l : orvtest::readLines(dir.file("ORVANDEL.OUT"))) lines += l.rfind("     S", 0) == 0;
    EXPECT_EQ(lines, 5);
}

TEST_F(MalformedStation, FullBatchesAndThePartOneAfterThemAreAllWritten) {
    const int good = static_cast<int>(StationBatch::kCapacity) * 2 + 3;
    stations(good);
    const std::string why = stop();
    EXPECT_NE(why.find("TEMP1.DAT RECORD " + std::to_string(good + 1)), std::string::npos) << why;
    const auto temp5 = orvtest::readLines(dir.file("TEMP5.DAT"));
    ASSERT_EQ(temp5.size(), static_cast<std::size_t>(good));
    EXPECT_EQ(temp5.back().substr(1, 9), temp1Record(good).substr(1, 9));
    // The station after the bad record is never read.
    EXPECT_EQ(orvtest::readText(dir.file("TEMP5.DAT")).find(temp1Record(good + 1).substr(1, 9)), std::string::npos);
}

TEST_F(MalformedStation, BatchedResultsMatchAnUninterruptedRun) {
    stations(40);
    stop();
    const std::string interrupted = orvtest::readText(dir.file("TEMP5.DAT"));
    std::string text;
    for (int i = 1; i <= 40; ++i) text += temp1Record(i) + "\n";
    orvtest::writeText(dir.file("TEMP1.DAT"), text);
    orvtest::writeText(dir.file("ORVANDEL.OUT"), "");
    RunContext c{in, screen, dir.path(), "07-DEC-2026"};
    EXPECT_EQ(runPolynomialTransformation(c), 40);
    EXPECT_EQ(orvtest::readText(dir.file("TEMP5.DAT")), interrupted);
}

// Thousands of stations pass in batches on two threads; a malformed record
// after them leaves the same report and TEMP5.DAT as a run without it.
TEST_F(MalformedStation, ManyBatchesBeforeTheStopMatchAnUninterruptedRun) {
    const int good = 13000;
    stations(good);
    const std::string why = stop();
    EXPECT_NE(why.find("TEMP1.DAT RECORD " + std::to_string(good + 1)), std::string::npos) << why;
    const std::string temp5 = orvtest::readText(dir.file("TEMP5.DAT"));
    const std::string report = orvtest::readText(dir.file("ORVANDEL.OUT"));
    const auto lines = orvtest::readLines(dir.file("TEMP5.DAT"));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(good));
    for (int i = 0; i < good; ++i) ASSERT_EQ(lines[i].substr(1, 9), temp1Record(i + 1).substr(1, 9)) << i;

    std::string text;
    for (int i = 1; i <= good; ++i) text += temp1Record(i) + "\n";
    orvtest::writeText(dir.file("TEMP1.DAT"), text);
    orvtest::writeText(dir.file("ORVANDEL.OUT"), "");
    RunContext c{in, screen, dir.path(), "07-DEC-2026"};
    EXPECT_EQ(runPolynomialTransformation(c), good);
    EXPECT_EQ(orvtest::readText(dir.file("TEMP5.DAT")), temp5);
    EXPECT_EQ(orvtest::readText(dir.file("ORVANDEL.OUT")), report);
}

}  // namespace
}  // namespace orvandel
