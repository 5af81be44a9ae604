#pragma once
// General matrix product on column-major storage, C(1:L,1:N) = A(1:L,1:M) B(1:M,1:N).
#include <span>
#include <string>

namespace geodesy {

struct MatmulResult {
    bool ok = true;
    std::string message;  // the error text when !ok

    // The screen line for the error: new-page control character, ten blanks, the text.
    std::string screenLine() const { return "1          " + message; }
};

inline constexpr const char* kMatmulSizeError = "ERROR IN MATMUL ==>  SIZE OF MATRIX > DIMENSION OF MATRIX";
inline constexpr const char* kMatmulMode2Error = "ERROR IN MATMUL ==> SIZE OF A*B > DIMENSION OF A  (ICODE=2)";
inline constexpr const char* kMatmulMode3Error = "ERROR IN MATMUL ==> SIZE OF A*B > DIMENSION OF B  (ICODE=3)";

// A has storage IA x JA, B IB x JB, C IC x JC. Mode 2 lets C be A, mode 3
// lets C be B; mode 1 (and any other) needs C distinct from both. A size
// error leaves C untouched. Spans smaller than their stated storage are a
// size error too.
MatmulResult MATMUL(std::span<const double> a, int ia, int ja, std::span<const double> b, int ib, int jb,
                    std::span<double> c, int ic, int jc, int l, int m, int n, int mode);

}  // namespace geodesy
