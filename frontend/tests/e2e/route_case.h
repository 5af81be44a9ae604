#pragma once
// One row of the route table in one province: its command line, input file
// and the texts its report must carry.

#include <ostream>
#include <string>
#include <vector>

#include "data_points.h"
#include "route_rows.h"

namespace e2e {

struct RouteCase {
  RouteRow row;
  Region region;
};

inline void PrintTo(const RouteCase& c, std::ostream* os) {
  *os << "row " << c.row.no << " " << c.row.from << " -> " << c.row.to;
}

inline std::string ProvinceOf(Region r) {
  return r == Region::NB ? "NB" : r == Region::PEI ? "PEI" : "NS";
}
inline std::string StemOf(Region r) {
  switch (r) {
    case Region::NB: return "NB";
    case Region::NS4: return "NS4";
    case Region::NS5: return "NS5";
    case Region::PEI: break;
  }
  return "PEI";
}

inline std::string DatumPart(const char* choice) {
  const std::string s(choice);
  return s.substr(0, s.find(':'));
}
inline Form FormOf(const char* choice) {
  const std::string f = std::string(choice).substr(std::string(choice).find(':') + 1);
  return f == "LL" ? Form::LL : f == "XY" ? Form::XY : Form::EN;
}
inline OnDatum OnDatumOf(const std::string& datum) {
  if (datum == "ATS77") return OnDatum::ATS77;
  if (datum == "NAD27") return OnDatum::NAD27;
  return OnDatum::NAD83;
}

// The demo's sample file of that datum and form.
inline std::string SampleFile(Region r, const char* choice) {
  const std::string datum = DatumPart(choice);
  const Form f = FormOf(choice);
  if (f == Form::LL) return StemOf(r) + "_LL.TXT";
  const std::string tag = datum == "ATS77" ? "77" : datum == "NAD27" ? "27" : "83";
  return StemOf(r) + (f == Form::EN ? "_EN" : "_XY") + tag + ".TXT";
}

// The report's datum texts.
inline std::string DatumText(const std::string& datum) {
  if (datum == "NAD83CSRS") return "NAD83 (CSRS)";
  if (datum == "NAD83_1989") return "NAD83 (1989)";
  return datum;
}
inline std::string FormText(Form f) {
  return f == Form::LL ? "Lat,Long" : f == Form::XY ? "UTM X,Y" : "East,North";
}

// The output heading of the report for the target.
inline std::string OutputHeading(const std::string& from, const std::string& to, Form toForm) {
  if (toForm == Form::LL) return "POINT      LATITUDE         LONGITUDE (W)";
  if (toForm == Form::XY) return "POINT      X (m)            Y (m)            ZONE";
  bool feet = false;
  if (from == "NAD27" && to == "ATS77")
    feet = false;
  else if (to == "NAD27")
    feet = true;
  else if (from == "NAD27" && to == "NAD83CSRS")
    feet = false;
  else if (from == "NAD27")
    feet = true;
  return feet ? "POINT      EASTING(ft)      NORTHING(ft)"
              : "POINT      EASTING (m)      NORTHING (m)";
}

inline std::string InputHeading(const std::string& from, Form fromForm) {
  if (fromForm == Form::LL) return "POINT      LATITUDE         LONGITUDE (W)";
  if (fromForm == Form::XY) return "POINT      X (m)            Y (m)            ZONE";
  return from == "NAD27" ? "POINT      EASTING(ft)      NORTHING(ft)"
                         : "POINT      EASTING (m)      NORTHING (m)";
}

// The grid-shift file of the row, empty when it runs no LUMBRIX.
inline std::string GridFileOf(const RouteCase& c) {
  if (std::string(c.row.modules).find("LUMBRIX") == std::string::npos) return "";
  const std::string prefix = c.region == Region::NB ? "NB" : c.region == Region::PEI ? "PE" : "NS";
  return prefix + (DatumPart(c.row.to) == "NAD83_1989" ? "2783.GSB" : "77CS.GSB");
}

// How far a converted point may lie from the place of its input point, in
// metres: on one datum only the programs' arithmetic; across datums the
// demonstration shifts (under a metre between ATS77 and NAD83 (CSRS), tens
// of metres to and from NAD27).
// The NAD27 grids of New Brunswick and Prince Edward Island are built on the
// distance and azimuth from the origin with empirical inverse polynomials,
// not on a true double stereographic projection: they agree with it to a
// few centimetres only.
inline double DatumAllowance(const RouteCase& c) {
  const std::string from = DatumPart(c.row.from), to = DatumPart(c.row.to);
  const bool stereo27 = (c.region == Region::NB || c.region == Region::PEI) &&
                        ((from == "NAD27" && FormOf(c.row.from) == Form::EN) ||
                         (to == "NAD27" && FormOf(c.row.to) == Form::EN));
  if (from == to) return stereo27 ? 0.15 : 0.001;
  if (from == "NAD27" || to == "NAD27" || to == "NAD83_1989") return 150.0;
  return 3.0;
}

inline std::vector<RouteCase> AllRouteCases() {
  std::vector<RouteCase> cases;
  for (const RouteRow& row : RouteRows())
    for (Region r : {Region::NB, Region::NS4, Region::NS5, Region::PEI}) {
      // The MTM zone matters only where a grid is read or written.
      const bool grid = FormOf(row.from) == Form::EN || FormOf(row.to) == Form::EN;
      if (r != Region::NS5 || grid) cases.push_back({row, r});
    }
  return cases;
}

}  // namespace e2e
