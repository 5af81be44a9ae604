#pragma once
// The fixed-column records the front end writes for the console programs
// and reads back from their outputs, each described once as a table of
// text fields (writers/text_record.h). Columns are those the programs read
// and write.

#include <cstddef>
#include <string>

#include "records/record_layout.h"

namespace kartovex {

// The fields of one point as text; each table names those its record holds.
struct PointText {
  std::string code;  // record code
  std::string id;
  std::string northing, easting, zone;  // grid or UTM (northing Y, easting X)
  std::string latDeg, latMin, latSec;
  std::string lonDeg, lonMin, lonSec;
  std::string meridian;
};

namespace point_records {

using records::Align;
using records::textField;
using P = PointText;

constexpr Align kLeft = Align::Left;

// ORVANDEL grid file record: its grid (and UTM) input, and its grid
// output read back.
inline constexpr auto kTransformGrid = records::layout<P>({
    textField("id", 1, 9, &P::id, kLeft),
    textField("northing", 10, 22, &P::northing),
    textField("easting", 23, 35, &P::easting),
});

// ORVANDEL geographic input: identifier right-aligned in 11.
inline constexpr auto kTransformGeographic = records::layout<P>({
    textField("id", 1, 11, &P::id),
    textField("latDeg", 13, 14, &P::latDeg, kLeft),
    textField("latMin", 16, 17, &P::latMin, kLeft),
    textField("latSec", 19, 26, &P::latSec, kLeft),
    textField("lonDeg", 28, 29, &P::lonDeg, kLeft),
    textField("lonMin", 31, 32, &P::lonMin, kLeft),
    textField("lonSec", 34, 41, &P::lonSec, kLeft),
});

// ORVANDEL's geographic GHOST output (Trn_ghst.dat).
inline constexpr auto kTransformGhost = records::layout<P>({
    textField("id", 10, 18, &P::id),
    textField("latDeg", 41, 42, &P::latDeg),
    textField("latMin", 44, 45, &P::latMin),
    textField("latSec", 46, 53, &P::latSec),
    textField("lonDeg", 57, 58, &P::lonDeg),
    textField("lonMin", 60, 61, &P::lonMin),
    textField("lonSec", 62, 69, &P::lonSec),
});

// A station line of ORVANDEL.OUT's to-NAD27 table (UTM values); a
// station that was not transformed has its identifier in the same columns.
inline constexpr auto kTransformNad27Line = records::layout<P>({
    textField("id", 2, 10, &P::id),
    textField("northing", 104, 115, &P::northing),
    textField("easting", 116, 127, &P::easting),
    textField("zone", 128, 131, &P::zone),
});

// QUILLON27 grid (and UTM) input: easting from column 9, northing from 21.
inline constexpr auto kQuillon27Grid = records::layout<P>({
    textField("id", 1, 8, &P::id, kLeft),
    textField("easting", 9, 20, &P::easting, kLeft),
    textField("northing", 21, 31, &P::northing, kLeft),
});

// QUILLON27 geographic input: DDMMSS.SSSSS twice, then the identifier.
inline constexpr auto kQuillon27Geographic = records::layout<P>({
    textField("latDeg", 1, 2, &P::latDeg, kLeft),
    textField("latMin", 3, 4, &P::latMin, kLeft),
    textField("latSec", 5, 12, &P::latSec, kLeft),
    textField("lonDeg", 13, 14, &P::lonDeg, kLeft),
    textField("lonMin", 15, 16, &P::lonMin, kLeft),
    textField("lonSec", 17, 24, &P::lonSec, kLeft),
    textField("id", 25, 32, &P::id, kLeft),
});

// QUILLON27's grid output.
inline constexpr auto kQuillon27GridOutput = records::layout<P>({
    textField("id", 1, 8, &P::id),
    textField("easting", 10, 20, &P::easting),
    textField("northing", 22, 32, &P::northing),
});

// A point line of QUILLON27.OUT, one column further on outside Prince
// Edward Island (Quillon27ColumnShift).
inline constexpr auto kQuillon27Listing = records::layout<P>({
    textField("easting", 58, 68, &P::easting),
    textField("northing", 71, 81, &P::northing),
    textField("latDeg", 95, 96, &P::latDeg),
    textField("latMin", 98, 99, &P::latMin),
    textField("latSec", 101, 108, &P::latSec),
    textField("lonDeg", 110, 111, &P::lonDeg),
    textField("lonMin", 113, 114, &P::lonMin),
    textField("lonSec", 116, 123, &P::lonSec),
    textField("id", 125, 132, &P::id),
});

// VESPERAN grid input.
inline constexpr auto kVesperanGrid = records::layout<P>({
    textField("id", 1, 9, &P::id),
    textField("northing", 10, 22, &P::northing),
    textField("easting", 23, 35, &P::easting),
});

// VESPERAN's map output (XY_MAP.DAT).
inline constexpr auto kVesperanMap = records::layout<P>({
    textField("id", 1, 9, &P::id),
    textField("northing", 11, 22, &P::northing),
    textField("easting", 24, 35, &P::easting),
});

// VESPERAN UTM input: record code 04 and the zone of every point.
inline constexpr auto kVesperanUtm = records::layout<P>({
    textField("code", 2, 3, &P::code, kLeft),
    textField("id", 7, 15, &P::id),
    textField("zone", 51, 52, &P::zone, kLeft),
    textField("easting", 59, 69, &P::easting, kLeft),
    textField("northing", 70, 80, &P::northing, kLeft),
});

// VESPERAN geographic input; the central meridian only in Nova Scotia.
inline constexpr auto kVesperanGeographic = records::layout<P>({
    textField("id", 1, 9, &P::id),
    textField("latDeg", 11, 12, &P::latDeg, kLeft),
    textField("latMin", 14, 15, &P::latMin, kLeft),
    textField("latSec", 17, 24, &P::latSec, kLeft),
    textField("lonDeg", 26, 27, &P::lonDeg, kLeft),
    textField("lonMin", 29, 30, &P::lonMin, kLeft),
    textField("lonSec", 32, 39, &P::lonSec, kLeft),
    textField("meridian", 41, 50, &P::meridian, kLeft),
});

// VESPERAN's geographic GHOST output (LL_GHOST.DAT).
inline constexpr auto kVesperanGhost = records::layout<P>({
    textField("id", 7, 15, &P::id),
    textField("latDeg", 41, 42, &P::latDeg),
    textField("latMin", 44, 45, &P::latMin),
    textField("latSec", 46, 53, &P::latSec),
    textField("lonDeg", 57, 58, &P::lonDeg),
    textField("lonMin", 60, 61, &P::lonMin),
    textField("lonSec", 62, 69, &P::lonSec),
});

// VESPERAN's UTM GHOST output (UTM_GHST.DAT).
inline constexpr auto kVesperanUtmGhost = records::layout<P>({
    textField("id", 7, 15, &P::id),
    textField("zone", 51, 52, &P::zone),
    textField("easting", 58, 68, &P::easting),
    textField("northing", 70, 80, &P::northing),
});

// LUMBRIX's new file of transformed points.
inline constexpr auto kLumbrixNew = records::layout<P>({
    textField("id", 7, 15, &P::id),
    textField("latDeg", 41, 42, &P::latDeg),
    textField("latMin", 44, 45, &P::latMin),
    textField("latSec", 47, 54, &P::latSec),
    textField("lonDeg", 57, 58, &P::lonDeg),
    textField("lonMin", 60, 61, &P::lonMin),
    textField("lonSec", 63, 70, &P::lonSec),
});

// A line of LUMBRIX's file of missed points; the reason, when given, is
// the rest of the line from kLumbrixMissedReason on.
inline constexpr auto kLumbrixMissed = records::layout<P>({
    textField("id", 7, 15, &P::id),
});
inline constexpr std::size_t kLumbrixMissedReason = 71;

}  // namespace point_records
}  // namespace kartovex
