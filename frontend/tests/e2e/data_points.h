#pragma once
// Points of the input text files and the data text files: split into
// fields, turned into positions, compared against PROJ.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "grid_math.h"

namespace e2e {

inline std::vector<std::string> SplitFields(const std::string& line, char delimiter = ',') {
  std::vector<std::string> fields;
  std::string field;
  std::istringstream in(line);
  while (std::getline(in, field, delimiter)) fields.push_back(field);
  if (!line.empty() && line.back() == delimiter) fields.emplace_back();
  return fields;
}

// Digits after the decimal point of a printed number.
inline int Decimals(const std::string& number) {
  const auto dot = number.find('.');
  return dot == std::string::npos ? 0 : static_cast<int>(number.size() - dot - 1);
}

inline double Num(const std::string& s) { return std::stod(s); }

enum class Form { EN, LL, XY };

// The number of fields of a line of that form (identifier included).
inline size_t FieldCount(Form f) { return f == Form::LL ? 7 : f == Form::XY ? 4 : 3; }

inline double Dms(const std::string& d, const std::string& m, const std::string& s) {
  return Num(d) + Num(m) / 60.0 + Num(s) / 3600.0;
}

// The position of a line of an input or data text file (East,North order).
inline LatLonW PositionOf(Form f, Region r, OnDatum d, const std::vector<std::string>& x) {
  switch (f) {
    case Form::LL: return {Dms(x[1], x[2], x[3]), Dms(x[4], x[5], x[6])};
    case Form::EN: return GridInverse(r, d, Num(x[1]), Num(x[2]));
    case Form::XY: break;
  }
  return UtmInverse(std::stoi(x[3]), d, Num(x[1]), Num(x[2]));
}

struct Deviation {
  double metres = 0;   // how far the data line lies from the expected place
  double allowed = 0;  // the rounding of its printed digits, in metres
};

// How far the data line x of form f lies from p on datum d, in metres.
inline Deviation DeviationOf(Form f, Region r, OnDatum d, const std::vector<std::string>& x,
                             const LatLonW& p) {
  Deviation dev;
  if (f == Form::LL) {
    const LatLonW got = PositionOf(f, r, d, x);
    const double mPerSecLat = 30.87,
                 mPerSecLon = 30.87 * std::cos(p.lat * std::numbers::pi / 180.0);
    const double dn = (got.lat - p.lat) * 3600.0 * mPerSecLat;
    const double de = (got.lonWest - p.lonWest) * 3600.0 * mPerSecLon;
    dev.metres = std::hypot(dn, de);
    const int dec = std::min(Decimals(x[3]), Decimals(x[6]));
    dev.allowed = 0.5 * std::pow(10.0, -dec) * mPerSecLat * std::sqrt(2.0);
    return dev;
  }
  double e = 0, n = 0, unit = 1;
  if (f == Form::EN) {
    GridForward(r, d, p, e, n);
    if (d == OnDatum::NAD27) unit = kFoot;
  } else {
    UtmForward(std::stoi(x[3]), d, p, e, n);
  }
  dev.metres = std::hypot(Num(x[1]) - e, Num(x[2]) - n) * unit;
  const int dec = std::min(Decimals(x[1]), Decimals(x[2]));
  dev.allowed = 0.5 * std::pow(10.0, -dec) * unit * std::sqrt(2.0);
  return dev;
}

}  // namespace e2e
