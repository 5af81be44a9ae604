#pragma once
// The residual running means eight stations to a register, for processors
// with 512-bit vectors. Plain pointers only: the file behind this is built
// for those processors and must share no inline code with the rest.
#include <cstddef>

namespace orvandel::wide {

// Stations computed by one call.
constexpr std::size_t kStations = 32;

// Whether this processor has the vectors (and the build made the code).
bool available();

// The residuals of kStations stations at (u[i], v[i]) into re[i], im[i],
// bit for bit what the two-lane code gives each station; r2 is R^2 and the
// control stations are n entries of cu, cv, lat, lon (residuals) and w.
void interpolate(const double* cu, const double* cv, const double* lat, const double* lon, const double* w,
                 std::size_t n, double r2, const double* u, const double* v, double* re, double* im);

}  // namespace orvandel::wide
