#pragma once
// The message texts for MPCORD's message codes.
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace geodesy {

// The lines for `code`, the first starting with the carriage-control
// character; empty for codes other than 1 to 11. The two trailing empty
// lines are included.
std::vector<std::string> mpmsgLines(int code, std::string_view carriageControl);

// Writes those lines to `out`, one per line; returns how many it wrote.
int MPMSG(int code, std::ostream& out, std::string_view carriageControl = " ");

}  // namespace geodesy
