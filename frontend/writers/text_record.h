#pragma once
// Records of text fields: what the user typed, or what a program wrote,
// placed by a records::Field table (A fields over strings). The console
// programs read these records by columns, so the same table serves the
// writer of a record and its reader.
//
// Writing: a text shorter than its field stands as the field aligns it;
// a longer one is written whole and moves the fields after it right. An
// empty left-aligned field writes nothing, not even the blanks before it,
// so a line ends with its last text.
// Reading: each field's columns as they stand, shorter or empty where the
// line ends before them.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "records/record_layout.h"
#include "writers/columns.h"

namespace kartovex {

template <class R, std::size_t N>
std::string WriteTextRecord(const std::array<records::Field<R>, N>& layout, const R& r) {
  std::string line;
  line.reserve(static_cast<std::size_t>(layout.back().last));
  for (const records::Field<R>& f : layout) {
    if (!f.text) continue;
    const std::string& text = r.*f.text;
    const bool left = f.align == records::Align::Left;
    if (left && text.empty()) continue;
    const auto start = static_cast<std::size_t>(f.first - 1);
    if (line.size() < start) line.append(start - line.size(), ' ');
    const auto width = static_cast<std::size_t>(f.width());
    if (!left && text.size() < width) line.append(width - text.size(), ' ');
    line += text;
  }
  return line;
}

// shift moves every field right by that many columns (a program that
// writes its listing one column further on in some provinces).
template <class R, std::size_t N>
void ReadTextRecord(std::string_view line, const std::array<records::Field<R>, N>& layout, R& r,
                    std::size_t shift = 0) {
  for (const records::Field<R>& f : layout) {
    if (!f.text) continue;
    r.*f.text = ColumnsView(line, static_cast<std::size_t>(f.first) + shift,
                            static_cast<std::size_t>(f.last) + shift);
  }
}

template <class R, std::size_t N>
R TextRecordOf(std::string_view line, const std::array<records::Field<R>, N>& layout,
               std::size_t shift = 0) {
  R r;
  ReadTextRecord(line, layout, r, shift);
  return r;
}

}  // namespace kartovex
