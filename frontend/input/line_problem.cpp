#include "input/line_problem.h"

#include <vector>

#include "input/format_coordinate.h"

namespace kartovex {

namespace {

constexpr Text kPoint{"Point", "Point"};
constexpr Text kEasting{"Easting", "Est"};
constexpr Text kNorthing{"Northing", "Nord"};
constexpr Text kZone{"Zone", "Zone"};
constexpr Text kGeoNames[] = {
    {"Latitude degrees", "Degrés de latitude"},    {"Latitude minutes", "Minutes de latitude"},
    {"Latitude seconds", "Secondes de latitude"},  {"Longitude degrees", "Degrés de longitude"},
    {"Longitude minutes", "Minutes de longitude"}, {"Longitude seconds", "Secondes de longitude"},
};

// The names of the fields of a layout, in the order of the line.
std::vector<Text> FieldNames(LineLayout layout, const FrontEndSettings& s) {
  std::vector<Text> names{kPoint};
  if (layout == LineLayout::Geographic) {
    names.insert(names.end(), std::begin(kGeoNames), std::end(kGeoNames));
    return names;
  }
  if (s.fieldOrder == "NE") {
    names.push_back(kNorthing);
    names.push_back(kEasting);
  } else {
    names.push_back(kEasting);
    names.push_back(kNorthing);
  }
  if (layout == LineLayout::Utm) names.push_back(kZone);
  return names;
}

// The fields as the writers split them: the last one ends at the next
// delimiter (the rest is extra text). A line without enough delimiters gives
// fewer fields than count.
std::vector<std::string> Split(const std::string& line, const std::string& delimiter,
                               std::size_t count) {
  std::vector<std::string> fields;
  std::size_t pos = 0;
  while (fields.size() < count) {
    std::size_t found = delimiter.empty() ? std::string::npos : line.find(delimiter, pos);
    if (found == std::string::npos) {
      // The rest of the line is one field; the fields after it are missing.
      fields.push_back(line.substr(pos));
      break;
    }
    fields.push_back(line.substr(pos, found - pos));
    pos = found + delimiter.size();
  }
  return fields;
}

// The index of the first refused field of a grid or UTM line, in the order
// the writers check: normalising, lengths, then the numbers. -1 when every
// field passes.
int GridFieldRefused(const std::vector<std::string>& f, const std::string& separator) {
  auto first = FormatCoordinate(f[1], separator);
  if (!first) return 1;
  auto second = FormatCoordinate(f[2], separator);
  if (!second) return 2;
  if (f[0].empty() || f[0].size() > 8) return 0;
  if (first->size() < 3 || first->size() > 11) return 1;
  if (second->size() < 3 || second->size() > 11) return 2;
  if (!ToNumber(*first, separator)) return 1;
  if (!ToNumber(*second, separator)) return 2;
  return -1;
}

// The index (0-based) of the first refused field of a geographic line, -1
// when every field passes.
int GeoFieldRefused(std::vector<std::string> f, const std::string& separator) {
  if (f[0].empty() || f[0].size() > 8) return 0;
  for (int i : {3, 6})
    if (f[i].find(separator) == std::string::npos) f[i] += separator + "0";
  for (int i : {1, 4}) {
    if (f[i] == "0") f[i] = "00";
    if (f[i].size() != 2) return i;
  }
  for (int i : {2, 5})
    if (f[i].empty() || f[i].size() > 2) return i;
  for (int i : {3, 6})
    if (f[i].size() > 8 || f[i].size() < 3) return i;
  for (int i = 1; i <= 6; ++i)
    if (!ParseDecimal(f[i], separator)) return i;
  for (int i : {2, 3, 5, 6})
    if (*ParseDecimal(f[i], separator) >= 60) return i;
  return -1;
}

}  // namespace

LineProblem FindLineProblem(const std::string& line, LineLayout layout, const FrontEndSettings& s) {
  const std::vector<Text> names = FieldNames(layout, s);
  const std::vector<std::string> fields = Split(line, s.delimiter, names.size());
  LineProblem problem;
  if (fields.size() < names.size()) {
    problem.field = static_cast<int>(fields.size()) + 1;
    problem.name = names[fields.size()];
    problem.missing = true;
    return problem;
  }
  int refused = -1;
  if (layout == LineLayout::Geographic) {
    refused = GeoFieldRefused(fields, s.decimalSeparator);
  } else {
    refused = GridFieldRefused(fields, s.decimalSeparator);
  }
  if (refused < 0) return problem;
  problem.field = refused + 1;
  problem.name = names[refused];
  problem.text = fields[refused];
  return problem;
}

std::string LineTag(long lineNumber, bool french) {
  return (french ? "[ligne " : "[line ") + std::to_string(lineNumber) + "]";
}

std::string FieldDetail(const LineProblem& problem, const std::string& delimiter, bool french) {
  if (problem.field <= 0) return {};
  const std::string k = std::to_string(problem.field);
  if (french) {
    std::string head = " (champ " + k + " « " + problem.name.fr + " » : ";
    return head + (problem.missing ? "manquant, séparateur « " + delimiter + " »)"
                                   : "« " + problem.text + " »)");
  }
  std::string head = " (field " + k + " \"" + problem.name.en + "\": ";
  return head + (problem.missing ? "missing, delimiter \"" + delimiter + "\")"
                                 : "\"" + problem.text + "\")");
}

std::string LineDetail(long lineNumber, const LineProblem& problem, const std::string& delimiter,
                       bool french) {
  return " " + LineTag(lineNumber, french) + FieldDetail(problem, delimiter, french);
}

std::string DescribeLine(long lineNumber, const std::string& line, LineLayout layout,
                         const FrontEndSettings& settings, bool french) {
  return LineDetail(lineNumber, FindLineProblem(line, layout, settings), settings.delimiter,
                    french);
}

}  // namespace kartovex
