#pragma once
// Running Gaussian-weighted mean of the control residuals (correlation
// distance R, not 0), for one station or for many at once.
#include <complex>
#include <cstddef>

#include "transform/coefficient_model.h"

namespace orvandel {

std::complex<double> interpolateResiduals(const ControlStations& control, double correlation,
                                          double u, double v);

// The residuals of count stations at (u[i], v[i]) into out[i]. Each station
// gets exactly the value that it gets alone.
void interpolateResiduals(const ControlStations& control, double correlation, const double* u,
                          const double* v, std::size_t count, std::complex<double>* out);

}  // namespace orvandel
