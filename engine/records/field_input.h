#pragma once
// Iw and Fw.d input for the per-station records: the plain forms ("-12",
// "45.0", "  12.34567") are read directly, everything else (implied
// decimals, blanks inside, exponents, errors) by the shared reader, so the
// values and the input-conversion errors are the same as records::read*.
#include <string_view>

namespace records {

int intInput(std::string_view line, int first, int last);
double realInput(std::string_view line, int first, int last, int decimals);
float singleInput(std::string_view line, int first, int last, int decimals);

}  // namespace records
