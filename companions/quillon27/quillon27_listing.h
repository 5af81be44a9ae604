#pragma once
// QUILLON27's two output files.
//
// QUILLON27.OUT, the listing: 5 heading lines for New Brunswick, 4 for Nova
// Scotia and Prince Edward Island, then one line per point. Columns of a
// point line for Prince Edward Island: 1-6 point number; 7-21 grid easting
// and 22-36 grid northing (feet); 53-55 UTM zone; 58-68 UTM X and 71-81
// UTM Y (metres); latitude 95-96, 98-99, 101-108; longitude 110-111,
// 113-114, 116-123; identifier 125-132. For New Brunswick and Nova Scotia
// the point number is one column wider, so every later column is one greater.
//
// QUILLON27.DAT, the grid coordinates: identifier 1-8, easting 10-20,
// northing 22-32 (feet).
#include <string>
#include <vector>

#include "quillon27/nad27_conversions.h"
#include "quillon27/quillon27_request.h"

namespace quillon27 {

struct ConvertedPoint {
  std::string identifier;
  Geographic geographic;
  Plane grid;       // feet
  int mtmZone = 0;  // Nova Scotia only
  int utmZone = 0;
  Plane utm;  // metres
};

std::vector<std::string> listingHeading(const QuillonRequest& request);
std::string listingLine(Province province, int number, const ConvertedPoint& point);
std::string coordinateLine(const ConvertedPoint& point);
// The same appended to `line`, whose columns count from where it starts.
void appendListingLine(std::string& line, Province province, int number,
                       const ConvertedPoint& point);
void appendCoordinateLine(std::string& line, const ConvertedPoint& point);

}  // namespace quillon27
