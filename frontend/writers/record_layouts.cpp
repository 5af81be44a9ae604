#include "writers/record_layouts.h"

#include "records/field_writer.h"

namespace kartovex {

namespace {

// Aw of the formatting module when the text fits; a longer text is written
// whole.
void AppendRight(std::string& record, const std::string& text, std::size_t width) {
  if (text.size() >= width) {
    record += text;
    return;
  }
  const std::size_t at = record.size();
  record.resize(at + width);
  records::putText(record.data() + at, text, static_cast<int>(width));
}

void AppendLeft(std::string& record, const std::string& text, std::size_t width) {
  record += text;
  if (text.size() < width) record.append(width - text.size(), ' ');
}

void AppendSeconds(std::string& record, const std::string& seconds) {
  const std::size_t at = record.size();
  record += seconds;
  for (std::size_t i = at; i < record.size(); ++i) {
    if (record[i] == ',') record[i] = '.';
  }
}

// The six angle fields, each after separator: " DD MM SS.SSSSS DD MM SS.SSSSS"
// with a blank, ",DD,MM,SS.SSSSS,..." with a comma.
void AppendAngles(std::string& record, const GeoFields& f, char separator) {
  for (const std::string* field : {&f.latDeg, &f.latMin, &f.latSec, &f.lonDeg, &f.lonMin, &f.lonSec}) {
    record += separator;
    if (field == &f.latSec || field == &f.lonSec) {
      AppendSeconds(record, *field);
    } else {
      record += *field;
    }
  }
}

std::string Reserved(std::size_t size) {
  std::string record;
  record.reserve(size);
  return record;
}

}  // namespace

std::string LeftAligned(const std::string& text, std::size_t width) {
  std::string out = Reserved(width);
  AppendLeft(out, text, width);
  return out;
}

std::string RightAligned(const std::string& text, std::size_t width) {
  std::string out = Reserved(width);
  AppendRight(out, text, width);
  return out;
}

void PadToColumn(std::string& record, std::size_t column) {
  if (record.size() < column) record.append(column - record.size(), ' ');
}

std::string SecondsForRecord(const std::string& seconds) {
  std::string out;
  AppendSeconds(out, seconds);
  return out;
}

std::string TransformEnRecord(const std::string& id, const std::string& northing,
                              const std::string& easting) {
  std::string record = Reserved(40);
  AppendLeft(record, id, 9);
  AppendRight(record, northing, 13);
  AppendRight(record, easting, 13);
  return record;
}

std::string TransformLlRecord(const GeoFields& f) {
  std::string record = Reserved(48);
  AppendRight(record, f.id, 11);
  AppendAngles(record, f, ' ');
  return record;
}

std::string Quillon27EnRecord(const std::string& id, const std::string& easting,
                              const std::string& northing) {
  std::string record = Reserved(40);
  AppendLeft(record, id, 8);
  record += easting;
  PadToColumn(record, 20);
  record += northing;
  return record;
}

std::string Quillon27LlRecord(const GeoFields& f) {
  std::string record = Reserved(40);
  record += f.latDeg;
  record += f.latMin;
  AppendSeconds(record, f.latSec);
  record += f.lonDeg;
  record += f.lonMin;
  AppendSeconds(record, f.lonSec);
  record += f.id;
  return record;
}

std::string VesperanEnRecord(const std::string& id, const std::string& northing,
                             const std::string& easting) {
  std::string record = Reserved(40);
  AppendRight(record, id, 9);
  AppendRight(record, northing, 13);
  AppendRight(record, easting, 13);
  return record;
}

std::string VesperanXyRecord(const std::string& id, const std::string& zone,
                             const std::string& x, const std::string& y) {
  std::string record = Reserved(88);
  record += " 04   ";
  AppendRight(record, id, 9);
  PadToColumn(record, 50);
  record += zone;
  PadToColumn(record, 58);
  record += x;
  PadToColumn(record, 69);
  record += y;
  return record;
}

std::string VesperanLlRecord(const GeoFields& f, const std::string& meridian) {
  std::string record = Reserved(56);
  AppendRight(record, f.id, 9);
  AppendAngles(record, f, ' ');
  if (!meridian.empty()) {
    PadToColumn(record, 40);
    record += meridian;
  }
  return record;
}

std::string LumbrixLlRecord(const GeoFields& f) {
  std::string record = Reserved(56);
  record += '\'';
  record += f.id;
  record += '\'';
  AppendAngles(record, f, ',');
  return record;
}

}  // namespace kartovex
