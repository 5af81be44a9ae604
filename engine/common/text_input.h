#pragma once
// Line input from the console or a data file. A carriage return left by a
// file written on the platform the data comes from is not part of the line.
#include <istream>
#include <string>

namespace orvandel {

// False at end of input.
inline bool readLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

}  // namespace orvandel
