#include "writers/record_layouts.h"

namespace kartovex {

std::string LeftAligned(const std::string& text, std::size_t width) {
  std::string out = text;
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

std::string RightAligned(const std::string& text, std::size_t width) {
  if (text.size() >= width) return text;
  return std::string(width - text.size(), ' ') + text;
}

void PadToColumn(std::string& record, std::size_t column) {
  if (record.size() < column) record.append(column - record.size(), ' ');
}

std::string SecondsForRecord(const std::string& seconds) {
  std::string out = seconds;
  for (char& c : out) {
    if (c == ',') c = '.';
  }
  return out;
}

namespace {

// " DD MM SS.SSSSS DD MM SS.SSSSS"
std::string BlankSeparatedAngles(const GeoFields& f) {
  return " " + f.latDeg + " " + f.latMin + " " + SecondsForRecord(f.latSec) + " " + f.lonDeg +
         " " + f.lonMin + " " + SecondsForRecord(f.lonSec);
}

}  // namespace

std::string TransformEnRecord(const std::string& id, const std::string& northing,
                              const std::string& easting) {
  return LeftAligned(id, 9) + RightAligned(northing, 13) + RightAligned(easting, 13);
}

std::string TransformLlRecord(const GeoFields& f) {
  return RightAligned(f.id, 11) + BlankSeparatedAngles(f);
}

std::string Quillon27EnRecord(const std::string& id, const std::string& easting,
                              const std::string& northing) {
  std::string record = LeftAligned(id, 8) + easting;
  PadToColumn(record, 20);
  return record + northing;
}

std::string Quillon27LlRecord(const GeoFields& f) {
  return f.latDeg + f.latMin + SecondsForRecord(f.latSec) + f.lonDeg + f.lonMin +
         SecondsForRecord(f.lonSec) + f.id;
}

std::string VesperanEnRecord(const std::string& id, const std::string& northing,
                             const std::string& easting) {
  return RightAligned(id, 9) + RightAligned(northing, 13) + RightAligned(easting, 13);
}

std::string VesperanXyRecord(const std::string& id, const std::string& zone,
                             const std::string& x, const std::string& y) {
  std::string record = " 04   " + RightAligned(id, 9);
  PadToColumn(record, 50);
  record += zone;
  PadToColumn(record, 58);
  record += x;
  PadToColumn(record, 69);
  return record + y;
}

std::string VesperanLlRecord(const GeoFields& f, const std::string& meridian) {
  std::string record = RightAligned(f.id, 9) + BlankSeparatedAngles(f);
  if (!meridian.empty()) {
    PadToColumn(record, 40);
    record += meridian;
  }
  return record;
}

std::string LumbrixLlRecord(const GeoFields& f) {
  return "'" + f.id + "'," + f.latDeg + "," + f.latMin + "," + SecondsForRecord(f.latSec) + "," +
         f.lonDeg + "," + f.lonMin + "," + SecondsForRecord(f.lonSec);
}

}  // namespace kartovex
