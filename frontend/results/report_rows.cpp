#include "results/report_rows.h"

#include <vector>

#include "input/line_fields.h"
#include "writers/record_layouts.h"

namespace kartovex {

namespace {

// Blanks until the next field starts in column; one blank when the field
// already runs past it, so that two fields never run together.
void PadBefore(std::string& row, std::size_t column) {
  if (row.size() + 1 <= column) {
    PadToColumn(row, column - 1);
  } else {
    row += ' ';
  }
}

// A character that does not occur in line, to stand for its first blanks.
std::optional<char> MarkerFor(const std::string& line) {
  for (char marker : {'~', '*', '@'}) {
    if (line.find(marker) == std::string::npos) return marker;
  }
  return std::nullopt;
}

}  // namespace

std::size_t ExtraTextColumn(CoordForm form, bool outputSection) {
  if (form == CoordForm::XY) return outputSection ? 56 : 53;
  return 51;
}

std::optional<std::string> DelimitedRow(const std::string& line, CoordForm form,
                                        std::size_t extraColumn, const FrontEndSettings& s) {
  std::string text = line;
  std::string delimiter = s.delimiter;
  if (form == CoordForm::EN && delimiter == " ") {
    auto marker = MarkerFor(line);
    if (!marker) return std::nullopt;
    int replaced = 0;
    for (char& c : text) {
      if (c == ' ' && replaced < 3) {
        c = *marker;
        ++replaced;
      }
    }
    delimiter = std::string(1, *marker);
  }
  std::vector<std::size_t> stops = {12, 29};
  if (form == CoordForm::XY) stops.push_back(46);
  const bool showExtra = s.extraText && s.displayExtraText;

  std::string row;
  std::size_t start = 0;
  for (std::size_t column : stops) {
    std::size_t pos = delimiter.empty() ? std::string::npos : text.find(delimiter, start);
    if (pos == std::string::npos) return row + text.substr(start);
    row += text.substr(start, pos - start);
    PadBefore(row, column);
    start = pos + delimiter.size();
  }
  std::size_t pos = delimiter.empty() ? std::string::npos : text.find(delimiter, start);
  if (pos == std::string::npos) return row + text.substr(start);
  row += text.substr(start, pos - start);
  if (showExtra) {
    PadBefore(row, extraColumn);
    row += text.substr(pos + delimiter.size());
  }
  return row;
}

std::string GeographicRow(const std::string& line, const FrontEndSettings& s) {
  auto f = SplitGeoLine(line, s);
  if (!f) return line;
  std::string row = LeftAligned(f->id, 11) +
                    LeftAligned(f->latDeg + " " + f->latMin + " " + f->latSec, 17) +
                    LeftAligned(f->lonDeg + " " + f->lonMin + " " + f->lonSec, 17);
  if (s.extraText && s.displayExtraText) row += f->extra;
  return row;
}

}  // namespace kartovex
