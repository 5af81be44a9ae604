#include "vesperan/vesperan_run.h"

#include <optional>
#include <string>
#include <string_view>

#include "common/answers.h"
#include "common/atomic_file.h"
#include "common/companion_error.h"
#include "common/ghost_records.h"
#include "common/input_records.h"
#include "common/zones.h"
#include "vesperan/projections.h"
#include "vesperan/vesperan_outputs.h"
#include "vesperan/vesperan_records.h"
#include "vesperan/vesperan_request.h"
#include "vesperan/zones.h"

namespace vesperan {

using companion::CompanionError;

namespace {

struct ConvertedPoint {
  std::string identifier;
  GeoPoint geographic;
  int utmZone = 0;
  PlanePoint utm;
  PlanePoint grid;
  double elevation = 0.0;  // carried, never used
};

const char* formName(const VesperanRequest& request) {
  switch (request.form) {
    case InputForm::Grid: return "East,North";
    case InputForm::Utm: return "UTM";
    case InputForm::Geographic:
      return request.layout == GeographicLayout::LumbrixNew ? "LUMBRIX .NEW" : "Lat,Long";
  }
  return "";
}

ConvertedPoint convert(const VesperanRequest& request, Projections& projections,
                       std::string_view line) {
  ConvertedPoint point;
  std::optional<PlanePoint> givenGrid;
  std::optional<PlanePoint> givenUtm;
  int mtmZone = 4;

  switch (request.form) {
    case InputForm::Grid: {
      const auto record = parseGridRecord(line);
      if (!record) throw CompanionError("");
      point.identifier = record->identifier;
      point.elevation = record->elevation;
      givenGrid = PlanePoint{record->easting, record->northing};
      if (request.province == Province::NovaScotia) {
        mtmZone = mtmZoneFromEasting(request.datum, record->easting);
      }
      point.geographic =
          projections.fromGrid(request.datum, provinceGrid(request.province, mtmZone), *givenGrid);
      break;
    }
    case InputForm::Utm: {
      const auto record = parseUtmRecord(line);
      if (!record) throw CompanionError("");
      point.identifier = record->identifier;
      point.utmZone = record->zone;
      givenUtm = PlanePoint{record->x, record->y};
      point.geographic = projections.fromUtm(request.datum, record->zone, *givenUtm);
      mtmZone = companion::mtmZoneFromLongitude(point.geographic.longitudeWest);
      break;
    }
    case InputForm::Geographic: {
      const auto record = request.layout == GeographicLayout::LumbrixNew
                              ? parseLumbrixNew(line)
                              : parseVesperanGeographic(line);
      if (!record) throw CompanionError("");
      point.identifier = record->identifier;
      point.geographic = {record->latitude, record->longitudeWest};
      const std::optional<int> fromMeridian =
          record->centralMeridian ? companion::mtmZoneFromMeridian(*record->centralMeridian)
                                  : std::nullopt;
      mtmZone =
          fromMeridian ? *fromMeridian : companion::mtmZoneFromLongitude(record->longitudeWest);
      break;
    }
  }

  if (point.utmZone == 0) point.utmZone = companion::utmZoneOf(point.geographic.longitudeWest);
  point.utm =
      givenUtm ? *givenUtm : projections.toUtm(request.datum, point.utmZone, point.geographic);
  point.grid = givenGrid
                   ? *givenGrid
                   : projections.toGrid(request.datum, provinceGrid(request.province, mtmZone),
                                        point.geographic);
  return point;
}

}  // namespace

int runVesperan(std::istream& answers, const std::filesystem::path& outputDirectory) {
  const std::filesystem::path names[] = {outputDirectory / "LL_GHOST.DAT",
                                         outputDirectory / "UTM_GHST.DAT",
                                         outputDirectory / "XY_MAP.DAT"};
  // Files of an earlier run must not pass for this run's results.
  for (const auto& name : names) {
    std::error_code ignored;
    std::filesystem::remove(name, ignored);
  }

  companion::AnswerReader reader(answers);
  const VesperanRequest request = readVesperanRequest(reader);
  const auto records = companion::readInputRecords(request.inputPath);

  Projections projections;
  companion::AtomicFile geographic(names[0]);
  companion::AtomicFile utm(names[1]);
  companion::AtomicFile map(names[2]);
  int count = 0;
  std::string line;  // one record at a time, its room kept
  ConvertedPoint point;
  for (const auto& record : records) {
    try {
      point = convert(request, projections, record.text);
      line.clear();
      companion::appendGhostGeographic(line, {point.identifier, point.geographic.latitude,
                                              point.geographic.longitudeWest, point.elevation});
      geographic.writeLine(line);
      line.clear();
      companion::appendGhostUtm(
          line, {point.identifier, point.utmZone, point.utm.easting, point.utm.northing});
      utm.writeLine(line);
      line.clear();
      appendXyMapRecord(line, point.identifier, point.grid.northing, point.grid.easting);
      map.writeLine(line);
    } catch (const CompanionError& error) {
      const std::string why = error.what();
      throw CompanionError(
          request.inputPath + " line " + std::to_string(record.lineNumber) +
          (why.empty() ? std::string(" is not a ") + formName(request) + " record" : ": " + why) +
          ": \"" + std::string(record.text) + "\"");
    }
    ++count;
  }
  companion::commitAll({&geographic, &utm, &map});
  return count;
}

}  // namespace vesperan
