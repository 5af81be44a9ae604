#include "quillon27/quillon27_listing.h"

#include <cstdio>

#include "common/angles.h"
#include "common/columns.h"
#include "common/companion_error.h"

namespace quillon27 {

using companion::fittedFixed;
using companion::padTo;

namespace {

std::string provinceName(Province province) {
  switch (province) {
    case Province::NewBrunswick: return "NEW BRUNSWICK";
    case Province::NovaScotia: return "NOVA SCOTIA";
    case Province::PrinceEdwardIsland: return "PRINCE EDWARD ISLAND";
  }
  return "";
}

std::string formName(InputForm form) {
  switch (form) {
    case InputForm::Geographic: return "LAT,LONG";
    case InputForm::Grid: return "EAST,NORTH (FEET)";
    case InputForm::Utm: return "UTM X,Y (METRES)";
  }
  return "";
}

// DD MM SS.SSSSS with blanks between, as the listing's readers cut it.
std::string angle(double degrees) {
  const companion::Dms dms = companion::toDms(degrees, 5);
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%02d %02d %08.5f", dms.degrees, dms.minutes, dms.seconds);
  const std::string text = buffer;
  if (text.size() != 14) throw companion::CompanionError("angle out of range");
  return text;
}

}  // namespace

std::vector<std::string> listingHeading(const QuillonRequest& request) {
  std::vector<std::string> heading;
  heading.push_back("QUILLON27  NAD27 CONVERSIONS BETWEEN COORDINATE FORMS");
  std::string grid = request.province == Province::NovaScotia
                         ? "NAD27 MTM GRID (FEET)"
                         : "NAD27 STEREOGRAPHIC GRID (FEET)";
  heading.push_back("PROVINCE: " + provinceName(request.province) + "    GRID: " + grid +
                    "    INPUT: " + formName(request.form));
  if (request.province == Province::NewBrunswick) {
    heading.push_back("ORIGIN OF THE GRID: 46 30 N  66 30 W    FALSE EASTING AND NORTHING "
                      "1000000 FT");
  }
  // Column captions end where their fields end (Prince Edward Island columns;
  // one column further right for the other provinces).
  const std::size_t shift = request.province == Province::PrinceEdwardIsland ? 0 : 1;
  std::string captions;
  const auto endAt = [&](std::size_t lastColumn, const std::string& caption) {
    padTo(captions, lastColumn + shift - caption.size());
    captions += caption;
  };
  endAt(6, "NO.");
  endAt(21, "EASTING (FT)");
  endAt(36, "NORTHING (FT)");
  endAt(55, "ZONE");
  endAt(68, "UTM X (M)");
  endAt(81, "UTM Y (M)");
  endAt(106, "LATITUDE");
  endAt(123, "LONGITUDE (W)");
  endAt(129, "POINT");
  heading.push_back(captions);
  heading.push_back(std::string(shift, ' ') + std::string(132, '-'));
  return heading;
}

std::string listingLine(Province province, int number, const ConvertedPoint& point) {
  std::string line = companion::rightAligned(std::to_string(number),
                                             province == Province::PrinceEdwardIsland ? 6 : 7);
  const std::size_t shift = line.size() - 6;
  line += fittedFixed(point.grid.easting, 15, 3);
  line += fittedFixed(point.grid.northing, 15, 3);
  padTo(line, 52 + shift);
  line += companion::rightAligned(std::to_string(point.utmZone), 3);
  padTo(line, 57 + shift);
  line += fittedFixed(point.utm.easting, 11, 3);
  padTo(line, 70 + shift);
  line += fittedFixed(point.utm.northing, 11, 3);
  padTo(line, 94 + shift);
  line += angle(point.geographic.latitude);
  line += " ";
  line += angle(point.geographic.longitudeWest);
  line += " ";
  line += companion::leftAligned(point.identifier, 8);
  return line;
}

std::string coordinateLine(const ConvertedPoint& point) {
  std::string line = companion::leftAligned(point.identifier, 8);
  line += " ";
  line += fittedFixed(point.grid.easting, 11, 3);
  line += " ";
  line += fittedFixed(point.grid.northing, 11, 3);
  return line;
}

}  // namespace quillon27
