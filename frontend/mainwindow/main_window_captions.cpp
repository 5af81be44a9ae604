#include "mainwindow/main_window_captions.h"

#include "messages/text.h"

namespace kartovex {

namespace {

struct CaptionRow {
  const char* control;
  Text text;
};

constexpr CaptionRow kCaptions[] = {
    {"frmFROM", {"From:", "Provient de:"}},
    {"Label1", {"DATUM", "Système de référence géodésique"}},
    {"optFR_ATS77", {" ATS77", " ATS77"}},
    {"optFR_NAD27", {" NAD27", " NAD27"}},
    {"optFR_NAD83", {" NAD83 (CSRS)", " NAD83 (CSRS)"}},
    {"frmFR_COORD", {"COORD", "Coord"}},
    {"optFR_EN", {" East, North", " EST, NORD"}},
    {"optFR_LL", {" Lat, Long", " Lat, Long"}},
    {"optFR_XY", {" UTM X, Y", " UTM X, Y"}},
    {"frmINPUT", {"INPUT", "ENTRÉE"}},
    {"chkKEYBOARD", {" Input From Keyboard", " Entrée au clavier"}},
    {"comIN_KEYBOARD", {"Enter Input From &Keyboard ...", "Entrée au clavier..."}},
    {"chkIN_FILE", {" Input From Text File", " Lecture d'un fichier format texte"}},
    {"comIN_SEARCH", {"...", "..."}},
    {"comPROCESS", {"&PROCESS...", "Traitement..."}},
    {"frmTO", {"To:", "Vers:"}},
    {"Label2", {"DATUM", "Système de référence géodésique"}},
    {"optTO_ATS77", {" ATS77", " ATS77"}},
    {"optTO_NAD27", {" NAD27", " NAD27"}},
    {"optTO_NAD83", {"  NAD83 (CSRS)", " NAD83 (CSRS)"}},
    {"optTO_NAD83_89", {" NAD83 (1989)", " NAD83 (1989)"}},
    {"frmTO_COORD", {"COORD", "Coord"}},
    {"optTO_EN", {" East, North", " EST, NORD"}},
    {"optTO_LL", {" Lat, Long", " Lat, Long"}},
    {"optTO_XY", {" UTM X, Y", " UTM X, Y"}},
    {"frmOUTPUT", {"OUTPUT", "SORTIE"}},
    {"comVIEW", {"&View Resulting Report ...", "Vision des résultats..."}},
    {"chkREP_FILE", {" Save Report File (.REP)", " Sauvegarde du fichier rapport (.REP)"}},
    {"comOUT_SEARCH", {"...", "..."}},
    {"chkTXT_FILE", {" Save Data File (.TXT)", " Sauvegarde du fichier des données (.TXT)"}},
    {"chkACC_FILE", {" Save Accuracy File (.ACC)", " Sauvegarde du fichier de précision (.ACC)"}},
    {"frmRESULTS", {"Results:", "Résultats:"}},
    {"cmdViewLog", {"View log", "Vior le registre"}},
    {"cmdViewError", {"View error", "Vior erreur"}},
    {"comHELP", {"&HELP", "AIDE"}},
    {"comEXIT", {"&EXIT", "ABANDON"}},
    {"mnuOptions", {"&Options", "&Options"}},
    {"menuSetup", {"&Setup", "Mi&se au point"}},
    {"mnuTextFile", {"&Text File", "Fichier &texte"}},
    {"menuAbout", {"&About", "&À propos de"}},
    {"MenuExit", {"&Exit", "A&BANDON"}},
};

}  // namespace

std::vector<std::pair<std::string, std::string>> MainWindowCaptions(
    const FrontEndSettings& settings, bool english) {
  std::vector<std::pair<std::string, std::string>> out;
  out.emplace_back("formMAIN", english ? settings.titleEnglish : settings.titleFrench);
  for (const auto& row : kCaptions)
    out.emplace_back(row.control, english ? row.text.en : row.text.fr);
  return out;
}

std::string MainWindowCaption(const FrontEndSettings& settings, bool english,
                              const std::string& control) {
  for (const auto& [name, caption] : MainWindowCaptions(settings, english))
    if (name == control) return caption;
  return {};
}

std::string DisplayCaption(const std::string& caption) {
  std::string out;
  for (char c : caption)
    if (c != ' ' || out.empty() || out.back() != ' ') out += c;
  return out;
}

}  // namespace kartovex
