#include "geodesy/matmul.h"

#include <vector>

namespace geodesy {

namespace {

bool holds(std::size_t size, int rows, int cols) {
    return rows >= 0 && cols >= 0 && size >= static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols);
}

MatmulResult failure(const char* text) { return {false, text}; }

}  // namespace

MatmulResult MATMUL(std::span<const double> a, int ia, int ja, std::span<const double> b, int ib, int jb,
                    std::span<double> c, int ic, int jc, int l, int m, int n, int mode) {
    if (ia < l || ja < m || ib < m || jb < n || ic < l || jc < n || l < 0 || m < 0 || n < 0 ||
        !holds(a.size(), ia, ja) || !holds(b.size(), ib, jb) || !holds(c.size(), ic, jc)) {
        return failure(kMatmulSizeError);
    }
    const auto A = [&](int i, int k) { return a[static_cast<std::size_t>(k * ia + i)]; };
    const auto B = [&](int k, int j) { return b[static_cast<std::size_t>(j * ib + k)]; };
    const auto C = [&](int i, int j) -> double& { return c[static_cast<std::size_t>(j * ic + i)]; };

    if (mode == 2) {
        if (n > ja) return failure(kMatmulMode2Error);
        std::vector<double> row(static_cast<std::size_t>(n));
        for (int i = 0; i < l; ++i) {
            for (int j = 0; j < n; ++j) {
                double sum = 0.0;
                for (int k = 0; k < m; ++k) sum += A(i, k) * B(k, j);
                row[static_cast<std::size_t>(j)] = sum;
            }
            for (int j = 0; j < n; ++j) C(i, j) = row[static_cast<std::size_t>(j)];
        }
        return {};
    }
    if (mode == 3) {
        if (l > ib) return failure(kMatmulMode3Error);
        std::vector<double> column(static_cast<std::size_t>(l));
        for (int j = 0; j < n; ++j) {
            for (int i = 0; i < l; ++i) {
                double sum = 0.0;
                for (int k = 0; k < m; ++k) sum += A(i, k) * B(k, j);
                column[static_cast<std::size_t>(i)] = sum;
            }
            for (int i = 0; i < l; ++i) C(i, j) = column[static_cast<std::size_t>(i)];
        }
        return {};
    }
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < l; ++i) C(i, j) = 0.0;
    }
    for (int j = 0; j < n; ++j) {
        for (int k = 0; k < m; ++k) {
            const double bkj = B(k, j);
            for (int i = 0; i < l; ++i) C(i, j) += A(i, k) * bkj;
        }
    }
    return {};
}

}  // namespace geodesy
