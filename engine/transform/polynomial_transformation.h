#pragma once
// The polynomial datum transformation stage: TEMP1.DAT to TEMP5.DAT and
// the model section of ORVANDEL.OUT.
#include "common/run_context.h"
#include "transform/coefficient_model.h"
#include "transform/transformation_report.h"

namespace orvandel {

struct TransformedStation {
    double latitude = 0.0;   // degrees north
    double longitude = 0.0;  // degrees west
    Corrections corrections;
};

struct GridLimits {
    double latMin = 43.0, latMax = 48.5;
    double lonMin = 59.0, lonMax = 69.5;
    double radiusMargin = 0.9;
};

// A station inside the grid and the radius, after the approximate shift.
struct LocatedStation {
    double latitude = 0.0;    // shifted, degrees north
    double longitude = 0.0;   // shifted, degrees west
    double u = 0.0, v = 0.0;  // normalised position
};

// False when the station lies outside the grid limits or beyond the radius.
bool locateStation(const CoefficientModel& model, const GridLimits& limits, double latitude, double longitude,
                   LocatedStation& located);
// The same for a position the approximate shift has already moved.
bool locateShiftedStation(const CoefficientModel& model, const GridLimits& limits, double latitude, double longitude,
                          LocatedStation& located);

// Applies the polynomial and the given residual correction (0 when R is 0).
bool finishStation(const CoefficientModel& model, const LocatedStation& located, std::complex<double> residual,
                   TransformedStation& result);

// One station: false when it lies outside the grid limits or beyond the
// radius (it is then not transformed).
bool transformStation(const CoefficientModel& model, const GridLimits& limits, double latitude, double longitude,
                      TransformedStation& result);

// Returns the number of stations transformed. Equal grid limits and a
// model beyond the capacity stop the program after their report lines.
long long runPolynomialTransformation(const RunContext& context);

}  // namespace orvandel
