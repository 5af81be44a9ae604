#include "transform/residual_interpolation.h"

#include <algorithm>

#include "transform/negative_exp.h"
#include "transform/residual_lanes_wide.h"

namespace orvandel {

namespace {

// Stations run through the control stations side by side, two to a
// register. The running mean of one station is a chain of dependent
// divisions; several chains at once keep the divider busy instead of
// waiting on it. Every station still sees its own exact sequence of
// operations, so the lanes never change a result.
constexpr std::size_t kPairs = 4;
constexpr std::size_t kLanes = 2 * kPairs;

// Control stations per block: the weights of one block for all lanes stay
// in the first-level cache between the two passes.
constexpr std::size_t kBlock = 128;

inline DoublePair absolute(DoublePair x) {
    return std::bit_cast<DoublePair>(std::bit_cast<BitsPair>(x) & 0x7fffffffffffffffull);
}

void interpolateLanes(const ControlStations& control, double r2, const double* u, const double* v,
                      std::complex<double>* out) {
    const std::size_t n = control.size();
    const double* cu = control.u.data();
    const double* cv = control.v.data();
    const double* rLat = control.residualLat.data();
    const double* rLon = control.residualLon.data();
    const double* w = control.weight.data();
    DoublePair su[kPairs], sv[kPairs], tRe[kPairs], tIm[kPairs], sum[kPairs];
    for (std::size_t p = 0; p < kPairs; ++p) {
        su[p] = DoublePair{u[2 * p], u[2 * p + 1]};
        sv[p] = DoublePair{v[2 * p], v[2 * p + 1]};
        tRe[p] = tIm[p] = sum[p] = DoublePair{0.0, 0.0};
    }
    DoublePair g[kBlock][kPairs];
    for (std::size_t j0 = 0; j0 < n; j0 += kBlock) {
        const std::size_t m = std::min(kBlock, n - j0);
        // The weights g = e^-d2 w (0 from d2 = 172 on) do not depend on each other.
        for (std::size_t j = 0; j < m; ++j) {
            const double uj = cu[j0 + j], vj = cv[j0 + j], wj = w[j0 + j];
            for (std::size_t p = 0; p < kPairs; ++p) {
                const DoublePair du = su[p] - uj;
                const DoublePair dv = sv[p] - vj;
                const DoublePair d2 = (du * du + dv * dv) / r2;
                g[j][p] = residualWeight(d2, DoublePair{wj, wj});
            }
        }
        // The running means, in control-station order; a sum too small to
        // divide by keeps the mean as it is.
        for (std::size_t j = 0; j < m; ++j) {
            const double a = rLat[j0 + j], b = rLon[j0 + j];
            for (std::size_t p = 0; p < kPairs; ++p) {
                const DoublePair gj = g[j][p];
                const DoublePair next = sum[p] + gj;
                const DoublePair re = (gj * a + sum[p] * tRe[p]) / next;
                const DoublePair im = (gj * b + sum[p] * tIm[p]) / next;
                const auto keep = absolute(next) >= 1e-75;
                tRe[p] = keep ? re : tRe[p];
                tIm[p] = keep ? im : tIm[p];
                sum[p] = next;
            }
        }
    }
    for (std::size_t p = 0; p < kPairs; ++p) {
        out[2 * p] = {tRe[p][0], tIm[p][0]};
        out[2 * p + 1] = {tRe[p][1], tIm[p][1]};
    }
}

}  // namespace

void interpolateResiduals(const ControlStations& control, double correlation, const double* u, const double* v,
                          std::size_t count, std::complex<double>* out) {
    const double r2 = correlation * correlation;
    std::size_t i = 0;
    static const bool wide = wide::available();
    if (wide && count >= wide::kStations) {
        double re[wide::kStations], im[wide::kStations];
        for (; i + wide::kStations <= count; i += wide::kStations) {
            wide::interpolate(control.u.data(), control.v.data(), control.residualLat.data(),
                              control.residualLon.data(), control.weight.data(), control.size(), r2, u + i, v + i, re,
                              im);
            for (std::size_t k = 0; k < wide::kStations; ++k) out[i + k] = {re[k], im[k]};
        }
    }
    for (; i + kLanes <= count; i += kLanes) interpolateLanes(control, r2, u + i, v + i, out + i);
    if (i == count) return;
    // The last few stations fill the lanes by repeating the last of them.
    double lu[kLanes], lv[kLanes];
    std::complex<double> lt[kLanes];
    for (std::size_t k = 0; k < kLanes; ++k) {
        const std::size_t s = std::min(i + k, count - 1);
        lu[k] = u[s];
        lv[k] = v[s];
    }
    interpolateLanes(control, r2, lu, lv, lt);
    std::copy(lt, lt + (count - i), out + i);
}

std::complex<double> interpolateResiduals(const ControlStations& control, double correlation, double u, double v) {
    std::complex<double> t;
    interpolateResiduals(control, correlation, &u, &v, 1, &t);
    return t;
}

}  // namespace orvandel
