#include "transform/model_evaluation.h"

namespace orvandel {

std::complex<double> evaluatePolynomial(const std::vector<std::complex<double>>& coefficients, double u, double v) {
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

}  // namespace orvandel
