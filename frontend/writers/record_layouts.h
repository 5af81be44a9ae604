#pragma once
// The records of the console programs' input files, one text line each
// (without its CR LF). The fixed-column ones are written by their tables in
// writers/program_records.h; the comments give their shape.

#include <cstddef>
#include <string>

#include "input/line_fields.h"

namespace kartovex {

std::string LeftAligned(const std::string& text, std::size_t width);
std::string RightAligned(const std::string& text, std::size_t width);
// Appends blanks until record is column characters long.
void PadToColumn(std::string& record, std::size_t column);

// ORVANDEL grid (and UTM): identifier 1-9 left, northing 10-22 and easting
// 23-35 right-aligned.
std::string TransformEnRecord(const std::string& id, const std::string& northing,
                              const std::string& easting);
// ORVANDEL geographic: identifier right-aligned in 11, then the six angle
// fields each after one blank (41 characters).
std::string TransformLlRecord(const GeoFields& f);
// QUILLON27 grid (and UTM): identifier left in 8, easting from column 9,
// northing from column 21.
std::string Quillon27EnRecord(const std::string& id, const std::string& easting,
                              const std::string& northing);
// QUILLON27 geographic: DDMMSS.SSSSS twice, then the identifier.
std::string Quillon27LlRecord(const GeoFields& f);
// VESPERAN grid: identifier right in 9, northing and easting right in 13.
std::string VesperanEnRecord(const std::string& id, const std::string& northing,
                             const std::string& easting);
// VESPERAN UTM: " 04   ", identifier 7-15, zone from 51, X from 59, Y from 70.
std::string VesperanXyRecord(const std::string& id, const std::string& zone, const std::string& x,
                             const std::string& y);
// VESPERAN geographic: identifier right in 9 and the six angle fields (39
// characters); a non-empty meridian follows from column 41.
std::string VesperanLlRecord(const GeoFields& f, const std::string& meridian);
// LUMBRIX geographic: 'id',DD,MM,SS.SSSSS,DD,MM,SS.SSSSS
std::string LumbrixLlRecord(const GeoFields& f);

// Seconds as written: a decimal comma becomes a point.
std::string SecondsForRecord(const std::string& seconds);

}  // namespace kartovex
