#include "input/options_model.h"

#include "messages/text.h"

namespace kartovex {

namespace {

struct ControlCaption {
  const char* control;
  Text text;
};

constexpr ControlCaption kCaptions[] = {
    {"window", {"Input Text File Options", "Options du fichier-texte"}},
    {"comCANCEL", {"Cancel", "Abandon"}},
    {"frmEastNorth", {"EAST, NORTH", "EST, NORD"}},
    {"frmORDER", {"Input Field Order", "Choisir la séquence des données"}},
    {"optEN", {" Pt,East,North", " Pt, EST, NORD"}},
    {"optNE", {" Pt,North,East", " Pt, NORD, EST"}},
    {"frmDelimeter", {"Delimeter", "Délimité par"}},
    {"optComma", {"Comma", "Virgule"}},
    {"optSpace", {"Space", "Espacement"}},
    {"optOther", {"Other (specify above)", "Autre (spécifier)"}},
    {"optTabDeliminter", {"Tab", "Tab"}},
    {"Label1",
     {"Allow Extra Text to the Right of the 3rd Field?",
      "Avez-vous des données supplémentaires au-delà de la 3e colonne"}},
    {"optTextNO", {"NO", "Non"}},
    {"optTextYES", {"YES", "Oui"}},
    {"famDisplayInreport", {"Display in report", "Introduire dans le rapport"}},
    {"optDisplayNo", {"NO", "Non"}},
    {"optDisplayYes", {"YES", "Oui"}},
};

constexpr Text kNoDelimiterTitle{"No Delimeter Specified",
                                 "Choisir un caractère délimitant les données"};
constexpr Text kNoDelimiterText{
    "You have chosen 'Other' as your delimeter.  Therefore, you must "
    "also specify (type) the actual delimeter in the space provided.",
    "Vous avez sélectionné 'Autre' comme séparateur, alors vous devez"
    "spécifié le caractère utilisé dans l'espace prévu."};

}  // namespace

void OptionsModel::Open(const FrontEndSettings& settings) {
  optEN_ = settings.fieldOrder != "NE";
  if (settings.delimiter == ",") {
    delimiter_ = DelimiterOption::Comma;
  } else if (settings.delimiter == " ") {
    delimiter_ = DelimiterOption::Space;
  } else {
    delimiter_ = DelimiterOption::Other;
  }
  // Every delimiter reopens in the box, so a tab shows as "Other" with a tab.
  txtDelimeter_ = settings.delimiter;
  optTextYES_ = settings.extraText;
  optDisplayYes_ = settings.displayExtraText;
  delimiterFocus_ = false;
  closed_ = false;
  captions_.clear();
  for (const auto& c : kCaptions) {
    captions_.emplace_back(c.control, pickCaption(c.text, settings.language));
  }
}

void OptionsModel::ClickTab() {
  delimiter_ = DelimiterOption::Tab;
  txtDelimeter_.assign(1, '\t');
}

void OptionsModel::ClickOther() {
  delimiter_ = DelimiterOption::Other;
  txtDelimeter_.clear();
}

void OptionsModel::ClickComma() {
  delimiter_ = DelimiterOption::Comma;
  txtDelimeter_.assign(1, ',');
}

void OptionsModel::ClickSpace() {
  delimiter_ = DelimiterOption::Space;
  txtDelimeter_.assign(1, ' ');
}

bool OptionsModel::Ok(FrontEndSettings& settings, MessageService& messages) {
  if (delimiter_ == DelimiterOption::Other && txtDelimeter_.empty()) {
    messages.critical(kNoDelimiterTitle, kNoDelimiterText);
    delimiterFocus_ = true;
    return false;
  }
  settings.fieldOrder = optEN_ ? "EN" : "NE";
  settings.delimiter = txtDelimeter_;
  settings.extraText = optTextYES_;
  settings.displayExtraText = optDisplayYes_;
  closed_ = true;
  return true;
}

std::string OptionsModel::caption(const std::string& control) const {
  for (const auto& [name, text] : captions_) {
    if (name == control) return text;
  }
  return std::string();
}

}  // namespace kartovex
