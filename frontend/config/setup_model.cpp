#include "config/setup_model.h"

#include <map>

#include "config/ini_values.h"
#include "config/load_extents.h"
#include "config/load_paths.h"
#include "config/utm_zone.h"
#include "core/work_file_names.h"
#include "platform/paths.h"

namespace kartovex {

namespace {

struct CaptionEntry {
  const char* control;
  Text text;  // en: English (or design) caption, fr: French caption
};

// Controls whose French caption is not set keep their design caption.
constexpr CaptionEntry kCaptions[] = {
    {"frmSetup", {"Kartovex Setup", "Kartovex Setup"}},
    {"fraProvince", {"Province", "Province"}},
    {"optNB", {"New Brunswick", "Nouveau-Brunswick"}},
    {"optNS", {"Nova Scotia", "Nouvelle-Écosse"}},
    {"optPEI", {"PEI", "Île-du-Prince-Édouard"}},
    {"fraMTMZones", {"MTM Zones", "MTM Zones"}},
    {"optMTMZone4", {"MTM Zone 4", "MTM Zone 4"}},
    {"optMTMZone5", {"MTM Zone 5", "MTM Zone 5"}},
    {"fraUTMZones", {"UTM Zones", "UTM Zones"}},
    {"optZone19", {"Zone 19", "Zone 19"}},
    {"optZone20", {"Zone 20", "Zone 20"}},
    {"optZone21", {"Zone 21", "    Zone 21"}},
    {"fraLanguage", {"Language", "Langue"}},
    {"optEnglish", {"English", "Anglais"}},
    {"optFrench", {"French", "Français"}},
    {"fraDirectories", {"Directories", "Répertoires"}},
    {"lblRoot", {"Root", "Racine"}},
    {"lblBin", {"Bin", "Logiciel"}},
    {"lblWorking", {"Working", "Répertoire de travail"}},
    {"lblInput", {"Input", "Entrée"}},
    {"lblOutput", {"Output", "Sortie"}},
    {"lblReader", {"PDF Reader", "Lecteur PDF"}},
    {"cmdWorkDir", {"...", "..."}},
    {"cmdInputDir", {"...", "..."}},
    {"cmdOutputDir", {"...", "..."}},
    {"cmdReader", {"...", "..."}},
    {"comOK", {"&OK", "&OK"}},
    {"comCANCEL", {"&Cancel", "&Abandon"}},
};

}  // namespace

SetupModel::SetupModel(FrontEndSettings& settings, MessageService& messages)
    : settings_(settings), messages_(messages) {}

void SetupModel::open() {
  FrontEndSettings& s = settings_;
  edtInputDir = s.inputDir;
  edtOutputDir = s.outputDir;
  edtWorkingDir = s.workDir;
  edtReader = s.pdfReader;
  lblRootValue = ReadIniValue(messages_, "PATH", "ROOT", s.iniPath);
  lblBinValue = ReadIniValue(messages_, "PATH", "BIN", s.iniPath);

  optNB = optNS = optPEI = OptionState{};
  clearMtm(false);
  if (s.province == Province::NB) {
    selectProvince(optNB);
    selectZone(optZone19);
  } else if (s.province == Province::NS) {
    selectProvince(optNS);
    clearMtm(true);
    selectZone(optZone20);
    selectMtm(s.mtmZone == MtmZone::Zone4 ? optMTMZone4 : optMTMZone5);
  } else if (s.province == Province::PEI) {
    selectProvince(optPEI);
    selectZone(optZone19);
  }
  if (s.utmZoneSetting == UtmZone::None)
    ChooseUtmZone(s, s.province == Province::NB ? UtmZone::Zone19 : UtmZone::Zone20);
  if (s.utmZoneSetting == UtmZone::Zone19)
    selectZone(optZone19);
  else if (s.utmZoneSetting == UtmZone::Zone20)
    selectZone(optZone20);
  else
    selectZone(optZone21);
  selectLanguage(s.language == Language::English ? optEnglish : optFrench);
  shownProvince_ = s.province;
  shownMtmZone_ = s.mtmZone;
  languageChanged_ = false;
  open_ = true;
}

void SetupModel::clearMtm(bool enable) {
  optMTMZone4 = OptionState{false, enable};
  optMTMZone5 = OptionState{false, enable};
}

void SetupModel::selectProvince(OptionState& chosen) {
  optNB.checked = optNS.checked = optPEI.checked = false;
  chosen.checked = true;
}

void SetupModel::selectMtm(OptionState& chosen) {
  if (!chosen.enabled) return;
  optMTMZone4.checked = optMTMZone5.checked = false;
  chosen.checked = true;
}

void SetupModel::selectZone(OptionState& chosen) {
  optZone19.checked = optZone20.checked = optZone21.checked = false;
  chosen.checked = true;
}

void SetupModel::selectLanguage(OptionState& chosen) {
  optEnglish.checked = optFrench.checked = false;
  chosen.checked = true;
}

void SetupModel::clickNB() {
  selectProvince(optNB);
  clearMtm(false);
  selectZone(optZone19);
}

void SetupModel::clickNS() {
  selectProvince(optNS);
  clearMtm(true);
  selectZone(optZone20);
}

void SetupModel::clickPEI() {
  selectProvince(optPEI);
  clearMtm(false);
  selectZone(optZone20);
}

void SetupModel::clickMTMZone4() { selectMtm(optMTMZone4); }
void SetupModel::clickMTMZone5() { selectMtm(optMTMZone5); }
void SetupModel::clickZone19() { selectZone(optZone19); }
void SetupModel::clickZone20() { selectZone(optZone20); }
void SetupModel::clickZone21() { selectZone(optZone21); }
void SetupModel::clickEnglish() { selectLanguage(optEnglish); }
void SetupModel::clickFrench() { selectLanguage(optFrench); }

void SetupModel::workDirChosen(const std::string& dir) {
  if (!dir.empty()) edtWorkingDir = WithTrailingSeparator(dir);
}
void SetupModel::inputDirChosen(const std::string& dir) {
  if (!dir.empty()) edtInputDir = WithTrailingSeparator(dir);
}
void SetupModel::outputDirChosen(const std::string& dir) {
  if (!dir.empty()) edtOutputDir = WithTrailingSeparator(dir);
}
void SetupModel::readerChosen(const std::string& file) {
  if (!file.empty()) edtReader = file;
}

// Paths here are case-sensitive, so the reader's path is kept as typed
// rather than put in upper case.
void SetupModel::readerEnter() { settings_.pdfReader = edtReader; }

bool SetupModel::ok() {
  FrontEndSettings& s = settings_;
  s.inputDir = edtInputDir;
  s.outputDir = edtOutputDir;
  s.workDir = edtWorkingDir;
  // The batch files delete the marker in the working directory of the run.
  s.runningMarker = s.workDir + workfiles::kMarker;
  s.pdfReader = edtReader;
  if (optNB.checked) {
    s.province = Province::NB;
  } else if (optNS.checked) {
    s.province = Province::NS;
    s.mtmZone = optMTMZone5.checked ? MtmZone::Zone5 : MtmZone::Zone4;
  } else if (optPEI.checked) {
    s.province = Province::PEI;
  }
  ChooseUtmZone(s, optZone21.checked   ? UtmZone::Zone21
                   : optZone20.checked ? UtmZone::Zone20
                                       : UtmZone::Zone19);
  DeriveGridShiftFiles(s);
  bool extentsOk = true;
  if (s.province != shownProvince_ || s.mtmZone != shownMtmZone_)
    extentsOk = LoadExtents(s, messages_, s.province, s.mtmZone, s.iniPath);
  const LanguageSetting language = optEnglish.checked ? Language::English : Language::French;
  languageChanged_ = language != s.language;
  s.language = language;
  open_ = false;
  return extentsOk;
}

void SetupModel::cancel() { open_ = false; }

std::string SetupModel::caption(const std::string& control) const {
  for (const auto& entry : kCaptions)
    if (control == entry.control) return pickCaption(entry.text, settings_.language);
  return "";
}

DialogCaptions SetupModel::directoryDialog() const {
  const LanguageSetting& l = settings_.language;
  return {pickCaption({"Select Directory", "Choisir un répertoire"}, l),
          pickCaption({"Cancel", "&Annuler"}, l), ""};
}

DialogCaptions SetupModel::readerDialog() const {
  const LanguageSetting& l = settings_.language;
  return {pickCaption({"Input File Name", "Nom du fichier"}, l),
          pickCaption({"&Cancel", "&Abandon"}, l), "*.exe;*.*"};
}

}  // namespace kartovex
