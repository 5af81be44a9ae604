#include "writers/record_layouts.h"

#include "records/field_writer.h"
#include "writers/program_records.h"
#include "writers/text_record.h"

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

// The six angle fields, each after separator: ",DD,MM,SS.SSSSS,..." with a
// comma.
void AppendAngles(std::string& record, const GeoFields& f, char separator) {
  for (const std::string* field :
       {&f.latDeg, &f.latMin, &f.latSec, &f.lonDeg, &f.lonMin, &f.lonSec}) {
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

namespace {

PointText GridText(const std::string& id, const std::string& northing, const std::string& easting) {
  PointText p;
  p.id = id;
  p.northing = northing;
  p.easting = easting;
  return p;
}

PointText GeoText(const GeoFields& f) {
  PointText p;
  p.id = f.id;
  p.latDeg = f.latDeg;
  p.latMin = f.latMin;
  p.latSec = SecondsForRecord(f.latSec);
  p.lonDeg = f.lonDeg;
  p.lonMin = f.lonMin;
  p.lonSec = SecondsForRecord(f.lonSec);
  return p;
}

}  // namespace

std::string TransformEnRecord(const std::string& id, const std::string& northing,
                              const std::string& easting) {
  return WriteTextRecord(point_records::kTransformGrid, GridText(id, northing, easting));
}

std::string TransformLlRecord(const GeoFields& f) {
  return WriteTextRecord(point_records::kTransformGeographic, GeoText(f));
}

std::string Quillon27EnRecord(const std::string& id, const std::string& easting,
                              const std::string& northing) {
  return WriteTextRecord(point_records::kQuillon27Grid, GridText(id, northing, easting));
}

std::string Quillon27LlRecord(const GeoFields& f) {
  return WriteTextRecord(point_records::kQuillon27Geographic, GeoText(f));
}

std::string VesperanEnRecord(const std::string& id, const std::string& northing,
                             const std::string& easting) {
  return WriteTextRecord(point_records::kVesperanGrid, GridText(id, northing, easting));
}

std::string VesperanXyRecord(const std::string& id, const std::string& zone, const std::string& x,
                             const std::string& y) {
  PointText p = GridText(id, y, x);
  p.code = "04";
  p.zone = zone;
  return WriteTextRecord(point_records::kVesperanUtm, p);
}

std::string VesperanLlRecord(const GeoFields& f, const std::string& meridian) {
  PointText p = GeoText(f);
  p.meridian = meridian;
  return WriteTextRecord(point_records::kVesperanGeographic, p);
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
