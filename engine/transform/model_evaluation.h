#pragma once
// The two corrections of the model at a normalised position (u, v).
#include <complex>
#include <vector>

#include "transform/coefficient_model.h"

namespace orvandel {

// S = c_0 + c_1 z + ... + c_n z^n with z = u + iv, the power kept running.
std::complex<double> evaluatePolynomial(const std::vector<std::complex<double>>& coefficients,
                                        double u, double v);

// Running Gaussian-weighted mean of the control residuals, correlation
// distance R (not 0).
std::complex<double> interpolateResiduals(const ControlStations& control, double correlation,
                                          double u, double v);

}  // namespace orvandel
