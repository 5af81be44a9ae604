#include "lumbrix_format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace lumbrix {
namespace {

std::string padTo(std::string s, size_t width) {
  if (s.size() < width) s.append(width - s.size(), ' ');
  return s;
}

std::string rightAligned(const std::string& s, size_t width) {
  return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

// "DDD MM SS.SSSSS" with the degrees right-aligned in 3 columns.
std::string angle(double value) {
  const Dms d = toDms(value);
  char deg[16], buf[48];
  std::snprintf(deg, sizeof deg, "%s%d", d.negative ? "-" : "", d.degrees);
  std::snprintf(buf, sizeof buf, "%3s %02d %08.5f", deg, d.minutes, d.seconds);
  return buf;
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

std::string geographicRecord(int sequence, const std::string& id, double latDeg, double lonWestDeg) {
  char seq[16];
  std::snprintf(seq, sizeof seq, "%5d ", sequence % 100000);
  std::string line = seq;                      // 1-6
  line += rightAligned(id.substr(0, 9), 9);    // 7-15
  line = padTo(line, 39);                      // 16-39
  line += angle(latDeg);                       // 40-54
  line += " ";                                 // 55
  line += angle(lonWestDeg);                   // 56-70
  return line;
}

std::string newRecord(int sequence, const std::string& id, double latDeg, double lonWestDeg,
                      std::optional<double> accuracyMetres) {
  std::string line = geographicRecord(sequence, id, latDeg, lonWestDeg);
  if (accuracyMetres) {
    char buf[32];
    std::snprintf(buf, sizeof buf, " %9.3f", *accuracyMetres);
    line += buf;  // 71-80
  }
  return line;
}

std::string missedRecord(int sequence, const Point& p) {
  return geographicRecord(sequence, p.id, p.latDeg, p.lonWestDeg) + "  OUTSIDE GRID";
}

std::string listingRecord(int sequence, const Point& p, double outLat, double outLonWest,
                          std::optional<double> accuracyMetres) {
  char buf[256];
  std::snprintf(buf, sizeof buf, "%5d %-9s %16.11f %16.11f %16.11f %16.11f %10.5f %10.5f", sequence,
                p.id.c_str(), p.latDeg, p.lonWestDeg, outLat, outLonWest, (outLat - p.latDeg) * 3600.0,
                (outLonWest - p.lonWestDeg) * 3600.0);
  std::string line = buf;
  if (accuracyMetres) {
    std::snprintf(buf, sizeof buf, " %9.3f", *accuracyMetres);
    line += buf;
  }
  return line;
}

std::string listingMissedRecord(int sequence, const Point& p) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%5d %-9s %16.11f %16.11f  OUTSIDE GRID - NOT SHIFTED", sequence, p.id.c_str(),
                p.latDeg, p.lonWestDeg);
  return buf;
}

}  // namespace lumbrix
