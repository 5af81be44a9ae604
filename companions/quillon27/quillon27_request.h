#pragma once
// QUILLON27's dialogue: province, input form, central meridian, input file.
#include <optional>
#include <string>

#include "common/answers.h"

namespace quillon27 {

enum class Province { NewBrunswick, NovaScotia, PrinceEdwardIsland };
enum class InputForm { Geographic, Grid, Utm };

struct QuillonRequest {
  Province province = Province::NewBrunswick;
  InputForm form = InputForm::Grid;
  std::optional<double> centralMeridian;  // degrees west; optional for PEI
  // The meridian of the UTM zone of the X,Y output, given after an MTM
  // meridian ("Y", change the central meridian, then the UTM one).
  std::optional<double> utmMeridian;
  std::string inputPath;
};

// The answers in order: the province ("1" NB, "2" NS, "3" PEI); the input
// form ("1" Lat,Long, "2" East,North, "4" UTM X,Y); the central meridian
// (for PEI it may be left out) and either "N" (do not change it) or "Y"
// followed by the meridian of the UTM zone of the X,Y; "Y" (input from a
// file); the file's full path; "Y" (write the coordinate file). Throws
// CompanionError naming the answer that does not fit.
QuillonRequest readQuillonRequest(companion::AnswerReader& answers);

}  // namespace quillon27
