#include "quillon27/quillon27_listing.h"

#include <charconv>

#include "common/angles.h"
#include "common/columns.h"
#include "common/companion_error.h"
#include "common/number_text.h"

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
void appendAngle(std::string& line, double degrees) {
  const companion::Dms dms = companion::toDms(degrees, 5);
  const std::size_t start = line.size();
  companion::appendInt(line, dms.degrees, 2, true);
  line += ' ';
  companion::appendInt(line, dms.minutes, 2, true);
  line += ' ';
  companion::appendFixed(line, dms.seconds, 8, 5, true);
  if (line.size() - start != 14) throw companion::CompanionError("angle out of range");
}

}  // namespace

std::vector<std::string> listingHeading(const QuillonRequest& request) {
  std::vector<std::string> heading;
  heading.push_back("QUILLON27  NAD27 CONVERSIONS BETWEEN COORDINATE FORMS");
  std::string grid = request.province == Province::NovaScotia ? "NAD27 MTM GRID (FEET)"
                                                              : "NAD27 STEREOGRAPHIC GRID (FEET)";
  heading.push_back("PROVINCE: " + provinceName(request.province) + "    GRID: " + grid +
                    "    INPUT: " + formName(request.form));
  if (request.province == Province::NewBrunswick) {
    heading.push_back(
        "ORIGIN OF THE GRID: 46 30 N  66 30 W    FALSE EASTING AND NORTHING "
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

void appendListingLine(std::string& line, Province province, int number,
                       const ConvertedPoint& point) {
  const std::size_t start = line.size();
  char digits[16];
  const auto numberEnd = std::to_chars(digits, digits + sizeof digits, number).ptr;
  companion::appendRightAligned(
      line, std::string_view(digits, static_cast<std::size_t>(numberEnd - digits)),
      province == Province::PrinceEdwardIsland ? 6 : 7);
  const std::size_t shift = line.size() - start - 6;
  const auto padTo = [&](std::size_t column) { companion::padTo(line, start + column); };
  companion::appendFitted(line, point.grid.easting, 15, 3);
  companion::appendFitted(line, point.grid.northing, 15, 3);
  padTo(52 + shift);
  const auto zoneEnd = std::to_chars(digits, digits + sizeof digits, point.utmZone).ptr;
  companion::appendRightAligned(
      line, std::string_view(digits, static_cast<std::size_t>(zoneEnd - digits)), 3);
  padTo(57 + shift);
  companion::appendFitted(line, point.utm.easting, 11, 3);
  padTo(70 + shift);
  companion::appendFitted(line, point.utm.northing, 11, 3);
  padTo(94 + shift);
  appendAngle(line, point.geographic.latitude);
  line += ' ';
  appendAngle(line, point.geographic.longitudeWest);
  line += ' ';
  companion::appendLeftAligned(line, point.identifier, 8);
}

std::string listingLine(Province province, int number, const ConvertedPoint& point) {
  std::string line;
  appendListingLine(line, province, number, point);
  return line;
}

void appendCoordinateLine(std::string& line, const ConvertedPoint& point) {
  companion::appendLeftAligned(line, point.identifier, 8);
  line += ' ';
  companion::appendFitted(line, point.grid.easting, 11, 3);
  line += ' ';
  companion::appendFitted(line, point.grid.northing, 11, 3);
}

std::string coordinateLine(const ConvertedPoint& point) {
  std::string line;
  appendCoordinateLine(line, point);
  return line;
}

}  // namespace quillon27
