#include "vesperan/vesperan_records.h"

#include <cctype>

#include "common/angles.h"
#include "common/columns.h"

namespace vesperan {

using companion::field;
using companion::fieldFrom;
using companion::trimmed;

namespace {

bool validIdentifier(const std::string& identifier) {
  return !identifier.empty() && identifier.size() <= 9;
}

// Exactly three words separated by white space, as three string extractions
// and a failing fourth read them.
bool threeWords(std::string_view text, std::string_view (&words)[3]) {
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  std::size_t at = 0;
  for (auto& word : words) {
    while (at < text.size() && blank(text[at])) ++at;
    const std::size_t start = at;
    while (at < text.size() && !blank(text[at])) ++at;
    if (at == start) return false;
    word = text.substr(start, at - start);
  }
  while (at < text.size() && blank(text[at])) ++at;
  return at == text.size();
}

bool plausibleLatitude(double latitude) { return latitude > 0.0 && latitude < 90.0; }
bool plausibleLongitude(double longitude) { return longitude > 0.0 && longitude < 180.0; }

}  // namespace

std::optional<GridRecord> parseGridRecord(std::string_view line) {
  GridRecord record;
  record.identifier = trimmed(field(line, 1, 9));
  if (!validIdentifier(record.identifier)) return std::nullopt;
  if (!companion::parseReal(field(line, 10, 22), record.northing) ||
      !companion::parseReal(field(line, 23, 35), record.easting) ||
      !trimmed(fieldFrom(line, 45)).empty()) {
    return std::nullopt;
  }
  const std::string elevation = trimmed(field(line, 36, 44));
  if (!elevation.empty() && !companion::parseReal(elevation, record.elevation)) {
    return std::nullopt;
  }
  return record;
}

std::optional<UtmRecord> parseUtmRecord(std::string_view line) {
  UtmRecord record;
  record.identifier = trimmed(field(line, 7, 15));
  if (!validIdentifier(record.identifier) || !trimmed(field(line, 16, 50)).empty()) {
    return std::nullopt;
  }
  // The zone, X and Y start in columns 51, 59 and 70 when written by the
  // front end; reading them as three words also takes VESPERAN's own UTM
  // GHOST records, whose X starts in column 58.
  std::string_view words[3];
  if (!threeWords(fieldFrom(line, 51), words)) return std::nullopt;
  const std::string_view zone = words[0], x = words[1], y = words[2];
  if (!companion::parseInt(zone, record.zone) || !companion::parseReal(x, record.x) ||
      !companion::parseReal(y, record.y)) {
    return std::nullopt;
  }
  return record;
}

std::optional<GeographicRecord> parseVesperanGeographic(std::string_view line) {
  GeographicRecord record;
  record.identifier = trimmed(field(line, 1, 9));
  if (!validIdentifier(record.identifier)) return std::nullopt;
  if (!trimmed(field(line, 10, 10)).empty() || !trimmed(field(line, 40, 40)).empty()) {
    return std::nullopt;
  }
  if (!companion::parseDms(field(line, 11, 12), field(line, 14, 15), field(line, 17, 24),
                           record.latitude) ||
      !companion::parseDms(field(line, 26, 27), field(line, 29, 30), field(line, 32, 39),
                           record.longitudeWest)) {
    return std::nullopt;
  }
  if (!plausibleLatitude(record.latitude) || !plausibleLongitude(record.longitudeWest)) {
    return std::nullopt;
  }
  const std::string meridian = trimmed(fieldFrom(line, 41));
  if (!meridian.empty()) {
    double value = 0.0;
    if (!companion::parseReal(meridian, value)) return std::nullopt;
    record.centralMeridian = value;
  }
  return record;
}

std::optional<GeographicRecord> parseLumbrixNew(std::string_view line) {
  GeographicRecord record;
  record.identifier = trimmed(field(line, 7, 15));
  if (!validIdentifier(record.identifier)) return std::nullopt;
  if (!companion::parseDms(field(line, 41, 42), field(line, 44, 45), field(line, 47, 54),
                           record.latitude) ||
      !companion::parseDms(field(line, 57, 58), field(line, 60, 61), field(line, 63, 70),
                           record.longitudeWest)) {
    return std::nullopt;
  }
  if (!plausibleLatitude(record.latitude) || !plausibleLongitude(record.longitudeWest)) {
    return std::nullopt;
  }
  return record;
}

}  // namespace vesperan
