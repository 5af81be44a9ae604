#pragma once
// Control stations for fitting a coefficient file: one station per line,
// the same delimited layout rules as the front end's input files (a plain
// left-to-right search for the delimiter, blanks stay in a field, reading
// stops at the first empty line):
//
//   name, NAD27 lat d, m, s, NAD27 lon d, m, s, ATS77 lat d, m, s, ATS77 lon d, m, s [, weight]
//
// Latitudes north, longitudes positive west. The weight (default 1) must
// be positive; it weights both the polynomial fit and the interpolation.
#include <istream>
#include <string>
#include <vector>

namespace orvfit {

struct ControlStation {
    std::string name;
    long line = 0;          // line number in the control file, from 1
    double nad27Lat = 0.0;  // decimal degrees north
    double nad27Lon = 0.0;  // decimal degrees west
    double ats77Lat = 0.0;
    double ats77Lon = 0.0;
    double weight = 1.0;
};

// Longest station name: the front end's point identifiers.
inline constexpr std::size_t kMaxNameLength = 8;

// Reads every line up to the first empty one. A bad line is left out and
// adds one message naming the source and the line to errors. True when
// there was no bad line.
bool readControls(std::istream& in, const std::string& source, const std::string& delimiter,
                  std::vector<ControlStation>& stations, std::vector<std::string>& errors);

}  // namespace orvfit
