#pragma once
// Input records as the front end's writers lay them out, built here
// independently of the programs so that tests check the programs against the
// layouts rather than against themselves.
#include <cmath>
#include <cstdio>
#include <string>

namespace companion_test {

inline std::string right(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

inline std::string left(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

inline void padTo(std::string& line, std::size_t column) {
  if (line.size() < column) line.append(column - line.size(), ' ');
}

inline std::string fixed3(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.3f", value);
  return buffer;
}

// "DD", "MM", "SS.SSSSS" of a decimal angle.
struct DmsText {
  std::string degrees, minutes, seconds;
};

inline DmsText dmsText(double angle) {
  const double units = std::round(angle * 3600.0 * 1e5);
  const long long whole = static_cast<long long>(units);
  const int d = static_cast<int>(whole / (3600LL * 100000));
  const int m = static_cast<int>((whole / (60LL * 100000)) % 60);
  const double s = static_cast<double>(whole % (60LL * 100000)) / 1e5;
  char dd[8], mm[8], ss[16];
  std::snprintf(dd, sizeof dd, "%02d", d);
  std::snprintf(mm, sizeof mm, "%02d", m);
  std::snprintf(ss, sizeof ss, "%08.5f", s);
  return {dd, mm, ss};
}

inline double dmsValue(const std::string& d, const std::string& m, const std::string& s) {
  return std::stod(d) + std::stod(m) / 60.0 + std::stod(s) / 3600.0;
}

// IntoVesperan_EN: identifier right-aligned in 9, northing and easting
// right-aligned in 13.
inline std::string intoVesperanEN(const std::string& id, double northing, double easting) {
  return right(id, 9) + right(fixed3(northing), 13) + right(fixed3(easting), 13);
}

// IntoVesperan_XY: " 04   ", identifier right-aligned in 9, zone from
// column 51, X from 59, Y from 70.
inline std::string intoVesperanXY(const std::string& id, int zone, double x, double y) {
  std::string line = " 04   " + right(id, 9);
  padTo(line, 50);
  line += std::to_string(zone);
  padTo(line, 58);
  line += fixed3(x);
  padTo(line, 69);
  line += fixed3(y);
  return line;
}

// IntoVesperan_LL: identifier right-aligned in 9, then blank-separated
// DD MM SS.SSSSS of latitude and longitude; for Nova Scotia the central
// meridian from column 41.
inline std::string intoVesperanLL(const std::string& id, double latitude, double longitudeWest,
                                  const std::string& meridian = "") {
  const DmsText lat = dmsText(latitude);
  const DmsText lon = dmsText(longitudeWest);
  std::string line = right(id, 9) + " " + lat.degrees + " " + lat.minutes + " " + lat.seconds +
                     " " + lon.degrees + " " + lon.minutes + " " + lon.seconds;
  if (!meridian.empty()) {
    padTo(line, 40);
    line += meridian;
  }
  return line;
}

// LUMBRIX's .NEW record: identifier 7-15, latitude 41-42, 44-45, 47-54,
// longitude 57-58, 60-61, 63-70, then the accuracy.
inline std::string lumbrixNew(const std::string& id, double latitude, double longitudeWest) {
  const DmsText lat = dmsText(latitude);
  const DmsText lon = dmsText(longitudeWest);
  std::string line = "      " + right(id, 9);
  padTo(line, 40);
  line += lat.degrees + " " + lat.minutes + " " + lat.seconds;
  padTo(line, 56);
  line += lon.degrees + " " + lon.minutes + " " + lon.seconds;
  line += "     0.052";
  return line;
}

// IntoQuillon27_EN and _XY: identifier left-aligned in 8, easting from
// column 9, blanks up to column 20, northing from column 21.
inline std::string intoQuillon27Plane(const std::string& id, const std::string& easting,
                                      const std::string& northing) {
  std::string line = left(id, 8) + easting;
  padTo(line, 20);
  return line + northing;
}

// IntoQuillon27_LL: DDMMSS.SSSSS of latitude and longitude, identifier from
// column 25.
inline std::string intoQuillon27LL(const std::string& id, double latitude, double longitudeWest) {
  const DmsText lat = dmsText(latitude);
  const DmsText lon = dmsText(longitudeWest);
  return lat.degrees + lat.minutes + lat.seconds + lon.degrees + lon.minutes + lon.seconds + id;
}

}  // namespace companion_test
