#pragma once
// 2x2 matrices of the geodetic library, stored column by column:
// element (1,1), (2,1), (1,2), (2,2).
#include <array>

namespace geodesy {

using Mat2 = std::array<double, 4>;

// Zero-based access to element (i, j) of a column-major matrix with leading dimension ld.
constexpr int at(int i, int j, int ld) { return j * ld + i; }

}  // namespace geodesy
