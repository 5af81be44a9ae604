#include "keyboard/keyboard_model.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "config/load_extents.h"
#include "input/extents_check.h"
#include "input/format_coordinate.h"
#include "mainwindow/remove_old_run_files.h"
#include "platform/paths.h"

namespace kartovex {

namespace {

constexpr Text kMissingCommit{"All the input fields must be populated before committing!",
                              "Tous les champs doivent être remplis avant de soumettre!"};
constexpr Text kMissingUpdate{"All the input fields must be populated before updating!",
                              "Tous les champs devront être remplis avant la mis à jours!"};
constexpr Text kDeleteTitle{"DELETE?", "SUPPRIMER?"};
constexpr Text kDeleteText{"Are you sure you want to delete this point (",
                           "Voulez-vous réellement supprimer ce point ("};
constexpr Text kCancelTitle{"CANCEL?", "ABANDON?"};
constexpr Text kCancelText{"Any input already entered will be lost.  Do you really want to cancel?",
                           "Toutes les entrées seront supprimées.  Voulez-vous continuer?"};
constexpr Text kNothingCommitted{"Input must first be entered/committed!",
                                 "Les données devront être soumises en premier!"};
constexpr Text kNoTextFile{"Input Text File must first be defined!",
                           "Fichier de données n'est pas défini!"};
constexpr Text kInvalidEastingTitle{"Invalid Easting", "Valeur en EST non conforme"};
constexpr Text kInvalidNorthingTitle{"Invalid Northing", "Valeur en NORD non conforme"};
constexpr Text kInvalidMinutes{"Invalid Minutes", "Minutes non conformes"};
constexpr Text kMinutesText{"Minutes must be less than 60!",
                            "Les minutes devront être inférieures à 60!"};
constexpr Text kInvalidSeconds{"Invalid Seconds", "Secondes non conformes"};
constexpr Text kSecondsText{"Seconds must be less than 60!",
                            "Les secondes devront être inférieures à 60!"};
constexpr Text kInvalidLatitude{"Invalid Latitude", "Latitude non conforme"};
constexpr Text kInvalidLongitude{"Invalid Longitude", "Longitude non conforme"};

constexpr const char* kUtmWarningEn =
    "NOTE: Extra care should be taken when entering UTM coordinates!  (They are not being "
    "validated by "
    "the system.)";
constexpr const char* kUtmWarningFr =
    "NOTE: ATTENTION SPÉCIALE - Vos coordonnées UTM ne seront PAS vérifiées!";

// Splits "45 5 3.2" at its blanks.
std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> out;
  std::string current;
  for (char c : text) {
    if (c == ' ') {
      if (!current.empty()) out.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) out.push_back(current);
  while (out.size() < 3) out.emplace_back();
  return out;
}

}  // namespace

KeyboardModel::KeyboardModel(FrontEndSettings& settings, MessageService& messages)
    : settings_(settings), messages_(messages) {}

bool KeyboardModel::singleUtmZone() const {
  return fromDatum_ == Datum::NAD27 && fromForm_ == CoordForm::XY && toDatum_ == Datum::ATS77;
}

void KeyboardModel::Load(Datum fromDatum, CoordForm fromForm, Datum toDatum, CoordForm toForm) {
  fromDatum_ = fromDatum;
  fromForm_ = fromForm;
  toDatum_ = toDatum;
  toForm_ = toForm;
  rows_.clear();
  selected_ = -1;
  inputFile_.clear();
  entry = {};
  txtZONEEnabled = true;
  comCOMMITEnabled = true;
  comDELETEEnabled = comUPDATEEnabled = false;
  focus = KeyboardFocus::txtPOINT;
  mode_ = fromForm == CoordForm::XY   ? KeyboardMode::Utm
          : fromForm == CoordForm::LL ? KeyboardMode::Geographic
                                      : KeyboardMode::Grid;
  famEastNorthVisible = mode_ != KeyboardMode::Geographic;
  famLatLongVisible = mode_ == KeyboardMode::Geographic;
  famXYVisible = mode_ == KeyboardMode::Utm ||
                 (mode_ == KeyboardMode::Grid && settings_.province == Province::NS);
  txtNSZoneVisible = mode_ == KeyboardMode::Grid && famXYVisible;
  lbl19_20Visible = mode_ == KeyboardMode::Utm;
  lblUTM_WARNINGVisible = mode_ == KeyboardMode::Utm;
  if (txtNSZoneVisible) entry.txtZONE = SettingText(settings_.mtmZone);
  setCaptions();
}

void KeyboardModel::setCaptions() {
  bool en = CaptionsInEnglish(settings_.language);
  auto c = [en](const char* e, const char* f) { return std::string(en ? e : f); };
  captions_ = {
      {"lblPOINT", "Point:"},
      {"comCOMMIT", c("CO&MMIT", "Sou&mettre")},
      {"comDELETE", c("&DELETE", "Supprimer")},
      {"comUPDATE", c("&UPDATE", "Mise à jour")},
      {"lblDEG_LAT", c("Degrees:", "Degrés:")},
      {"lblDEG_LON", c("Degrees:", "Degrés:")},
      {"lblMIN_LAT", "Minutes:"},
      {"lblMIN_LON", "Minutes:"},
      {"lblSEC_LAT", c("Seconds:", "Secondes:")},
      {"lblSEC_LON", c("Seconds:", "Secondes:")},
      {"lblD_LAT", "(DD)"},
      {"lblD_LON", "(DD)"},
      {"lblM_LAT", "(MM)"},
      {"lblM_LON", "(MM)"},
      {"lblS_LAT", "(SS.SSSSS)"},
      {"lblS_LON", "(SS.SSSSS)"},
      {"lblLAT", "Latitude:"},
      {"lblLON", c("Long (W):", "Long (O):")},
      {"chkTXT_FILE", c(" Save Input Text File", " Enregistrer le fichier    de données")},
      {"comOK", "&OK"},
      {"comCANCEL", c("&Cancel", "&Abandon")},
      {"txtNSZone", "MTM 4 or 5"},
      {"lbl19_20", settings_.province == Province::NS ? "(19, 20, 21)" : "(19 or 20)"},
      {"lblX1", "(XXXXXXX.XXXXX)"},
      {"lblY1", "(XXXXXXX.XXXXX)"},
      {"lblZONE", "Zone:"},
      {"comTXT_SEARCH", "..."},
  };
  std::string warning = en ? kUtmWarningEn : kUtmWarningFr;
  if (singleUtmZone())
    warning += en ? " NAD27 (UTM)-> ATS77 only one zone allowed!"
                  : " NAD27 (UTM) -> ATS77 only one zone allowed!";
  captions_.emplace_back("lblUTM_WARNING", warning);

  bool feet = fromDatum_ == Datum::NAD27;
  switch (mode_) {
    case KeyboardMode::Grid:
      captions_.emplace_back("formKEYBOARD",
                             c("Input From Keyboard (East,North)", "Entrée au clavier (EST,NORD)"));
      captions_.emplace_back(
          "lblX", feet ? c("Easting (ft):", "EST (pi.):") : c("Easting (m):", "EST (m):"));
      captions_.emplace_back(
          "lblY", feet ? c("Northing (ft):", "NORD (pi.):") : c("Northing (m):", "NORD (m):"));
      captions_.emplace_back(
          "lblKEYBOARD",
          feet ? c("POINT    EASTING (ft)    NORTHING (ft)", "POINT    EST (pi.)       NORD (pi.)")
               : c("POINT    EASTING (m)    NORTHING (m)", "POINT    EST (m)        NORD (m)"));
      break;
    case KeyboardMode::Utm:
      captions_.emplace_back("formKEYBOARD",
                             c("Input From Keyboard (UTM X,Y)", "Entrée au clavier (UTM X,Y)"));
      captions_.emplace_back("lblX", "UTM X (m):");
      captions_.emplace_back("lblY", "UTM Y (m):");
      captions_.emplace_back("lblKEYBOARD", "POINT    UTM X (m)    UTM Y (m)    ZONE");
      break;
    case KeyboardMode::Geographic:
      captions_.emplace_back("formKEYBOARD",
                             c("Input From Keyboard (Lat,Long)", "Entrée au clavier (Lat,Long.)"));
      captions_.emplace_back("lblX", c("Easting (m):", "EST (m):"));
      captions_.emplace_back("lblY", c("Northing (m):", "NORD (m):"));
      captions_.emplace_back("lblKEYBOARD", c("POINT    LATITUDE    LONGITUDE (W)",
                                              "POINT    LATITUDE    LONGITUDE (O)"));
      break;
  }
}

std::string KeyboardModel::caption(const std::string& control) const {
  for (const auto& [name, text] : captions_)
    if (name == control) return text;
  return {};
}

std::string KeyboardModel::ListLine(const KeyboardRow& row, KeyboardMode mode) {
  std::string line = row.point + "   " + row.first + "   " + row.second;
  if (mode == KeyboardMode::Utm) line += "   " + row.zone;
  return line;
}

std::vector<std::string> KeyboardModel::listLines() const {
  std::vector<std::string> out;
  for (const KeyboardRow& row : rows_) out.push_back(ListLine(row, mode_));
  return out;
}

bool KeyboardModel::fieldsFilled() const {
  const KeyboardEntry& e = entry;
  if (e.txtPOINT.empty()) return false;
  switch (mode_) {
    case KeyboardMode::Grid: return !e.txtX.empty() && !e.txtY.empty();
    case KeyboardMode::Utm: return !e.txtX.empty() && !e.txtY.empty() && !e.txtZONE.empty();
    case KeyboardMode::Geographic:
      return !e.txtDEG_LAT.empty() && !e.txtMIN_LAT.empty() && !e.txtSEC_LAT.empty() &&
             !e.txtDEG_LON.empty() && !e.txtMIN_LON.empty() && !e.txtSEC_LON.empty();
  }
  return false;
}

void KeyboardModel::useDecimalSeparator() {
  if (settings_.decimalSeparator != ",") return;
  for (std::string* t : {&entry.txtX, &entry.txtY}) {
    std::size_t dot = t->find('.');
    if (dot != std::string::npos && t->find(',') == std::string::npos) (*t)[dot] = ',';
  }
}

void KeyboardModel::clearEntry() {
  entry.txtPOINT.clear();
  if (mode_ == KeyboardMode::Geographic) {
    for (std::string* t : {&entry.txtDEG_LAT, &entry.txtMIN_LAT, &entry.txtSEC_LAT,
                           &entry.txtDEG_LON, &entry.txtMIN_LON, &entry.txtSEC_LON})
      t->clear();
  } else {
    entry.txtX.clear();
    entry.txtY.clear();
    // A locked zone stays for the next point.
    if (txtZONEEnabled) entry.txtZONE.clear();
  }
}

namespace {
// The number in a box; a text that is not a number is a run-time error.
double number(const std::string& text, const std::string& separator) {
  if (auto v = ParseDecimal(text, separator)) return *v;
  if (separator != ".") {
    if (auto v = ParseDecimal(text, ".")) return *v;
  }
  throw std::runtime_error("not a number: " + text);
}
}  // namespace

bool KeyboardModel::ValidateGridPoint(double easting, double northing) {
  const GridExtent& g = GridExtentOf(settings_.extents, fromDatum_);
  if (easting >= g.NE_EAST || easting <= g.SW_EAST) {
    focus = KeyboardFocus::txtX;
    messages_.critical(
        messages_.pick(kInvalidEastingTitle),
        messages_.french()
            ? std::string("La valeur en EST se trouve à l'extérieur du Nouveau-Brunswick!")
            : "The Easting is outside of " + SettingText(settings_.province) + "!");
    return false;
  }
  if (northing >= g.NE_NORTH || northing <= g.SW_NORTH) {
    focus = KeyboardFocus::txtY;
    messages_.critical(
        messages_.pick(kInvalidNorthingTitle),
        messages_.french()
            ? std::string("La valeur en NORD se trouve à l'extérieur du Nouveau-Brunswick!")
            : "The Northing is outside of " + SettingText(settings_.province) + "!");
    return false;
  }
  return true;
}

bool KeyboardModel::ValidateGeoPoint(double degLat, double minLat, double secLat, double degLon,
                                     double minLon, double secLon) {
  struct Check {
    double value;
    KeyboardFocus box;
    const Text& title;
    const Text& text;
  };
  for (const Check& c : {Check{minLat, KeyboardFocus::txtMIN_LAT, kInvalidMinutes, kMinutesText},
                         Check{secLat, KeyboardFocus::txtSEC_LAT, kInvalidSeconds, kSecondsText},
                         Check{minLon, KeyboardFocus::txtMIN_LON, kInvalidMinutes, kMinutesText},
                         Check{secLon, KeyboardFocus::txtSEC_LON, kInvalidSeconds, kSecondsText}}) {
    if (c.value >= 60) {
      focus = c.box;
      messages_.critical(c.title, c.text);
      return false;
    }
  }
  const GeographicExtent& g = settings_.extents.latLong;
  bool fr = messages_.french();
  double lat = degLat + (minLat + secLat / 60) / 60;
  if (lat >= g.NE_LAT || lat <= g.SW_LAT) {
    focus = KeyboardFocus::txtDEG_LAT;
    messages_.critical(
        messages_.pick(kInvalidLatitude),
        (fr ? "La valeur Latitude se trouve à l'extérieure du " : "The Latitude is outside of ") +
            SettingText(settings_.province) + "!");
    return false;
  }
  double lon = degLon + (minLon + secLon / 60) / 60;
  if (lon <= g.NE_LON || lon >= g.SW_LON) {
    focus = KeyboardFocus::txtDEG_LON;
    messages_.critical(
        messages_.pick(kInvalidLongitude),
        (fr ? "La valeur Longitude se trouve à l'extérieure du " : "The Longitude is outside of ") +
            SettingText(settings_.province) + "!");
    return false;
  }
  return true;
}

bool KeyboardModel::checkPoint() {
  const std::string& sep = settings_.decimalSeparator;
  if (mode_ == KeyboardMode::Grid)
    return ValidateGridPoint(number(entry.txtX, sep), number(entry.txtY, sep));
  if (mode_ == KeyboardMode::Geographic)
    return ValidateGeoPoint(number(entry.txtDEG_LAT, sep), number(entry.txtMIN_LAT, sep),
                            number(entry.txtSEC_LAT, sep), number(entry.txtDEG_LON, sep),
                            number(entry.txtMIN_LON, sep), number(entry.txtSEC_LON, sep));
  return true;  // UTM points are not checked
}

// The first Nova Scotia grid point names the MTM zone of the whole entry.
bool KeyboardModel::reloadMtmZone() {
  const MtmZoneSetting typedZone = MtmZoneFromText(entry.txtZONE);
  if (typedZone == settings_.mtmZone) return true;
  const MtmZoneSetting previousZone = settings_.mtmZone;
  Extents previous = settings_.extents;
  settings_.mtmZone = typedZone;
  if (LoadExtents(settings_, messages_, settings_.province, settings_.mtmZone, settings_.iniPath))
    return true;
  settings_.mtmZone = previousZone;
  settings_.extents = previous;
  focus = KeyboardFocus::txtZONE;
  return false;
}

KeyboardRow KeyboardModel::rowFromEntry() const {
  const KeyboardEntry& e = entry;
  if (mode_ == KeyboardMode::Geographic)
    return {e.txtPOINT, e.txtDEG_LAT + " " + e.txtMIN_LAT + " " + e.txtSEC_LAT,
            e.txtDEG_LON + " " + e.txtMIN_LON + " " + e.txtSEC_LON, ""};
  return {e.txtPOINT, e.txtX, e.txtY, mode_ == KeyboardMode::Utm ? e.txtZONE : std::string()};
}

bool KeyboardModel::Commit() {
  try {
    bool nsGrid = mode_ == KeyboardMode::Grid && settings_.province == Province::NS;
    if (rows_.empty()) {
      settings_.utmZone = UtmZone::None;
      if (singleUtmZone()) settings_.utmZone = UtmZoneFromText(entry.txtZONE);
    }
    if (!fieldsFilled()) {
      focus = KeyboardFocus::txtPOINT;
      messages_.critical(titles::kRequiredInfoMissing, kMissingCommit);
      return false;
    }
    if (mode_ != KeyboardMode::Geographic) useDecimalSeparator();
    if (mode_ == KeyboardMode::Grid && rows_.empty() && nsGrid && !reloadMtmZone()) return false;
    if (!checkPoint()) return false;
    if (rows_.empty() && ((singleUtmZone() && mode_ == KeyboardMode::Utm) || nsGrid))
      txtZONEEnabled = false;
    rows_.push_back(rowFromEntry());
    clearEntry();
    if (settings_.utmZone != UtmZone::None && singleUtmZone())
      entry.txtZONE = SettingText(settings_.utmZone);
    focus = KeyboardFocus::txtPOINT;
    return true;
  } catch (const std::exception&) {
    messages_.ReportProcedureError("comCOMMIT", ProcedureKind::CommittingEntry);
    focus = KeyboardFocus::txtPOINT;
    return false;
  }
}

void KeyboardModel::SelectRow(int index) {
  if (index < 0 || index >= static_cast<int>(rows_.size())) return;
  selected_ = index;
  const KeyboardRow& row = rows_[index];
  entry.txtPOINT = row.point;
  if (mode_ == KeyboardMode::Geographic) {
    std::vector<std::string> lat = words(row.first), lon = words(row.second);
    entry.txtDEG_LAT = lat[0];
    entry.txtMIN_LAT = lat[1];
    entry.txtSEC_LAT = lat[2];
    entry.txtDEG_LON = lon[0];
    entry.txtMIN_LON = lon[1];
    entry.txtSEC_LON = lon[2];
  } else {
    entry.txtX = row.first;
    entry.txtY = row.second;
    if (mode_ == KeyboardMode::Utm) entry.txtZONE = row.zone;
  }
  comCOMMITEnabled = false;
  comDELETEEnabled = comUPDATEEnabled = true;
}

bool KeyboardModel::Update() {
  if (selected_ < 0 || selected_ >= static_cast<int>(rows_.size())) return false;
  try {
    if (!fieldsFilled()) {
      focus = KeyboardFocus::txtPOINT;
      messages_.critical(titles::kRequiredInfoMissing, kMissingUpdate);
      return false;
    }
    if (mode_ != KeyboardMode::Geographic) useDecimalSeparator();
    if (!checkPoint()) return false;
  } catch (const std::exception&) {
    messages_.ReportProcedureError("comUPDATE", ProcedureKind::CommittingEntry);
    focus = KeyboardFocus::txtPOINT;
    return false;
  }
  rows_[selected_] = rowFromEntry();
  clearEntry();
  selected_ = -1;
  comCOMMITEnabled = true;
  comDELETEEnabled = comUPDATEEnabled = false;
  focus = KeyboardFocus::txtPOINT;
  return true;
}

bool KeyboardModel::Delete() {
  if (rows_.empty() || selected_ < 0 || selected_ >= static_cast<int>(rows_.size())) return false;
  if (!messages_.askYesNo(messages_.pick(kDeleteTitle),
                          messages_.pick(kDeleteText) + entry.txtPOINT + ")."))
    return false;
  rows_.erase(rows_.begin() + selected_);
  selected_ = -1;
  bool keepZone = !txtZONEEnabled;
  std::string zone = entry.txtZONE;
  entry = {};
  if (keepZone) entry.txtZONE = zone;
  comCOMMITEnabled = true;
  comDELETEEnabled = comUPDATEEnabled = false;
  focus = KeyboardFocus::txtPOINT;
  return true;
}

bool KeyboardModel::Cancel() {
  if (!rows_.empty() &&
      !messages_.askYesNo(messages_.pick(kCancelTitle), messages_.pick(kCancelText)))
    return false;
  if (auto found = FindIgnoringCase(KeyboardFile(settings_))) {
    std::error_code ec;
    std::filesystem::remove(*found, ec);
  }
  return true;
}

void KeyboardModel::TextFileChosen(const std::string& directory, const std::string& fileName) {
  if (fileName.empty()) return;
  txtTXT_FILE = WithTrailingSeparator(directory) + fileName;
}

bool KeyboardModel::writeInputFile(const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  const std::string& d = settings_.delimiter;
  bool ne = settings_.fieldOrder == "NE";
  for (const KeyboardRow& row : rows_) {
    std::string line = row.point + d;
    if (mode_ == KeyboardMode::Geographic) {
      std::vector<std::string> lat = words(row.first), lon = words(row.second);
      line += lat[0] + d + lat[1] + d + lat[2] + d + lon[0] + d + lon[1] + d + lon[2];
    } else {
      line += ne ? row.second + d + row.first : row.first + d + row.second;
      if (mode_ == KeyboardMode::Utm) {
        line += d + row.zone;
        if (settings_.utmZone == UtmZone::None && !row.zone.empty())
          settings_.utmZone = UtmZoneFromText(row.zone);
      }
    }
    out << line << "\r\n";
  }
  out.close();
  return static_cast<bool>(out);
}

bool KeyboardModel::Ok() {
  inputFile_.clear();
  if (rows_.empty()) {
    messages_.critical(titles::kRequiredInfoMissing, kNothingCommitted);
    return false;
  }
  if (chkTXT_FILE && txtTXT_FILE.empty()) {
    messages_.critical(titles::kRequiredInfoMissing, kNoTextFile);
    return false;
  }
  // The file is named as typed or chosen.
  std::string path = chkTXT_FILE ? txtTXT_FILE : KeyboardFile(settings_);
  if (!writeInputFile(path)) {
    messages_.ReportProcedureError("comOK", ProcedureKind::Processing);
    return false;
  }
  inputFile_ = path;
  return true;
}

}  // namespace kartovex
