// The demo's coefficient files: fitted by orvandel-fit to the synthetic
// control stations kept in engine/models, drawn from a known smooth field.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "fit/control_file.h"
#include "fit/model_fit.h"
#include "orvandel_fixture.h"
#include "transform/coefficient_file.h"
#include "transform/polynomial_transformation.h"

namespace fittest {
namespace {

using orvtest::TempDir;
namespace fs = std::filesystem;

// How each province's controls were drawn (the command lines of the models'
// README): the hand-made model's shift and polynomial, a smooth field of
// 15 cm and 250 km, 1.5 cm of noise.
struct Province {
    const char* stem;               // NB_CONTROLS.TXT
    const char* province;           // orvandel-fit's name
    const char* model;              // hand-made model the field starts from
    std::vector<std::string> area;  // south, north, east, west
    const char* spacing;
    const char* seed;
    const char* forward;
    const char* backward;
};

const std::vector<Province>& provinces() {
    static const std::vector<Province> all{
        {"NB", "NB", "TRNB2777", {"44.55", "48.15", "63.75", "69.10"}, "12", "1", "TRNB2777", "TRNB7727"},
        {"NS", "NS", "TRNS2777", {"43.35", "47.10", "59.75", "66.40"}, "15", "2", "TRNS2777", "TRNS7727"},
        {"PE", "PEI", "TRPE2777", {"45.90", "47.10", "61.90", "64.45"}, "6", "3", "TRPE2777", "TRPE7727"}};
    return all;
}

std::string models(const std::string& name) { return std::string(ORVANDEL_MODELS_DIR) + "/" + name; }

orvtest::RunResult run(const char* program, const std::vector<std::string>& args, const TempDir& dir) {
    orvtest::writeText(dir.file(".stdin"), "");
    return orvtest::runProgram(program, args, dir.path(), dir.file(".stdin"), {});
}

// The draw program's output for a province, with another spacing and noise
// when asked: the field depends on the seed and the area only.
std::string draw(const Province& p, const std::string& spacing, const std::string& noise) {
    TempDir dir;
    std::vector<std::string> args{
        "--polynomial-only", "--smooth", "0.15", "250", "--prefix", p.stem, models(std::string(p.model) + ".txt")};
    args.insert(args.end(), p.area.begin(), p.area.end());
    args.insert(args.end(), {spacing, noise, p.seed});
    const orvtest::RunResult r = run(ORVANDEL_DRAW_EXE, args, dir);
    EXPECT_EQ(r.status, 0) << r.errors;
    return r.screen;
}

std::vector<orvfit::ControlStation> parse(const std::string& text) {
    std::istringstream in(text);
    std::vector<orvfit::ControlStation> stations;
    std::vector<std::string> errors;
    EXPECT_TRUE(orvfit::readControls(in, "controls", ",", stations, errors)) << (errors.empty() ? "" : errors[0]);
    return stations;
}

TEST(DemoModels, ControlsAreTheDrawnOnes) {
    for (const Province& p : provinces()) {
        const std::string committed = orvtest::readText(models(std::string(p.stem) + "_CONTROLS.TXT"));
        EXPECT_EQ(draw(p, p.spacing, "0.015"), committed) << p.stem;
        const auto stations = parse(committed);
        EXPECT_GE(stations.size(), 250u) << p.stem;
        EXPECT_LE(stations.size(), 600u) << p.stem;
        for (const auto& s : stations) EXPECT_LE(s.name.size(), 8u) << s.name;
    }
}

TEST(DemoModels, CoefficientFilesAreWhatOrvandelFitMakes) {
    for (const Province& p : provinces()) {
        TempDir dir;
        const std::string controls = std::string(p.stem) + "_CONTROLS.TXT";
        fs::create_directories(dir.path() / "CONTROLS");
        fs::create_directories(dir.path() / "DATAFILE");
        fs::copy_file(models(controls), dir.path() / "CONTROLS" / controls);
        const orvtest::RunResult r =
            run(ORVANDEL_FIT_EXE,
                {"--province", p.province, "--both", "--controls", "CONTROLS/" + controls, "--dir", "DATAFILE"}, dir);
        ASSERT_EQ(r.status, 0) << r.errors;
        for (const std::string model : {p.forward, p.backward}) {
            for (const std::string& file : {model + ".DAT", model + "_FIT.TXT"}) {
                const std::string demo = orvtest::readText(std::string(ORVANDEL_FITTED_DIR) + "/" + file);
                EXPECT_FALSE(demo.empty()) << file;
                EXPECT_TRUE(demo == orvtest::readText(dir.file("DATAFILE/" + file))) << file << " differs";
            }
        }
    }
}

// Check points off the control stations, noiseless, against the fitted
// files used as ORVANDEL uses them: within a few centimetres.
TEST(DemoModels, FittedNbModelFollowsTheSmoothField) {
    const Province& nb = provinces()[0];
    const auto checks = parse(draw(nb, "17", "0"));
    ASSERT_GT(checks.size(), 150u);
    const std::string dir = ORVANDEL_FITTED_DIR;
    const auto forward = orvandel::readCoefficientFile(dir + "/TRNB2777.DAT");
    const auto backward = orvandel::readCoefficientFile(dir + "/TRNB7727.DAT");
    const double perSecond = orvfit::kMetresPerDegree / 3600.0;
    const double rad = std::acos(-1.0) / 180.0;
    for (int direction : {1, 2}) {
        double sum = 0.0, worst = 0.0;
        for (const auto& s : checks) {
            const double fromLat = direction == 1 ? s.nad27Lat : s.ats77Lat;
            const double fromLon = direction == 1 ? s.nad27Lon : s.ats77Lon;
            const double toLat = direction == 1 ? s.ats77Lat : s.nad27Lat;
            const double toLon = direction == 1 ? s.ats77Lon : s.nad27Lon;
            orvandel::TransformedStation t;
            ASSERT_TRUE(orvandel::transformStation(direction == 1 ? forward : backward, orvandel::GridLimits{}, fromLat,
                                                   fromLon, t))
                << s.name;
            const double north = (t.latitude - toLat) * 3600.0 * perSecond;
            const double east = (t.longitude - toLon) * 3600.0 * perSecond * std::cos(toLat * rad);
            const double d = std::hypot(north, east);
            sum += d * d;
            worst = std::max(worst, d);
        }
        const double rms = std::sqrt(sum / static_cast<double>(checks.size()));
        EXPECT_LT(rms, 0.02) << "direction " << direction;
        EXPECT_LT(worst, 0.05) << "direction " << direction;
        std::cout << "direction " << direction << ": " << checks.size() << " check points, RMS " << rms << " m, worst "
                  << worst << " m\n";
    }
}

}  // namespace
}  // namespace fittest
