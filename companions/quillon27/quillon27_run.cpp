#include "quillon27/quillon27_run.h"

#include <string>
#include <string_view>

#include "common/answers.h"
#include "common/atomic_file.h"
#include "common/companion_error.h"
#include "common/input_records.h"
#include "common/zones.h"
#include "quillon27/nad27_conversions.h"
#include "quillon27/quillon27_listing.h"
#include "quillon27/quillon27_records.h"
#include "quillon27/quillon27_request.h"
#include "quillon27/quillon27_zones.h"

namespace quillon27 {

using companion::CompanionError;

namespace {

const char* formName(InputForm form) {
  switch (form) {
    case InputForm::Geographic: return "Lat,Long";
    case InputForm::Grid: return "East,North";
    case InputForm::Utm: return "UTM X,Y";
  }
  return "";
}

ConvertedPoint convert(const QuillonRequest& request, const RunZones& zones,
                       std::string_view line) {
  ConvertedPoint point;
  point.mtmZone = zones.mtmZone.value_or(0);
  bool haveGrid = false;
  bool haveUtm = false;
  switch (request.form) {
    case InputForm::Geographic: {
      const auto record = parseGeographicRecord(line);
      if (!record) throw CompanionError("");
      point.identifier = record->identifier;
      point.geographic = {record->latitude, record->longitudeWest};
      break;
    }
    case InputForm::Grid: {
      const auto record = parsePlaneRecord(line);
      if (!record) throw CompanionError("");
      point.identifier = record->identifier;
      point.grid = {record->easting, record->northing};
      point.geographic = geographicFromGrid(request.province, point.mtmZone, point.grid);
      haveGrid = true;
      break;
    }
    case InputForm::Utm: {
      const auto record = parsePlaneRecord(line);
      if (!record) throw CompanionError("");
      point.identifier = record->identifier;
      point.utmZone = *zones.utmZone;
      point.utm = {record->easting, record->northing};
      point.geographic = geographicFromUtm(point.utmZone, point.utm);
      haveUtm = true;
      break;
    }
  }
  if (point.identifier.size() > 8) {
    throw CompanionError("identifier \"" + point.identifier + "\" is longer than 8 characters");
  }
  if (!nearMaritimes(point.geographic)) {
    throw CompanionError("the point lies outside the Maritime provinces");
  }
  if (request.province == Province::NovaScotia && point.mtmZone == 0) {
    point.mtmZone = companion::mtmZoneFromLongitude(point.geographic.longitudeWest);
  }
  if (!haveGrid) point.grid = gridFromGeographic(request.province, point.mtmZone, point.geographic);
  if (!haveUtm) {
    point.utmZone = zones.utmZone.value_or(companion::utmZoneOf(point.geographic.longitudeWest));
    point.utm = utmFromGeographic(point.utmZone, point.geographic);
  }
  return point;
}

}  // namespace

int runQuillon27(std::istream& answers, const std::filesystem::path& outputDirectory) {
  const std::filesystem::path listingName = outputDirectory / "QUILLON27.OUT";
  const std::filesystem::path coordinateName = outputDirectory / "QUILLON27.DAT";
  // Files of an earlier run must not pass for this run's results.
  std::error_code ignored;
  std::filesystem::remove(listingName, ignored);
  std::filesystem::remove(coordinateName, ignored);

  companion::AnswerReader reader(answers);
  const QuillonRequest request = readQuillonRequest(reader);
  const RunZones zones = runZones(request);
  const auto records = companion::readInputRecords(request.inputPath);

  companion::AtomicFile listing(listingName);
  companion::AtomicFile coordinates(coordinateName);
  for (const std::string& line : listingHeading(request)) listing.writeLine(line);
  int count = 0;
  std::string line;  // one record at a time, its room kept
  for (const auto& record : records) {
    try {
      const ConvertedPoint point = convert(request, zones, record.text);
      line.clear();
      appendListingLine(line, request.province, count + 1, point);
      listing.writeLine(line);
      line.clear();
      appendCoordinateLine(line, point);
      coordinates.writeLine(line);
    } catch (const CompanionError& error) {
      const std::string why = error.what();
      throw CompanionError(request.inputPath + " line " + std::to_string(record.lineNumber) +
                           (why.empty()
                                ? std::string(" is not a ") + formName(request.form) + " record"
                                : ": " + why) +
                           ": \"" + std::string(record.text) + "\"");
    }
    ++count;
  }
  companion::commitAll({&listing, &coordinates});
  return count;
}

}  // namespace quillon27
