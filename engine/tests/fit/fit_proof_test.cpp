// What the fitted files must do: ORVANDEL leaves exactly the misfits the
// report gives, the model recovers a known field through noise, and the two
// directions fitted to the same controls undo each other.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "fit/control_file.h"
#include "fit/model_fit.h"
#include "orvandel_fixture.h"
#include "records/field_reader.h"
#include "synthetic_controls.h"
#include "transform/coefficient_file.h"
#include "transform/polynomial_transformation.h"

namespace fittest {
namespace {

using orvtest::TempDir;

constexpr double kPerSecond = orvfit::kMetresPerDegree / 3600.0;

double cosLat(double lat) { return std::cos(lat * std::acos(-1.0) / 180.0); }

std::vector<orvfit::ControlStation> parse(const std::string& text) {
    std::istringstream in(text);
    std::vector<orvfit::ControlStation> stations;
    std::vector<std::string> errors;
    EXPECT_TRUE(orvfit::readControls(in, "controls", ",", stations, errors));
    return stations;
}

orvtest::RunResult runFit(const TempDir& dir, const std::vector<std::string>& args) {
    orvtest::writeText(dir.file(".stdin"), "");
    return orvtest::runProgram(ORVANDEL_FIT_EXE, args, dir.path(), dir.file(".stdin"), {});
}

// The report file's station table: name -> in-sample misfit (metres).
std::map<std::string, std::pair<double, double>> reportMisfits(const std::string& path) {
    std::map<std::string, std::pair<double, double>> misfits;
    std::istringstream in(orvtest::readText(path));
    std::string line;
    bool table = false;
    while (std::getline(in, line)) {
        if (line.rfind("Station misfits", 0) == 0) {
            table = true;
            std::getline(in, line);  // column heads
            continue;
        }
        if (!table || line.empty()) continue;
        std::istringstream fields(line);
        std::string name;
        double lat = 0, lon = 0;
        fields >> name >> lat >> lon;
        misfits[name] = {lat, lon};
    }
    return misfits;
}

class FittedNb : public ::testing::Test {
protected:
    void SetUp() override {
        positions = nbPositions(120, 7);
        text = controlText(positions, 0.03, 11);
        controls = parse(text);
        ASSERT_EQ(controls.size(), positions.size());
        orvtest::writeText(dir.file("CONTROLS.TXT"), text);
        const orvtest::RunResult r = runFit(dir, {"--province", "NB", "--direction", "1", "--controls", "CONTROLS.TXT",
                                                  "--out", "TRNB2777.DAT", "--report", "REPORT.TXT"});
        ASSERT_EQ(r.status, 0) << r.errors;
        misfits = reportMisfits(dir.file("REPORT.TXT"));
        ASSERT_EQ(misfits.size(), controls.size());
    }

    TempDir dir;
    std::vector<std::pair<double, double>> positions;
    std::string text;
    std::vector<orvfit::ControlStation> controls;
    std::map<std::string, std::pair<double, double>> misfits;
};

TEST_F(FittedNb, OrvandelsPerStationCodeLeavesTheReportedMisfits) {
    const orvandel::CoefficientModel model = orvandel::readCoefficientFile(dir.file("TRNB2777.DAT"));
    EXPECT_GT(model.header.correlation, 0.0);  // the interpolation takes part
    double largest = 0.0;
    for (const auto& c : controls) {
        orvandel::TransformedStation t;
        ASSERT_TRUE(orvandel::transformStation(model, orvandel::GridLimits{}, c.nad27Lat, c.nad27Lon, t));
        const double lat = (t.latitude - c.ats77Lat) * 3600.0 * kPerSecond;
        const double lon = (t.longitude - c.ats77Lon) * 3600.0 * kPerSecond * cosLat(t.latitude);
        EXPECT_NEAR(lat, misfits[c.name].first, 1e-4) << c.name;
        EXPECT_NEAR(lon, misfits[c.name].second, 1e-4) << c.name;
        largest = std::max(largest, std::hypot(lat, lon));
    }
    // A weighted mean, not an interpolant: small misfits, but not zero.
    EXPECT_GT(largest, 1e-3);
}

TEST_F(FittedNb, TheOrvandelProgramLeavesTheReportedMisfits) {
    orvtest::OrvandelRun run;
    run.datafile = dir.path().string();
    std::string input;
    for (const auto& c : controls) {
        const auto split = [](double degrees, int& d, int& m, double& s) {
            d = static_cast<int>(degrees);
            m = static_cast<int>((degrees - d) * 60.0 + 1e-9);
            s = std::round(((degrees - d) * 60.0 - m) * 60.0 * 32.0) / 32.0;
        };
        int ld, lm, od, om;
        double ls, os;
        split(c.nad27Lat, ld, lm, ls);
        split(c.nad27Lon, od, om, os);
        input += orvtest::geoRecord(c.name, ld, lm, ls, od, om, os) + "\n";
    }
    run.addText("INPUT.DAT", input);
    const orvtest::RunResult r = run.run({"1", "1", "FITTED MODEL", "Y", "F", "INPUT.DAT", "1", ""});
    ASSERT_EQ(r.status, 0) << r.errors;
    const auto temp5 = run.lines("TEMP5.DAT");
    ASSERT_EQ(temp5.size(), controls.size());
    // ORVANDEL prints seconds to 1e-5: allow half of that beyond 0.1 mm.
    const double printed = 0.5e-5 * kPerSecond;
    for (std::size_t i = 0; i < temp5.size(); ++i) {
        const auto& c = controls[i];
        const std::string& rec = temp5[i];
        ASSERT_EQ(records::readText(rec, 2, 10).substr(0, c.name.size()), c.name);
        const double lat =
            std::stod(rec.substr(10, 4)) + std::stod(rec.substr(14, 4)) / 60.0 + std::stod(rec.substr(18, 8)) / 3600.0;
        const double lon =
            std::stod(rec.substr(29, 4)) + std::stod(rec.substr(33, 4)) / 60.0 + std::stod(rec.substr(37, 8)) / 3600.0;
        const double dLat = (lat - c.ats77Lat) * 3600.0 * kPerSecond;
        const double dLon = (lon - c.ats77Lon) * 3600.0 * kPerSecond * cosLat(lat);
        EXPECT_NEAR(dLat, misfits[c.name].first, 1e-4 + printed) << c.name;
        EXPECT_NEAR(dLon, misfits[c.name].second, 1e-4 + printed * cosLat(lat)) << c.name;
    }
}

TEST(FitProof, KnownFieldRecoveredThroughFiveCentimetreNoise) {
    const double sigma = 0.05;
    const auto controls = parse(controlText(nbPositions(400, 3), sigma, 5));
    orvfit::FitSettings settings;
    settings.correlations = orvfit::defaultCorrelations();
    orvfit::FitResult fit;
    std::string error;
    ASSERT_TRUE(orvfit::fitModel(controls, settings, fit, error)) << error;
    // The leave-one-out RMS sees the noise, about sqrt(2) sigma horizontally.
    EXPECT_LT(fit.leaveOneOut.horizontalMetres, 2.0 * sigma);
    // Held-out check points: a grid that none of the controls sits on.
    int checked = 0;
    double worst = 0.0;
    for (double lat = kNbLatMin + 0.07; lat < kNbLatMax; lat += 0.23) {
        for (double lon = kNbLonMin + 0.05; lon < kNbLonMax; lon += 0.31) {
            double aLat, aLon;
            knownAts77(lat, lon, aLat, aLon);
            orvandel::TransformedStation t;
            ASSERT_TRUE(orvandel::transformStation(fit.model, orvandel::GridLimits{}, lat, lon, t));
            const double dLat = (t.latitude - aLat) * 3600.0 * kPerSecond;
            const double dLon = (t.longitude - aLon) * 3600.0 * kPerSecond * cosLat(lat);
            EXPECT_LT(std::abs(dLat), 2.0 * sigma) << lat << " " << lon;
            EXPECT_LT(std::abs(dLon), 2.0 * sigma) << lat << " " << lon;
            worst = std::max({worst, std::abs(dLat), std::abs(dLon)});
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
    std::cout << "worst check-point error " << worst << " m over " << checked << " points\n";
}

TEST(FitProof, BothDirectionsCloseWithinOneCentimetre) {
    const TempDir dir;
    orvtest::writeText(dir.file("CONTROLS.TXT"), controlText(nbPositions(300, 17), 0.05, 19));
    const orvtest::RunResult r =
        runFit(dir, {"--province", "NB", "--both", "--controls", "CONTROLS.TXT", "--dir", dir.path().string()});
    ASSERT_EQ(r.status, 0) << r.errors;
    const auto forward = orvandel::readCoefficientFile(dir.file("TRNB2777.DAT"));
    const auto back = orvandel::readCoefficientFile(dir.file("TRNB7727.DAT"));
    EXPECT_EQ(forward.header.direction, 1);
    EXPECT_EQ(back.header.direction, 2);
    EXPECT_TRUE(orvtest::fs::exists(dir.file("TRNB2777_FIT.TXT")));
    EXPECT_TRUE(orvtest::fs::exists(dir.file("TRNB7727_FIT.TXT")));
    double worst = 0.0;
    int checked = 0;
    for (double lat = kNbLatMin; lat <= kNbLatMax + 1e-9; lat += 0.1) {
        for (double lon = kNbLonMin; lon <= kNbLonMax + 1e-9; lon += 0.1) {
            orvandel::TransformedStation there, home;
            ASSERT_TRUE(orvandel::transformStation(forward, orvandel::GridLimits{}, lat, lon, there));
            ASSERT_TRUE(
                orvandel::transformStation(back, orvandel::GridLimits{}, there.latitude, there.longitude, home));
            const double dLat = (home.latitude - lat) * 3600.0 * kPerSecond;
            const double dLon = (home.longitude - lon) * 3600.0 * kPerSecond * cosLat(lat);
            worst = std::max(worst, std::hypot(dLat, dLon));
            ++checked;
        }
    }
    EXPECT_LT(worst, 0.01);
    std::cout << "worst closure " << worst << " m over " << checked << " points\n";
}

}  // namespace
}  // namespace fittest
