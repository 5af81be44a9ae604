#pragma once
// The checks of PROCESS before anything is deleted or run.

#include <optional>
#include <string>

#include "core/settings.h"
#include "input/run_state.h"
#include "mainwindow/run_file_names.h"
#include "messages/text.h"

namespace kartovex {

struct Refusal {
  Text title;
  Text text;
  // A result file that would take the input's name: both, as they are named.
  std::string inputFile = {};
  std::string clashingFile = {};
};

// The refusal's text with the files it names, one a line.
std::string RefusalText(const Refusal& refusal, bool french);

// What the checks look at besides the settings.
struct ProcessRequest {
  Datum fromDatum = Datum::None;
  CoordForm fromForm = CoordForm::None;
  Datum toDatum = Datum::None;
  CoordForm toForm = CoordForm::None;
  bool inputFromKeyboard = false;
  std::string keyboardFile;  // the file the keyboard window saved
  ReportBoxes boxes;
};

namespace refusals {
inline constexpr Text kDelimiterTitle{"Required Info Missing",
                                      "L'information nécessaire n'est pas disponible"};
inline constexpr Text kDelimiter{
    "Delimeter is same as windows decimal separator. Please change Delimeter!",
    "Le séparateur est le même que celui de Windows, S.V.P. en choisir un différent!"};
inline constexpr Text kInvalidFileNameTitle{"Invalid File Name", "Nom de fichier est non valable"};
inline constexpr Text kDataIsInput{
    "You cannot have an output data file name which matches the input text file name!",
    "Vous ne pouvez avoir un fichier de sortie avec un nom identique au fichier d'entrée! "};
inline constexpr Text kReportIsInput{
    "You cannot have a report file name which matches the input text file name!",
    "Vous ne pouvez avoir un fichier rapport avec un nom identique au fichier d'entrée! "};
inline constexpr Text kAccuracyIsInput{
    "You cannot have an accuracy file name which matches the input text file name!",
    "Vous ne pouvez avoir un fichier de précision avec un nom identique au fichier d'entrée! "};
inline constexpr Text kMissingTitle{"Required Info Missing",
                                    "L'information nécessaire n'est pas disponible"};
inline constexpr Text kFromDatum{
    "From DATUM must be chosen before processing!",
    "Choisir le Système de référence géodésique dans la section 'Provient de' avant de continuer!"};
inline constexpr Text kFromCoord{
    "From COORD must be chosen before processing!",
    "Choisir les Coord dans la section 'Provient de' avant de continuer!"};
inline constexpr Text kToDatum{
    "To DATUM must be chosen before processing!",
    "Choisir le Système de référence géodésique dans la section 'Vers' avant de continuer!"};
inline constexpr Text kToCoord{"To COORD must be chosen before processing!",
                               "Choisir les Coord dans la section 'Vers' avant de continuer!"};
inline constexpr Text kNoInput{
    "Input From Keyboard or Input From File must be chosen before processing!",
    "Compléter les données au clavier ou faire la sélection du fichier de données avant de "
    "continuer!"};
inline constexpr Text kNoKeyboardInput{"Keyboard Input must be entered before processing!",
                                       "Compléter les données au clavier avant de continuer!"};
inline constexpr Text kNoInputName{"An Input File name must be entered before processing!",
                                   "Choisir le nom du fichier de données avant de continuer!"};
inline constexpr Text kInputMissing{"The specified Input File does not exist!",
                                    "Le fichier spécifié n'existe pas!"};
inline constexpr Text kNoReportName{"A Report File name must be entered before processing!",
                                    "Choisir le nom du fichier de rapport avant de continuer!"};
inline constexpr Text kReportNotRep{
    "The specified Report File is invalid (must be *.REP)!",
    "Le fichier de rapport proposé n'est pas acceptable (doit-être *.REP)!"};
}  // namespace refusals

// Step a: the delimiter against the decimal separator.
std::optional<Refusal> CheckDelimiter(const FrontEndSettings& settings);

// Steps c to f on the run's file names, in their order. The report and the
// accuracy file may not overwrite the input file either.
std::optional<Refusal> CheckRequest(const ProcessRequest& request, const RunFileNames& names);

}  // namespace kartovex
