#pragma once
// Fits the model that ORVANDEL applies after its approximate shift: a
// complex polynomial in the normalised position plus the Gaussian-weighted
// mean of the control residuals, for one province and one direction.
#include <complex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fit/control_file.h"
#include "transform/coefficient_model.h"

namespace orvfit {

struct FitSettings {
    int province = 1;   // 1 NB, 2 NS, 3 PEI
    int direction = 1;  // 1 NAD27 to ATS77, 2 ATS77 to NAD27
    int degree = 3;     // 0 to 5
    // Origin (degrees north, degrees west) and scale factors (normalised
    // units per degree); by default the centre and extent of the controls.
    std::optional<std::pair<double, double>> origin;
    std::optional<std::pair<double, double>> scale;
    // Correlation distances tried by leave-one-out cross-validation; the
    // one with the smallest leave-one-out RMS is kept. One value: that R.
    std::vector<double> correlations;
};

// The candidates when the user names none: 0 (no interpolation) and 12
// values from 0.01 to 0.5, evenly spaced in logarithm.
std::vector<double> defaultCorrelations();

// COUNT values from MIN to MAX: evenly spaced in logarithm when MIN > 0,
// linearly when MIN is 0. Empty when the range is not usable.
std::vector<double> correlationRange(double min, double max, int count);

// Misfits in metres, from arc-seconds, with the spherical degree of
// 111319.456 m that ORVANDEL uses for its unit distances.
inline constexpr double kMetresPerDegree = 111319.456;

struct StationFit {
    std::string name;
    double weight = 1.0;
    double latitude = 0.0;  // after the approximate shift, degrees north
    double u = 0.0, v = 0.0;
    // All in arc-seconds, latitude as real part and longitude as imaginary.
    std::complex<double> correction;    // what ORVANDEL must subtract from the shifted position
    std::complex<double> polyResidual;  // correction minus polynomial: the stored residual
    std::complex<double> misfit;        // ORVANDEL's result minus the control (whole model)
    std::complex<double> looMisfit;     // the same with the station left out of the fit
};

struct Rms {
    double latArcsec = 0.0, lonArcsec = 0.0;
    double latMetres = 0.0, lonMetres = 0.0, horizontalMetres = 0.0;
};

struct CrossValidationRow {
    double correlation = 0.0;
    Rms loo;
};

struct FitResult {
    orvandel::CoefficientModel model;
    int transformation = 0;  // 1 to 6
    long long capacity = 0;  // of the province
    long long needed = 0;    // (n+1)^2 + 5(N + n + 1)
    std::vector<StationFit> stations;
    std::vector<CrossValidationRow> table;
    std::size_t chosen = 0;  // row of the kept R
    Rms polynomial;          // the polynomial alone, in sample
    Rms inSample;            // the whole model, in sample
    Rms leaveOneOut;         // the whole model, each station left out
    double sigma = 0.0;      // horizontal leave-one-out RMS, metres
};

// Horizontal size of a misfit in metres at a latitude.
double horizontalMetres(std::complex<double> misfitArcsec, double latitude);
std::complex<double> misfitMetres(std::complex<double> misfitArcsec, double latitude);

// False with a message when the controls cannot give a model: too few,
// outside the grid or the radius ORVANDEL transforms, a model over the
// province's capacity, or a polynomial the controls do not determine.
bool fitModel(const std::vector<ControlStation>& controls, const FitSettings& settings, FitResult& result,
              std::string& error);

}  // namespace orvfit
