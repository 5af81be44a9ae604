// The fit itself: exact recovery of a polynomial field, the leave-one-out
// figures against refits without each station, defaults and refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "fit/fit_report.h"
#include "fit/model_fit.h"
#include "synthetic_controls.h"
#include "transform/datum_shift.h"
#include "transform/polynomial_transformation.h"

namespace fittest {
namespace {

// Controls whose corrections are exactly the polynomial `c` of the
// normalised position at the given origin and scale.
std::vector<orvfit::ControlStation> polynomialControls(const std::vector<std::complex<double>>& c, int count,
                                                       double originLat, double originLon, double su, double sv) {
    std::vector<orvfit::ControlStation> controls;
    Random r(23);
    for (int i = 0; i < count; ++i) {
        orvfit::ControlStation s;
        s.name = "P" + std::to_string(i + 1);
        s.nad27Lat = 45.3 + 2.4 * r.uniform();
        s.nad27Lon = 64.5 + 3.6 * r.uniform();
        double lat = s.nad27Lat, lon = s.nad27Lon;
        orvandel::approximateShift(1, lat, lon);
        const double u = (lat - originLat) * su, v = (lon - originLon) * sv;
        std::complex<double> z(u, v), p(1.0, 0.0), sum(0.0, 0.0);
        for (const auto& ck : c) {
            sum += ck * p;
            p *= z;
        }
        s.ats77Lat = lat - sum.real() / 3600.0;
        s.ats77Lon = lon - sum.imag() / 3600.0;
        controls.push_back(s);
    }
    return controls;
}

TEST(ModelFit, RecoversAnExactPolynomialAndItsHeader) {
    const std::vector<std::complex<double>> c = {{0.4, -0.5}, {0.06, 0.01}, {0.02, -0.03}};
    const auto controls = polynomialControls(c, 40, 46.5, 66.3, 0.6, 0.4);
    orvfit::FitSettings settings;
    settings.degree = 2;
    settings.origin = std::make_pair(46.5, 66.3);
    settings.scale = std::make_pair(0.6, 0.4);
    settings.correlations = {0.0};
    orvfit::FitResult fit;
    std::string error;
    ASSERT_TRUE(orvfit::fitModel(controls, settings, fit, error)) << error;
    ASSERT_EQ(fit.model.coefficients.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_NEAR(fit.model.coefficients[k].real(), c[k].real(), 1e-9) << k;
        EXPECT_NEAR(fit.model.coefficients[k].imag(), c[k].imag(), 1e-9) << k;
    }
    const auto& h = fit.model.header;
    EXPECT_EQ(h.degree, 2);
    EXPECT_EQ(h.stationCount, 40);
    EXPECT_EQ(h.direction, 1);
    EXPECT_EQ(h.correlation, 0.0);
    EXPECT_EQ(h.originLat, 46.5);
    EXPECT_EQ(h.latScale, 0.6);
    EXPECT_EQ(h.latOffset, 0.0);
    EXPECT_EQ(h.latDivisor, 1.0);
    EXPECT_EQ(fit.transformation, 1);
    EXPECT_LT(fit.leaveOneOut.horizontalMetres, 1e-6);
    EXPECT_LT(fit.polynomial.latArcsec, 1e-9);
}

TEST(ModelFit, DefaultOriginAndScalePutTheControlsInTheUnitDisk) {
    const auto controls = polynomialControls({{0.4, -0.5}}, 30, 46.5, 66.3, 1, 1);
    orvfit::FitSettings settings;
    settings.degree = 0;
    settings.correlations = {0.0};
    orvfit::FitResult fit;
    std::string error;
    ASSERT_TRUE(orvfit::fitModel(controls, settings, fit, error)) << error;
    double radius = 0.0, minLat = 90, maxLat = 0;
    for (const auto& s : fit.stations) {
        radius = std::max(radius, std::hypot(s.u, s.v));
        minLat = std::min(minLat, s.latitude);
        maxLat = std::max(maxLat, s.latitude);
    }
    EXPECT_NEAR(radius, 1.0, 1e-12);
    EXPECT_NEAR(fit.model.header.originLat, (minLat + maxLat) / 2, 1e-12);
}

// Leave-one-out from the rank-one update against a real refit without the
// station, for the polynomial and the interpolation together.
TEST(ModelFit, LeaveOneOutEqualsRefittingWithoutTheStation) {
    auto controls = [] {
        std::istringstream in(controlText(nbPositions(25, 31), 0.05, 37));
        std::vector<orvfit::ControlStation> s;
        std::vector<std::string> e;
        orvfit::readControls(in, "c", ",", s, e);
        return s;
    }();
    for (std::size_t i = 0; i < controls.size(); ++i) controls[i].weight = 0.5 + (i % 4) * 0.5;
    orvfit::FitSettings settings;
    settings.degree = 2;
    settings.correlations = {0.0, 0.3};
    orvfit::FitResult fit;
    std::string error;
    ASSERT_TRUE(orvfit::fitModel(controls, settings, fit, error)) << error;
    ASSERT_EQ(fit.model.header.correlation, 0.3);  // noise on a smooth field: the interpolation helps
    for (std::size_t i = 0; i < controls.size(); ++i) {
        std::vector<orvfit::ControlStation> others = controls;
        others.erase(others.begin() + static_cast<long>(i));
        orvfit::FitSettings fixed = settings;
        fixed.origin = std::make_pair(fit.model.header.originLat, fit.model.header.originLon);
        fixed.scale = std::make_pair(fit.model.header.latScale, fit.model.header.lonScale);
        fixed.correlations = {0.3};
        orvfit::FitResult refit;
        ASSERT_TRUE(orvfit::fitModel(others, fixed, refit, error)) << error;
        orvandel::TransformedStation t;
        ASSERT_TRUE(orvandel::transformStation(refit.model, orvandel::GridLimits{}, controls[i].nad27Lat,
                                               controls[i].nad27Lon, t));
        EXPECT_NEAR((t.latitude - controls[i].ats77Lat) * 3600.0, fit.stations[i].looMisfit.real(), 1e-9) << i;
        EXPECT_NEAR((t.longitude - controls[i].ats77Lon) * 3600.0, fit.stations[i].looMisfit.imag(), 1e-9) << i;
    }
}

TEST(ModelFit, RefusesAModelOverTheProvincesCapacityWithTheFigures) {
    // Prince Edward Island holds 18856: 3766 stations at degree 3 need 18866.
    std::vector<orvfit::ControlStation> controls(3766);
    orvfit::FitSettings settings;
    settings.province = 3;
    settings.correlations = {0.0};
    orvfit::FitResult fit;
    std::string error;
    EXPECT_FALSE(orvfit::fitModel(controls, settings, fit, error));
    EXPECT_NE(error.find("needs (n+1)^2 + 5(N + n + 1) = 18866, over the PEI capacity of 18856"), std::string::npos)
        << error;
    controls.resize(3764);  // 18856 exactly fits; the stations are then checked
    EXPECT_FALSE(orvfit::fitModel(controls, settings, fit, error));
    EXPECT_EQ(error.find("capacity"), std::string::npos) << error;
}

TEST(ModelFit, RefusesTooFewStationsAndStationsOutsideTheGrid) {
    auto controls = polynomialControls({{0.4, -0.5}}, 4, 46.5, 66.3, 1, 1);
    orvfit::FitSettings settings;
    settings.degree = 3;
    settings.correlations = {0.0};
    orvfit::FitResult fit;
    std::string error;
    EXPECT_FALSE(orvfit::fitModel(controls, settings, fit, error));
    EXPECT_NE(error.find("at least 5 control stations (4 given)"), std::string::npos) << error;
    settings.degree = 1;
    controls[2].nad27Lat = 42.5;
    EXPECT_FALSE(orvfit::fitModel(controls, settings, fit, error));
    EXPECT_NE(error.find("outside the grid"), std::string::npos) << error;
    EXPECT_NE(error.find("P3"), std::string::npos) << error;
}

TEST(ModelFit, RefusesStationsBeyondTheRadiusOrvandelTransforms) {
    const auto controls = polynomialControls({{0.4, -0.5}}, 20, 46.5, 66.3, 1, 1);
    orvfit::FitSettings settings;
    settings.degree = 1;
    settings.scale = std::make_pair(2.0, 2.0);
    settings.correlations = {0.0};
    orvfit::FitResult fit;
    std::string error;
    EXPECT_FALSE(orvfit::fitModel(controls, settings, fit, error));
    EXPECT_NE(error.find("beyond the normalised radius"), std::string::npos) << error;
}

TEST(ModelFit, CorrelationRanges) {
    const auto log = orvfit::correlationRange(0.01, 1.0, 3);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_DOUBLE_EQ(log[1], 0.1);
    EXPECT_EQ(log[2], 1.0);
    const auto lin = orvfit::correlationRange(0.0, 0.5, 6);
    ASSERT_EQ(lin.size(), 6u);
    EXPECT_DOUBLE_EQ(lin[1], 0.1);
    EXPECT_TRUE(orvfit::correlationRange(0.5, 0.1, 3).empty());
    EXPECT_EQ(orvfit::defaultCorrelations().front(), 0.0);
}

TEST(FitReport, NamesTheChosenRTheWorstStationsAndTheOutliers) {
    auto text = controlText(nbPositions(60, 41), 0.02, 43);
    std::istringstream in(text);
    std::vector<orvfit::ControlStation> controls;
    std::vector<std::string> errors;
    ASSERT_TRUE(orvfit::readControls(in, "c", ",", controls, errors));
    controls[7].ats77Lat += 2.0 / 3600.0;  // a blunder of about 60 m
    orvfit::FitSettings settings;
    settings.correlations = orvfit::defaultCorrelations();
    orvfit::FitResult fit;
    std::string error;
    ASSERT_TRUE(orvfit::fitModel(controls, settings, fit, error)) << error;
    std::ostringstream out;
    orvfit::writeFitReport(out, fit, {"CONTROLS.TXT", "TRNB2777.DAT", false});
    const std::string report = out.str();
    EXPECT_NE(report.find("Control stations                60\n"), std::string::npos) << report;
    EXPECT_NE(report.find("<- chosen"), std::string::npos);
    EXPECT_NE(report.find("WARNING: station C8: leave-one-out misfit"), std::string::npos) << report;
    EXPECT_EQ(report.find("Station misfits"), std::string::npos);
    const auto worst = orvfit::worstStations(fit);
    EXPECT_EQ(fit.stations[worst[0]].name, "C8");
    const std::string table = report.substr(report.find("Ten worst stations"));
    EXPECT_EQ(std::count(table.begin(), table.begin() + static_cast<long>(table.find("\n\n")), '\n'), 11);
}

}  // namespace
}  // namespace fittest
