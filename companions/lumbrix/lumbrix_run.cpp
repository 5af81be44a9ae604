#include "lumbrix_run.h"

#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "lumbrix_answers.h"
#include "lumbrix_format.h"
#include "lumbrix_output.h"
#include "lumbrix_records.h"
#include "lumbrix_shift.h"

namespace lumbrix {
namespace {

constexpr const char* kEol = "\r\n";

// The reason is one console line, whatever text of a record it quotes.
int fail(std::ostream& err, std::string message) {
  for (char& c : message)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  err << "LUMBRIX: " << message << std::endl;
  return 1;
}

std::string listingHeader(const Answers& a, const GridShift& grid, size_t points) {
  const auto& f = grid.file();
  const std::string from = a.backward ? f.systemTo : f.systemFrom;
  const std::string to = a.backward ? f.systemFrom : f.systemTo;
  std::string h;
  h += std::string("LUMBRIX GRID SHIFT LISTING") + kEol;
  h += "GRID FILE:    " + a.gridPath + kEol;
  h += "SHIFT:        " + from + " -> " + to + (a.backward ? "  (BACKWARD)" : "  (FORWARD)") + kEol;
  h += "INPUT FILE:   " + a.inputPath + kEol;
  h += "POINTS READ:  " + std::to_string(points) + kEol;
  h += kEol;
  h += std::string(
           "  SEQ POINT           LATITUDE IN    LONGITUDE IN(W)     LATITUDE OUT   LONGITUDE "
           "OUT(W)") +
       "   DLAT(\")  DLON(\")W" + (grid.carriesAccuracies() ? "    ACC(m)" : "") + kEol;
  return h;
}

}  // namespace

int run(std::istream& in, std::ostream& err) {
  Answers a;
  std::string error;
  if (!readAnswers(in, a, error)) return fail(err, error);
  // Outputs of an earlier run must not pass for this run's when it fails.
  for (const std::string* path : {&a.newPath, &a.lisPath, &a.misPath}) std::remove(path->c_str());

  GridShift grid;
  if (!grid.open(a.gridPath, error)) return fail(err, "grid-shift file: " + error);

  std::vector<Point> points;
  if (!readPoints(a.inputPath, a.frontEndInput, points, error)) return fail(err, error);

  std::string news, listing = listingHeader(a, grid, points.size()), missed;
  // Each file's text is built in one buffer and written once.
  news.reserve(points.size() * 84);
  listing.reserve(listing.size() + points.size() * 120 + 128);
  int shifted = 0, missing = 0;
  for (size_t i = 0; i < points.size(); ++i) {
    const Point& p = points[i];
    const int seq = static_cast<int>(i + 1);
    double lat = 0, lon = 0;
    if (!grid.shift(p.latDeg, p.lonWestDeg, a.backward, lat, lon)) {
      ++missing;
      appendMissedRecord(missed, seq, p);
      missed += kEol;
      appendListingMissedRecord(listing, seq, p);
      listing += kEol;
      continue;
    }
    ++shifted;
    std::optional<double> accuracy;
    double metres = 0;
    // The accuracy belongs to the grid's source-system position.
    if (a.backward ? grid.accuracyMetres(lat, lon, metres)
                   : grid.accuracyMetres(p.latDeg, p.lonWestDeg, metres))
      accuracy = metres;
    appendNewRecord(news, seq, p.id, lat, lon, accuracy);
    news += kEol;
    appendListingRecord(listing, seq, p, lat, lon, accuracy);
    listing += kEol;
  }
  listing += kEol;
  listing += "POINTS SHIFTED: " + std::to_string(shifted) + kEol;
  listing += "POINTS MISSED:  " + std::to_string(missing) + kEol;

  std::vector<OutputFile> files;
  files.push_back({a.newPath, std::move(news)});
  files.push_back({a.lisPath, std::move(listing)});
  if (missing > 0) files.push_back({a.misPath, std::move(missed)});
  if (!writeAll(files, error)) return fail(err, error);
  // A .MIS file left from an earlier run would claim points were missed.
  if (missing == 0) std::remove(a.misPath.c_str());
  return 0;
}

}  // namespace lumbrix
