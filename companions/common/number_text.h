#pragma once
// Numbers as printf writes them ("%.*f", "%W.Df", "%0W.Df", "%Wd", "%0Wd"),
// appended to a record without printf: the digits come from the records
// module's fixed-column writers, which round exactly as printf does.
#include <cstddef>
#include <string>

namespace companion {

// printf's "%.{decimals}f" of the value; returns the text's length. `out`
// has room for kFixedTextRoom characters.
constexpr std::size_t kFixedTextRoom = 400;
std::size_t fixedText(char* out, double value, int decimals);

// "%{width}.{decimals}f", or "%0{width}.{decimals}f" with zeroPad: at least
// `width` characters, more when the number needs them.
void appendFixed(std::string& line, double value, int width, int decimals, bool zeroPad = false);

// "%{width}d", or "%0{width}d" with zeroPad.
void appendInt(std::string& line, long long value, int width, bool zeroPad = false);

}  // namespace companion
