// Damaged coefficient files: non-finite or zero header values, non-finite
// model values, and files cut short at any byte. Each is refused with the
// file named, never read as a model that transforms nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/program_stop.h"
#include "tests/orvandel/program_runner.h"
#include "transform/coefficient_file.h"

namespace orvandel {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

CoefficientModel smallModel() {
    CoefficientModel m;
    m.header.degree = 1;
    m.header.direction = 1;
    m.header.correlation = 0.2;
    m.header.originLat = 46.0;
    m.header.originLon = 66.0;
    m.header.latOffset = 0.1;
    m.header.lonOffset = -0.1;
    m.header.latScale = 0.5;
    m.header.lonScale = 0.4;
    m.header.latDivisor = 2.0;
    m.header.lonDivisor = 3.0;
    m.control.u = {0.1, -0.2};
    m.control.v = {0.3, 0.4};
    m.control.residualLat = {0.05, -0.06};
    m.control.residualLon = {0.07, 0.08};
    m.control.weight = {1.0, 0.5};
    m.header.stationCount = 2;
    m.coefficients = {{0.3, -0.5}, {0.1, 0.2}};
    m.lastValue = 0.0;
    return m;
}

// The stop's message, or "" when the file was read.
std::string refusal(const std::string& path) {
    try {
        readCoefficientFile(path);
    } catch (const ProgramStop& stop) {
        EXPECT_EQ(stop.status(), 2);
        return stop.what();
    }
    return "";
}

double* headerReal(CoefficientHeader& h, int i) {
    double* const reals[] = {&h.correlation, &h.originLat, &h.originLon,  &h.latOffset, &h.lonOffset,
                             &h.latScale,    &h.lonScale,  &h.latDivisor, &h.lonDivisor};
    return reals[i];
}

TEST(CoefficientDamage, NonFiniteHeaderValuesAreRefused) {
    orvtest::TempDir dir;
    const std::string path = dir.file("TRNB2777.DAT");
    for (int i = 0; i < 9; ++i) {
        for (double bad : {kNaN, kInf, -kInf}) {
            CoefficientModel m = smallModel();
            *headerReal(m.header, i) = bad;
            ASSERT_TRUE(writeCoefficientFile(path, m));
            const std::string why = refusal(path);
            EXPECT_NE(why.find(path), std::string::npos) << i << " " << bad << ": " << why;
            EXPECT_NE(why.find("NOT A FINITE NUMBER"), std::string::npos) << why;
        }
    }
}

TEST(CoefficientDamage, ZeroScaleOrDivisorIsRefused) {
    orvtest::TempDir dir;
    const std::string path = dir.file("TRNS2777.DAT");
    const char* names[] = {"LATITUDE SCALE FACTOR", "LONGITUDE SCALE FACTOR", "LATITUDE DIVISOR", "LONGITUDE DIVISOR"};
    for (int i = 5; i < 9; ++i) {
        for (double zero : {0.0, -0.0}) {
            CoefficientModel m = smallModel();
            *headerReal(m.header, i) = zero;
            ASSERT_TRUE(writeCoefficientFile(path, m));
            const std::string why = refusal(path);
            EXPECT_NE(why.find(path), std::string::npos) << why;
            EXPECT_NE(why.find(std::string(names[i - 5]) + " IS ZERO"), std::string::npos) << why;
        }
    }
}

TEST(CoefficientDamage, ZeroOffsetsOriginAndCorrelationAreFine) {
    orvtest::TempDir dir;
    const std::string path = dir.file("TRPE2777.DAT");
    CoefficientModel m = smallModel();
    m.header.correlation = 0.0;  // switches the residuals off
    m.header.latOffset = 0.0;
    m.header.lonOffset = 0.0;
    m.header.originLat = 0.0;
    ASSERT_TRUE(writeCoefficientFile(path, m));
    EXPECT_EQ(refusal(path), "");
}

TEST(CoefficientDamage, NonFiniteModelValuesAreRefused) {
    orvtest::TempDir dir;
    const std::string path = dir.file("TRNB7727.DAT");
    // 5N + 2(n+1) values are used; each one in turn.
    const int used = 5 * 2 + 2 * 2;
    for (int i = 0; i < used; ++i) {
        CoefficientModel m = smallModel();
        std::vector<double*> values;
        for (std::size_t j = 0; j < 2; ++j) {
            values.push_back(&m.control.u[j]);
            values.push_back(&m.control.v[j]);
        }
        for (std::size_t j = 0; j < 2; ++j) {
            values.push_back(&m.control.residualLat[j]);
            values.push_back(&m.control.residualLon[j]);
        }
        for (std::size_t j = 0; j < 2; ++j) values.push_back(&m.control.weight[j]);
        double parts[4] = {m.coefficients[0].real(), m.coefficients[0].imag(), m.coefficients[1].real(),
                           m.coefficients[1].imag()};
        for (double& p : parts) values.push_back(&p);
        *values[static_cast<std::size_t>(i)] = i % 2 == 0 ? kNaN : -kInf;
        m.coefficients = {{parts[0], parts[1]}, {parts[2], parts[3]}};
        ASSERT_TRUE(writeCoefficientFile(path, m));
        const std::string why = refusal(path);
        EXPECT_NE(why.find(path), std::string::npos) << i << ": " << why;
        EXPECT_NE(why.find("RECORD 2 VALUE " + std::to_string(i + 1) + " IS NOT A FINITE NUMBER"), std::string::npos)
            << why;
    }
}

TEST(CoefficientDamage, TheUnusedLastValueIsNotChecked) {
    orvtest::TempDir dir;
    const std::string path = dir.file("TRNS7727.DAT");
    CoefficientModel m = smallModel();
    m.lastValue = kNaN;
    ASSERT_TRUE(writeCoefficientFile(path, m));
    EXPECT_EQ(refusal(path), "");
}

TEST(CoefficientDamage, CutAtEveryByteIsRefused) {
    orvtest::TempDir dir;
    const std::string whole = dir.file("WHOLE.DAT");
    ASSERT_TRUE(writeCoefficientFile(whole, smallModel()));
    const std::string bytes = orvtest::readText(whole);
    ASSERT_EQ(refusal(whole), "");
    const std::string path = dir.file("TRPE7727.DAT");
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        orvtest::writeText(path, bytes.substr(0, size));
        const std::string why = refusal(path);
        EXPECT_NE(why.find(path), std::string::npos) << "cut at " << size << ": " << why;
        EXPECT_TRUE(why.find("MISSING") != std::string::npos || why.find("TRUNCATED") != std::string::npos)
            << "cut at " << size << ": " << why;
    }
}

}  // namespace
}  // namespace orvandel
