// Coefficient files on disk: framing, round trip and damaged files.
#include "transform/coefficient_file.h"

#include <gtest/gtest.h>

#include "common/program_stop.h"
#include "tests/orvandel/program_runner.h"

namespace orvandel {
namespace {

CoefficientModel sampleModel() {
    CoefficientModel m;
    m.header.degree = 2;
    m.header.direction = 1;
    m.header.correlation = 0.15;
    m.header.originLat = 46.5;
    m.header.originLon = 66.4;
    m.header.latOffset = 0.01;
    m.header.lonOffset = -0.02;
    m.header.latScale = 0.45;
    m.header.lonScale = 0.3;
    m.header.latDivisor = 1.5;
    m.header.lonDivisor = 2.5;
    m.control.u = {0.1, -0.2};
    m.control.v = {0.3, 0.4};
    m.control.residualLat = {0.05, -0.06};
    m.control.residualLon = {0.07, 0.08};
    m.control.weight = {1.0, 0.5};
    m.header.stationCount = 2;
    m.coefficients = {{0.3, -0.5}, {0.1, 0.2}, {-0.01, 0.02}};
    m.lastValue = 99.0;
    return m;
}

int stopStatus(const std::string& path) {
    try {
        readCoefficientFile(path);
    } catch (const ProgramStop& stop) {
        EXPECT_NE(std::string(stop.what()).find(path), std::string::npos) << stop.what();
        return stop.status();
    }
    return 0;
}

TEST(CoefficientFile, LayoutOnDisk) {
    orvtest::TempDir dir;
    const std::string path = dir.file("M.DAT");
    ASSERT_TRUE(writeCoefficientFile(path, sampleModel()));
    const std::string bytes = orvtest::readText(path);
    // 4 + 84 + 4, then 4 + (5*2 + 2*3 + 1) * 8 + 4.
    ASSERT_EQ(bytes.size(), 92u + 8u + 17u * 8u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x54\0\0\0", 4));
    EXPECT_EQ(bytes.substr(4, 4), std::string("\x02\0\0\0", 4));  // degree
    EXPECT_EQ(bytes.substr(8, 4), std::string("\x02\0\0\0", 4));  // stations
    EXPECT_EQ(bytes.substr(88, 4), std::string("\x54\0\0\0", 4));
    EXPECT_EQ(bytes.substr(92, 4), std::string("\x88\0\0\0", 4));  // 136 bytes
}

TEST(CoefficientFile, RoundTrip) {
    orvtest::TempDir dir;
    const std::string path = dir.file("M.DAT");
    const CoefficientModel m = sampleModel();
    ASSERT_TRUE(writeCoefficientFile(path, m));
    const CoefficientModel back = readCoefficientFile(path);
    EXPECT_EQ(back.header.degree, 2);
    EXPECT_EQ(back.header.stationCount, 2);
    EXPECT_EQ(back.header.direction, 1);
    EXPECT_EQ(back.header.correlation, 0.15);
    EXPECT_EQ(back.header.originLon, 66.4);
    EXPECT_EQ(back.header.lonDivisor, 2.5);
    EXPECT_EQ(back.control.u, m.control.u);
    EXPECT_EQ(back.control.v, m.control.v);
    EXPECT_EQ(back.control.residualLat, m.control.residualLat);
    EXPECT_EQ(back.control.residualLon, m.control.residualLon);
    EXPECT_EQ(back.control.weight, m.control.weight);
    EXPECT_EQ(back.coefficients, m.coefficients);
    EXPECT_EQ(back.lastValue, 99.0);
}

TEST(CoefficientFile, EveryTruncationIsAClearError) {
    orvtest::TempDir dir;
    const std::string path = dir.file("M.DAT");
    ASSERT_TRUE(writeCoefficientFile(path, sampleModel()));
    const std::string bytes = orvtest::readText(path);
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        orvtest::writeText(path, bytes.substr(0, n));
        EXPECT_EQ(stopStatus(path), 2) << "length " << n;
    }
}

TEST(CoefficientFile, MismatchedMarkersAndLengths) {
    orvtest::TempDir dir;
    const std::string path = dir.file("M.DAT");
    ASSERT_TRUE(writeCoefficientFile(path, sampleModel()));
    const std::string good = orvtest::readText(path);
    std::string bad = good;
    bad[88] = 0x50;  // closing marker of record 1
    orvtest::writeText(path, bad);
    EXPECT_EQ(stopStatus(path), 2);
    bad = good;
    bad[8] = 3;  // three stations claimed, two present
    orvtest::writeText(path, bad);
    EXPECT_EQ(stopStatus(path), 2);
    bad = good;
    bad[8] = '\xff';
    bad[9] = '\xff';
    bad[10] = '\xff';
    bad[11] = '\x7f';  // a huge station count must not allocate
    orvtest::writeText(path, bad);
    EXPECT_EQ(stopStatus(path), 2);
}

TEST(CoefficientFile, DegreeBeyondFiveIsRefused) {
    orvtest::TempDir dir;
    const std::string path = dir.file("M.DAT");
    CoefficientModel m = sampleModel();
    m.header.degree = 6;
    m.coefficients.resize(7);
    ASSERT_TRUE(writeCoefficientFile(path, m));
    EXPECT_EQ(stopStatus(path), 2);
}

TEST(CoefficientFile, MissingFile) {
    orvtest::TempDir dir;
    EXPECT_EQ(stopStatus(dir.file("NONE.DAT")), 2);
}

}  // namespace
}  // namespace orvandel
