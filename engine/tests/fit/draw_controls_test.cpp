// orvandel-draw-controls: control stations drawn from a hand-made model's
// field, in the layout orvandel-fit reads.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "fit/control_file.h"
#include "orvandel_fixture.h"
#include "transform/coefficient_text.h"
#include "transform/polynomial_transformation.h"

namespace fittest {
namespace {

orvandel::CoefficientModel handMade(const std::string& name) {
    std::ifstream text(std::string(ORVANDEL_MODELS_DIR) + "/" + name + ".txt");
    orvandel::CoefficientModel model;
    std::string error;
    EXPECT_TRUE(orvandel::parseCoefficientText(text, model, error)) << error;
    return model;
}

std::vector<orvfit::ControlStation> draw(const std::string& model, double noise) {
    orvtest::TempDir dir;
    orvtest::writeText(dir.file(".stdin"), "");
    const orvtest::RunResult r = orvtest::runProgram(ORVANDEL_DRAW_EXE,
                                                     {std::string(ORVANDEL_MODELS_DIR) + "/" + model + ".txt", "45.5",
                                                      "47.5", "64.5", "67.5", "20", std::to_string(noise), "3"},
                                                     dir.path(), dir.file(".stdin"), {});
    EXPECT_EQ(r.status, 0) << r.errors;
    std::istringstream in(r.screen);
    std::vector<orvfit::ControlStation> stations;
    std::vector<std::string> errors;
    EXPECT_TRUE(orvfit::readControls(in, "drawn", ",", stations, errors)) << (errors.empty() ? "" : errors[0]);
    return stations;
}

TEST(DrawControls, StationsCarryTheModelsTransformation) {
    const auto model = handMade("TRNB2777");
    const auto stations = draw("TRNB2777", 0.0);
    ASSERT_GT(stations.size(), 30u);
    for (const auto& s : stations) {
        // NAD27 on 1/32 second, the exact single-precision input of ORVANDEL.
        const double seconds = s.nad27Lat * 3600.0 * 32.0;
        EXPECT_NEAR(seconds, std::round(seconds), 1e-4) << s.name;
        orvandel::TransformedStation t;
        ASSERT_TRUE(orvandel::transformStation(model, orvandel::GridLimits{}, s.nad27Lat, s.nad27Lon, t));
        EXPECT_NEAR(t.latitude * 3600.0, s.ats77Lat * 3600.0, 0.6e-5) << s.name;
        EXPECT_NEAR(t.longitude * 3600.0, s.ats77Lon * 3600.0, 0.6e-5) << s.name;
    }
}

TEST(DrawControls, AnAts77ToNad27ModelStartsFromAts77) {
    const auto model = handMade("TRNB7727");
    const auto stations = draw("TRNB7727", 0.0);
    ASSERT_GT(stations.size(), 30u);
    for (const auto& s : stations) {
        orvandel::TransformedStation t;
        ASSERT_TRUE(orvandel::transformStation(model, orvandel::GridLimits{}, s.ats77Lat, s.ats77Lon, t));
        EXPECT_NEAR(t.latitude * 3600.0, s.nad27Lat * 3600.0, 0.6e-5) << s.name;
    }
}

TEST(DrawControls, NoiseMovesTheOtherDatumOnly) {
    const auto exact = draw("TRNB2777", 0.0);
    const auto noisy = draw("TRNB2777", 0.05);
    ASSERT_EQ(exact.size(), noisy.size());
    double sum = 0.0;
    for (std::size_t i = 0; i < exact.size(); ++i) {
        EXPECT_EQ(exact[i].nad27Lat, noisy[i].nad27Lat);
        const double d = (noisy[i].ats77Lat - exact[i].ats77Lat) * 111319.456;
        sum += d * d;
    }
    const double rms = std::sqrt(sum / static_cast<double>(exact.size()));
    EXPECT_GT(rms, 0.03);
    EXPECT_LT(rms, 0.08);
}

}  // namespace
}  // namespace fittest
