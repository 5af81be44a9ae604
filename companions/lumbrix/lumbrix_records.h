#pragma once
// Points LUMBRIX shifts, read from one of its two input layouts:
// the front end's comma-separated records ('P1',45,05,03.20000,66,07,12.00000)
// or the fixed columns of a GHOST geographic file (LL_GHOST.DAT: identifier
// 7-15, latitude 41-42, 43-45, 46-54, longitude 56-58, 59-61, 62-70).
#include <string>
#include <string_view>
#include <vector>

namespace lumbrix {

struct Point {
  std::string id;
  double latDeg = 0;      // positive north
  double lonWestDeg = 0;  // positive west
};

// One degrees/minutes/seconds angle; a leading "-" on the degrees turns the
// whole angle (south, or east of Greenwich). Each field may be blank- or
// zero-padded (lumbrix_fields.h).
bool parseAngle(std::string_view deg, std::string_view min, std::string_view sec, double& value,
                std::string& error);

bool parseFrontEndRecord(const std::string& line, Point& point, std::string& error);
bool parseGhostRecord(const std::string& line, Point& point, std::string& error);

// Every non-blank line of the file; false with "line n: reason" on the
// first unreadable record or when the file cannot be read.
bool readPoints(const std::string& path, bool frontEndLayout, std::vector<Point>& points,
                std::string& error);

}  // namespace lumbrix
