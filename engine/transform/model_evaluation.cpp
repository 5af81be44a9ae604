#include "transform/model_evaluation.h"

#include <cmath>

namespace orvandel {

std::complex<double> evaluatePolynomial(const std::vector<std::complex<double>>& coefficients,
                                        double u, double v) {
    double sRe = 0.0, sIm = 0.0;
    double pRe = 1.0, pIm = 0.0;  // z^k
    for (const auto& c : coefficients) {
        sRe += c.real() * pRe - c.imag() * pIm;
        sIm += c.real() * pIm + c.imag() * pRe;
        const double re = pRe * u - pIm * v;
        pIm = pRe * v + pIm * u;
        pRe = re;
    }
    return {sRe, sIm};
}

std::complex<double> interpolateResiduals(const ControlStations& control, double correlation,
                                          double u, double v) {
    const double r2 = correlation * correlation;
    const std::size_t n = control.size();
    const double* cu = control.u.data();
    const double* cv = control.v.data();
    const double* rLat = control.residualLat.data();
    const double* rLon = control.residualLon.data();
    const double* w = control.weight.data();
    double tRe = 0.0, tIm = 0.0, sum = 0.0;
    for (std::size_t j = 0; j < n; ++j) {
        const double du = u - cu[j];
        const double dv = v - cv[j];
        const double d2 = (du * du + dv * dv) / r2;
        const double g = (d2 < 172.0 ? std::exp(-d2) : 0.0) * w[j];
        const double next = sum + g;
        if (std::fabs(next) >= 1e-75) {
            tRe = (g * rLat[j] + sum * tRe) / next;
            tIm = (g * rLon[j] + sum * tIm) / next;
        }
        sum = next;
    }
    return {tRe, tIm};
}

}  // namespace orvandel
