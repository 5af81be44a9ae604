#include "lumbrix_records.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "lumbrix_fields.h"

namespace lumbrix {
namespace {

std::string_view trim(std::string_view s) {
  const auto b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

std::string_view columns(std::string_view line, size_t first, size_t last) {
  if (line.size() < first) return {};
  return line.substr(first - 1, last - first + 1);
}

}  // namespace

bool parseAngle(std::string_view degText, std::string_view minText, std::string_view secText,
                double& value, std::string& error) {
  bool negative = false, unused = false;
  int deg = 0, min = 0;
  double sec = 0;
  if (!integerField(degText, true, 3, negative, deg)) {
    error = "invalid degrees \"" + std::string(degText) + "\"";
    return false;
  }
  if (!integerField(minText, false, 2, unused, min) || min >= 60) {
    error = "invalid minutes \"" + std::string(minText) + "\"";
    return false;
  }
  if (!secondsField(secText, sec) || sec >= 60) {
    error = "invalid seconds \"" + std::string(secText) + "\"";
    return false;
  }
  value = deg + min / 60.0 + sec / 3600.0;
  if (negative) value = -value;
  return true;
}

bool parseFrontEndRecord(const std::string& line, Point& p, std::string& error) {
  if (line.empty() || line[0] != '\'') {
    error = "record does not start with a quoted identifier";
    return false;
  }
  const auto close = line.find("',", 1);
  if (close == std::string::npos) {
    error = "identifier is not closed by a quote";
    return false;
  }
  // The front end copies the identifier from a fixed-width field.
  p.id = blanksRemoved(std::string_view(line).substr(1, close - 1));
  if (p.id.empty() || p.id.size() > 9) {
    error = "identifier must have 1 to 9 characters";
    return false;
  }
  std::string_view fields[6];
  const std::string_view text(line);
  size_t pos = close + 2;
  for (int i = 0; i < 6; ++i) {
    const auto comma = text.find(',', pos);
    if ((i < 5) != (comma != std::string_view::npos)) {
      error = "record must have six angle fields";
      return false;
    }
    fields[i] =
        text.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos);
    pos = comma + 1;
  }
  if (!parseAngle(fields[0], fields[1], fields[2], p.latDeg, error) ||
      !parseAngle(fields[3], fields[4], fields[5], p.lonWestDeg, error))
    return false;
  if (std::fabs(p.latDeg) > 90) {
    error = "latitude beyond 90 degrees";
    return false;
  }
  return true;
}

bool parseGhostRecord(const std::string& line, Point& p, std::string& error) {
  if (line.size() < 62) {
    error = "GHOST record shorter than its longitude fields";
    return false;
  }
  p.id = trim(columns(line, 7, 15));
  if (p.id.empty()) {
    error = "GHOST record without identifier in columns 7-15";
    return false;
  }
  // The readers' columns (41-42, 44-45, 46-53; 57-58, 60-61, 62-69) widened
  // to the whole fields VESPERAN writes: three-column longitude degrees and
  // nine-column seconds.
  if (!parseAngle(trim(columns(line, 41, 42)), trim(columns(line, 43, 45)),
                  trim(columns(line, 46, 54)), p.latDeg, error) ||
      !parseAngle(trim(columns(line, 56, 58)), trim(columns(line, 59, 61)),
                  trim(columns(line, 62, 70)), p.lonWestDeg, error))
    return false;
  return true;
}

bool readPoints(const std::string& path, bool frontEnd, std::vector<Point>& points,
                std::string& error) {
  points.clear();
  std::error_code ec;
  std::ifstream in;
  if (std::filesystem::is_regular_file(path, ec)) in.open(path, std::ios::binary);
  if (!in.is_open()) {
    error = "cannot open input file " + path;
    return false;
  }
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    if (trim(line).empty()) continue;
    Point p;
    std::string why;
    if (!(frontEnd ? parseFrontEndRecord(line, p, why) : parseGhostRecord(line, p, why))) {
      error = path + " line " + std::to_string(number) + ": " + why;
      return false;
    }
    points.push_back(std::move(p));
  }
  if (in.bad()) {
    error = "cannot read input file " + path;
    return false;
  }
  return true;
}

}  // namespace lumbrix
