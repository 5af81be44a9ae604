// Approximate Transverse Mercator Jacobian with fixed radii, used only to
// carry covariances between geographic and grid coordinates.
#include <cmath>

#include "geodesy/tmerc.h"
#include "geodesy/tmerc_series.h"

namespace geodesy {

Mat2 detail::tmJacobianFromTrig(double s, double c, double dlam, int direction) {
    const double j11 = dlam * (21670.0 * c - 6390000.0 * s);
    const double j21 = 6370000.0;
    const double j12 = 6390000.0 * c;
    const double j22 = 6390000.0 * dlam * s * c;
    if (direction >= 0) return {j11, j21, j12, j22};
    const double det = j11 * j22 - j12 * j21;
    return {j22 / det, -j21 / det, -j12 / det, j11 / det};
}

Mat2 TMJACO(double phi, double dlam, int direction) {
    return detail::tmJacobianFromTrig(std::sin(phi), std::cos(phi), dlam, direction);
}

}  // namespace geodesy
