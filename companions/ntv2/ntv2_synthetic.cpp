#include "ntv2_synthetic.h"

#include <algorithm>
#include <cmath>

namespace ntv2 {

bool parseField(const std::string& text, Field& field) {
  if (text == "27-83")
    field = Field::Nad27ToNad83;
  else if (text == "77-83")
    field = Field::Ats77ToNad83;
  else if (text == "77-csrs")
    field = Field::Ats77ToCsrs;
  else
    return false;
  return true;
}

Node syntheticNode(Field field, double latDeg, double lonWestDeg) {
  // u, v run from about -1 to 1 across the Maritimes.
  const double u = (latDeg - 45.5) / 2.0;
  const double v = (lonWestDeg - 64.5) / 3.0;
  const double r2 = std::min(u * u + v * v, 4.0);
  Node n;
  switch (field) {
    case Field::Nad27ToNad83:
      // North by 0.3"..0.5", west by 1.6"..2.4" (NTv2 keeps west positive).
      n.latShift =
          static_cast<float>(0.40 + 0.06 * std::sin(1.3 * u + 0.4) + 0.03 * std::cos(1.1 * v));
      n.lonShift =
          static_cast<float>(2.0 + 0.25 * std::sin(1.2 * v + 0.5) + 0.15 * std::cos(1.4 * u));
      n.latAccuracy = n.lonAccuracy = static_cast<float>(0.004 + 0.002 * r2);
      break;
    case Field::Ats77ToNad83:
      n.latShift = static_cast<float>(0.014 + 0.004 * std::sin(1.1 * u - 0.2) * std::cos(0.7 * v));
      n.lonShift = static_cast<float>(0.018 + 0.006 * std::cos(1.3 * v + 0.3));
      n.latAccuracy = n.lonAccuracy = static_cast<float>(0.0015 + 0.0005 * r2);
      break;
    case Field::Ats77ToCsrs:
      n.latShift = static_cast<float>(0.012 + 0.004 * std::sin(0.9 * u + 0.6));
      n.lonShift = static_cast<float>(0.018 + 0.006 * std::cos(1.2 * v - 0.4) * std::cos(0.5 * u));
      n.latAccuracy = n.lonAccuracy = static_cast<float>(0.0015 + 0.0005 * r2);
      break;
  }
  return n;
}

bool syntheticGrid(Field field, const GridExtent& e, const std::string& name,
                   const std::string& date, File& file, std::string& error) {
  if (!(e.spacingSeconds >= 1) || !(e.northDeg > e.southDeg) || !(e.westDeg > e.eastDeg) ||
      e.southDeg < -90 || e.northDeg > 90 || !(e.eastDeg >= -360) || !(e.westDeg <= 360) ||
      !std::isfinite(e.spacingSeconds) || name.empty() || name.size() > 8) {
    error = "unusable grid extent or name";
    return false;
  }
  const double inc = e.spacingSeconds;
  const double south = e.southDeg * 3600, east = e.eastDeg * 3600;
  // Sized in floating point first: an int would overflow before the check.
  const double rowCount = std::ceil((e.northDeg * 3600 - south) / inc - 1e-9) + 1;
  const double colCount = std::ceil((e.westDeg * 3600 - east) / inc - 1e-9) + 1;
  if (!(rowCount * colCount <= 20'000'000)) {
    error = "grid too large";
    return false;
  }
  const int rows = static_cast<int>(rowCount), cols = static_cast<int>(colCount);
  file = File{};
  switch (field) {
    case Field::Nad27ToNad83:
      file.systemFrom = "NAD27";
      file.systemTo = "NAD83";
      file.majorFrom = 6378206.4;
      file.minorFrom = 6356583.8;
      break;
    case Field::Ats77ToNad83:
    case Field::Ats77ToCsrs:
      file.systemFrom = "ATS77";
      file.systemTo = field == Field::Ats77ToCsrs ? "NAD83CSR" : "NAD83";
      file.majorFrom = 6378135.0;
      file.minorFrom = 6378135.0 * (1 - 1 / 298.257);
      break;
  }
  file.majorTo = 6378137.0;
  file.minorTo = 6356752.314140356;
  Subfile s;
  s.name = name;
  s.created = s.updated = date;
  s.southLat = south;
  s.northLat = south + (rows - 1) * inc;
  s.eastLong = east;
  s.westLong = east + (cols - 1) * inc;
  s.latInc = s.longInc = inc;
  s.nodes.reserve(static_cast<size_t>(rows) * static_cast<size_t>(cols));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c)
      s.nodes.push_back(
          syntheticNode(field, (s.southLat + r * inc) / 3600, (s.eastLong + c * inc) / 3600));
  file.subfiles.push_back(std::move(s));
  return true;
}

}  // namespace ntv2
