#pragma once
// The plain text description of a coefficient file, read and written by
// the orvandel-coef tool. One item per line, blank lines and lines
// starting with '#' ignored:
//
//   DEGREE n                      degree of the complex polynomial, 0 to 5
//   DIRECTION d                   1 NAD27 to ATS77, 2 ATS77 to NAD27
//   CORRELATION R                 correlation distance, normalised units (0: off)
//   ORIGIN lat lon                degrees, latitude north, longitude west
//   OFFSET dlat dlon              arc-seconds added to the polynomial corrections
//   SCALE slat slon               normalised units per degree
//   DIVISOR qlat qlon             divide the latitude and longitude parts
//   COEFFICIENT k re im           k = 0 to n, in order
//   STATION u v rlat rlon w       one control station: position, residuals, weight
//   LAST x                        the closing value of record 2 (optional, default 0)
//
// The control station count is the number of STATION lines.
#include <istream>
#include <ostream>
#include <string>

#include "transform/coefficient_model.h"

namespace orvandel {

// False with a message naming the line when the text is malformed.
bool parseCoefficientText(std::istream& in, CoefficientModel& model, std::string& error);

// Values written with 17 significant digits, so that the text reads back
// to the same file.
void printCoefficientText(std::ostream& out, const CoefficientModel& model);

}  // namespace orvandel
