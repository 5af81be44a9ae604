#pragma once
// Text of LUMBRIX's output files.
//   .NEW: identifier 7-15, latitude degrees 40-42 (two digits in 41-42),
//         minutes 44-45, seconds 47-54, longitude degrees 56-58 (57-58),
//         minutes 60-61, seconds 63-70, then the accuracy in metres in 72-80
//         when the grid carries accuracies.
//   .MIS: the same columns with the unshifted point and "OUTSIDE GRID".
#include <optional>
#include <string>

#include "lumbrix_records.h"

namespace lumbrix {

struct Dms {
  bool negative = false;
  int degrees = 0, minutes = 0;
  double seconds = 0;  // rounded to 5 decimals, below 60
};

Dms toDms(double degrees);

// Fixed-column geographic record of the .NEW and .MIS files.
std::string geographicRecord(int sequence, const std::string& id, double latDeg, double lonWestDeg);

std::string newRecord(int sequence, const std::string& id, double latDeg, double lonWestDeg,
                      std::optional<double> accuracyMetres);

std::string missedRecord(int sequence, const Point& p);

// One listing line: input and output in decimal degrees, the shift in
// arc-seconds (longitude positive west) and the accuracy when known.
std::string listingRecord(int sequence, const Point& p, double outLat, double outLonWest,
                          std::optional<double> accuracyMetres);
std::string listingMissedRecord(int sequence, const Point& p);

// The same records appended to a file's text.
void appendGeographicRecord(std::string& text, int sequence, const std::string& id, double latDeg,
                            double lonWestDeg);
void appendNewRecord(std::string& text, int sequence, const std::string& id, double latDeg,
                     double lonWestDeg, std::optional<double> accuracyMetres);
void appendMissedRecord(std::string& text, int sequence, const Point& p);
void appendListingRecord(std::string& text, int sequence, const Point& p, double outLat,
                         double outLonWest, std::optional<double> accuracyMetres);
void appendListingMissedRecord(std::string& text, int sequence, const Point& p);

}  // namespace lumbrix
