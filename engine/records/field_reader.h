#pragma once
// Reading fields of fixed-column text records. Columns are 1-based and
// inclusive; a line shorter than a field reads as blanks beyond its end
// (a trailing carriage return counts as the end).
// Numbers follow formatted-input rules: blanks are ignored, a blank field
// is 0, and a real without a decimal point takes its last `decimals`
// digits as decimals. Anything else throws InputConversionError.
#include <string>
#include <string_view>

#include "records/input_conversion_error.h"

namespace records {

// The field's characters exactly as they stand, padded with blanks to its width.
std::string readText(std::string_view line, int first, int last);
// The same into `out`, reusing its storage.
void readTextInto(std::string& out, std::string_view line, int first, int last);
// The field's first character (readText(...)[0]).
char readCharacter(std::string_view line, int first, int last);

namespace detail {

// readTextInto, inline for a field that ends before the line does.
[[gnu::always_inline]] inline void readTextInline(std::string& out, std::string_view line, int first, int last) {
    const auto end = static_cast<std::size_t>(last);
    if (first >= 1 && last >= first && end <= line.size() && line[end - 1] != '\r' && line[end - 1] != '\n') {
        out.assign(line.data() + (first - 1), end - static_cast<std::size_t>(first - 1));
        return;
    }
    readTextInto(out, line, first, last);
}

}  // namespace detail

// Iw input.
int readInt(std::string_view line, int first, int last);

// Fw.d input (an exponent with E, D or a bare sign is accepted, as Fortran does).
double readReal(std::string_view line, int first, int last, int decimals);

// Fw.d input into single precision, as records read into REAL variables.
float readSingle(std::string_view line, int first, int last, int decimals);

}  // namespace records
