#pragma once
// Running Gaussian-weighted mean of the control residuals (correlation
// distance R, not 0), for one station or for many at once.
#include <complex>
#include <cstddef>

#include "transform/coefficient_model.h"
#include "transform/negative_exp.h"

namespace orvandel {

// The Gaussian weight of a control station at squared normalised distance
// d2 (already divided by R^2): e^-d2 times the station's weight, 0 from
// d2 = 172 on. Two stations at a time for the residual loop.
inline DoublePair residualWeight(DoublePair d2, DoublePair weight) {
    const DoublePair zero = {0.0, 0.0};
    return (d2 < 172.0 ? negativeExp(d2) : zero) * weight;
}

inline double residualWeight(double d2, double weight) {
    return residualWeight(DoublePair{d2, d2}, DoublePair{weight, weight})[0];
}

std::complex<double> interpolateResiduals(const ControlStations& control, double correlation, double u, double v);

// The residuals of count stations at (u[i], v[i]) into out[i]. Each station
// gets exactly the value that it gets alone.
void interpolateResiduals(const ControlStations& control, double correlation, const double* u, const double* v,
                          std::size_t count, std::complex<double>* out);

}  // namespace orvandel
