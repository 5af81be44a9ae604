#pragma once
// The two corrections of the model at a normalised position (u, v): the
// polynomial here, the residuals in residual_interpolation.h.
#include <complex>
#include <vector>

#include "transform/coefficient_model.h"
#include "transform/residual_interpolation.h"

namespace orvandel {

// S = c_0 + c_1 z + ... + c_n z^n with z = u + iv, the power kept running.
std::complex<double> evaluatePolynomial(const std::vector<std::complex<double>>& coefficients, double u, double v);

}  // namespace orvandel
