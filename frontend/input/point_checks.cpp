#include "input/point_checks.h"

#include <optional>

#include "input/format_coordinate.h"

namespace kartovex {

bool GridPointValid(const std::string& id, const std::string& first, const std::string& second) {
  if (id.empty() || id.size() > 8) return false;
  for (const std::string* c : {&first, &second}) {
    if (c->size() > 11 || c->size() < 3) return false;
  }
  return true;
}

namespace {

void NormaliseSeconds(std::string& seconds, const std::string& separator, bool& valid) {
  if (seconds.size() >= 8) return;
  std::size_t pos = seconds.find(separator);
  if (pos == std::string::npos) {
    valid = false;
    return;
  }
  if (pos < 2) seconds.insert(seconds.begin(), '0');
  for (int i = 0; i < 4 && seconds.size() < 8; ++i) seconds += '0';
}

}  // namespace

bool NormaliseGeoFields(GeoFields& f, const std::string& separator) {
  for (std::string* sec : {&f.latSec, &f.lonSec}) {
    if (sec->find(separator) == std::string::npos) *sec += separator + "0";
  }
  for (std::string* deg : {&f.latDeg, &f.lonDeg}) {
    if (*deg == "0") *deg = "00";
  }
  if (f.id.empty() || f.id.size() > 8) return false;
  for (std::string* deg : {&f.latDeg, &f.lonDeg}) {
    if (deg->size() != 2) return false;
  }
  for (std::string* min : {&f.latMin, &f.lonMin}) {
    if (min->empty() || min->size() > 2) return false;
  }
  for (std::string* sec : {&f.latSec, &f.lonSec}) {
    if (sec->size() > 8 || sec->size() < 3) return false;
  }
  for (std::string* min : {&f.latMin, &f.lonMin}) {
    if (min->size() == 1) min->insert(min->begin(), '0');
  }
  bool valid = true;
  NormaliseSeconds(f.latSec, separator, valid);
  NormaliseSeconds(f.lonSec, separator, valid);
  return valid;
}

GeoAngles CheckGeoAngles(const GeoFields& f, const std::string& separator) {
  GeoAngles result;
  auto latDeg = ParseDecimal(f.latDeg, separator);
  auto latMin = ParseDecimal(f.latMin, separator);
  auto latSec = ParseDecimal(f.latSec, separator);
  auto lonDeg = ParseDecimal(f.lonDeg, separator);
  auto lonMin = ParseDecimal(f.lonMin, separator);
  auto lonSec = ParseDecimal(f.lonSec, separator);
  if (!latDeg || !latMin || !latSec || !lonDeg || !lonMin || !lonSec) {
    result.status = AngleStatus::NotANumber;
    return result;
  }
  if (*latMin >= 60) {
    result.status = AngleStatus::LatMinutes;
  } else if (*latSec >= 60) {
    result.status = AngleStatus::LatSeconds;
  } else if (*lonMin >= 60) {
    result.status = AngleStatus::LonMinutes;
  } else if (*lonSec >= 60) {
    result.status = AngleStatus::LonSeconds;
  }
  result.latitude = *latDeg + (*latMin + *latSec / 60.0) / 60.0;
  result.longitude = *lonDeg + (*lonMin + *lonSec / 60.0) / 60.0;
  return result;
}

void ShowAngleError(MessageService& messages, AngleStatus status, const std::string& lineDetail) {
  static constexpr Text kMinutesTitle{"Invalid Minutes/File Error",
                                      "Minutes non conformes/Erreur de fichier"};
  static constexpr Text kSecondsTitle{"Invalid Seconds/File Error",
                                      "Secondes non conformes/Erreur de fichier"};
  auto show = [&](const Text& title, const Text& text) {
    messages.critical(messages.pick(title), messages.pick(text) + lineDetail);
  };
  switch (status) {
    case AngleStatus::LatMinutes:
      show(kMinutesTitle, Text{"Latitude Minutes must be less than 60!",
                               "Les minutes de Latitude devront être < 60!"});
      break;
    case AngleStatus::LatSeconds:
      show(kSecondsTitle, Text{"Latitude Seconds must be less than 60!",
                               "Les secondes de Latitude devront être < 60!"});
      break;
    case AngleStatus::LonMinutes:
      show(kMinutesTitle, Text{"Longitude Minutes must be less than 60!",
                               "Les minutes de Longitude devront être < 60!"});
      break;
    case AngleStatus::LonSeconds:
      show(kSecondsTitle, Text{"Longitude Seconds must be less than 60!",
                               "Les secondes de Longitude devront être < 60!"});
      break;
    case AngleStatus::Ok:
    case AngleStatus::NotANumber: break;
  }
}

}  // namespace kartovex
