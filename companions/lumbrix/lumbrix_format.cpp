#include "lumbrix_format.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "common/number_text.h"

namespace lumbrix {
namespace {

using companion::appendFixed;
using companion::appendInt;

void padTo(std::string& line, size_t start, size_t width) {
  if (line.size() - start < width) line.append(width - (line.size() - start), ' ');
}

// "DDD MM SS.SSSSS" with the degrees right-aligned in 3 columns.
void appendAngle(std::string& line, double value) {
  const Dms d = toDms(value);
  if (d.negative) {
    std::string degrees = "-";
    appendInt(degrees, d.degrees, 0);
    if (degrees.size() < 3) line.append(3 - degrees.size(), ' ');
    line += degrees;
  } else {
    appendInt(line, d.degrees, 3);
  }
  line += ' ';
  appendInt(line, d.minutes, 2, true);
  line += ' ';
  appendFixed(line, d.seconds, 8, 5, true);
}

// Text printed into a fixed buffer of `room` bytes keeps room - 1 of them.
void cutTo(std::string& line, size_t start, size_t room) {
  if (line.size() - start > room - 1) line.resize(start + room - 1);
}

// printf's "%s" stops at the first NUL.
std::string_view cString(const std::string& s) { return std::string_view(s.c_str()); }

void appendLeft(std::string& line, std::string_view text, size_t width) {
  line += text;
  if (text.size() < width) line.append(width - text.size(), ' ');
}

}  // namespace

Dms toDms(double degrees) {
  Dms d;
  d.negative = degrees < 0;
  // Round once, in units of 1e-5 arc-second, so 59.999999" never prints as 60.
  const auto units = static_cast<int64_t>(std::llround(std::fabs(degrees) * 3600.0 * 1e5));
  const int64_t perDegree = 3600LL * 100000, perMinute = 60LL * 100000;
  d.degrees = static_cast<int>(units / perDegree);
  d.minutes = static_cast<int>((units % perDegree) / perMinute);
  d.seconds = static_cast<double>(units % perMinute) / 1e5;
  if (d.degrees == 0 && d.minutes == 0 && units % perMinute == 0) d.negative = false;
  return d;
}

void appendGeographicRecord(std::string& line, int sequence, const std::string& id, double latDeg,
                            double lonWestDeg) {
  const size_t start = line.size();
  appendInt(line, sequence % 100000, 5);  // 1-6
  line += ' ';
  const std::string_view shown = std::string_view(id).substr(0, 9);
  line.append(9 - shown.size(), ' ');  // 7-15
  line += shown;
  padTo(line, start, 39);         // 16-39
  appendAngle(line, latDeg);      // 40-54
  line += ' ';                    // 55
  appendAngle(line, lonWestDeg);  // 56-70
}

std::string geographicRecord(int sequence, const std::string& id, double latDeg,
                             double lonWestDeg) {
  std::string line;
  appendGeographicRecord(line, sequence, id, latDeg, lonWestDeg);
  return line;
}

void appendNewRecord(std::string& line, int sequence, const std::string& id, double latDeg,
                     double lonWestDeg, std::optional<double> accuracyMetres) {
  appendGeographicRecord(line, sequence, id, latDeg, lonWestDeg);
  if (accuracyMetres) {
    const size_t start = line.size();
    line += ' ';
    appendFixed(line, *accuracyMetres, 9, 3);  // 71-80
    cutTo(line, start, 32);
  }
}

std::string newRecord(int sequence, const std::string& id, double latDeg, double lonWestDeg,
                      std::optional<double> accuracyMetres) {
  std::string line;
  appendNewRecord(line, sequence, id, latDeg, lonWestDeg, accuracyMetres);
  return line;
}

void appendMissedRecord(std::string& line, int sequence, const Point& p) {
  appendGeographicRecord(line, sequence, p.id, p.latDeg, p.lonWestDeg);
  line += "  OUTSIDE GRID";
}

std::string missedRecord(int sequence, const Point& p) {
  std::string line;
  appendMissedRecord(line, sequence, p);
  return line;
}

void appendListingRecord(std::string& line, int sequence, const Point& p, double outLat,
                         double outLonWest, std::optional<double> accuracyMetres) {
  size_t start = line.size();
  appendInt(line, sequence, 5);
  line += ' ';
  appendLeft(line, cString(p.id), 9);
  for (double degrees : {p.latDeg, p.lonWestDeg, outLat, outLonWest}) {
    line += ' ';
    appendFixed(line, degrees, 16, 11);
  }
  for (double seconds : {(outLat - p.latDeg) * 3600.0, (outLonWest - p.lonWestDeg) * 3600.0}) {
    line += ' ';
    appendFixed(line, seconds, 10, 5);
  }
  cutTo(line, start, 256);
  if (accuracyMetres) {
    start = line.size();
    line += ' ';
    appendFixed(line, *accuracyMetres, 9, 3);
    cutTo(line, start, 256);
  }
}

std::string listingRecord(int sequence, const Point& p, double outLat, double outLonWest,
                          std::optional<double> accuracyMetres) {
  std::string line;
  appendListingRecord(line, sequence, p, outLat, outLonWest, accuracyMetres);
  return line;
}

void appendListingMissedRecord(std::string& line, int sequence, const Point& p) {
  const size_t start = line.size();
  appendInt(line, sequence, 5);
  line += ' ';
  appendLeft(line, cString(p.id), 9);
  line += ' ';
  appendFixed(line, p.latDeg, 16, 11);
  line += ' ';
  appendFixed(line, p.lonWestDeg, 16, 11);
  line += "  OUTSIDE GRID - NOT SHIFTED";
  cutTo(line, start, 160);
}

std::string listingMissedRecord(int sequence, const Point& p) {
  std::string line;
  appendListingMissedRecord(line, sequence, p);
  return line;
}

}  // namespace lumbrix
