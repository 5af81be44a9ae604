#include "quillon27/quillon27_request.h"

#include "common/columns.h"
#include "common/companion_error.h"

namespace quillon27 {

using companion::CompanionError;

namespace {

// Degrees west, whatever the sign typed.
double meridianAnswer(const companion::AnswerReader& answers, const std::string& text,
                      const std::string& what) {
  double meridian = 0.0;
  if (!companion::parseReal(text, meridian) || meridian == 0.0) {
    throw CompanionError("answer " + std::to_string(answers.count()) + " (" + what + ") \"" + text +
                         "\" is not a meridian");
  }
  return meridian < 0.0 ? -meridian : meridian;
}

}  // namespace

QuillonRequest readQuillonRequest(companion::AnswerReader& answers) {
  QuillonRequest request;
  const std::string province = answers.expect("province", {"1", "2", "3"});
  request.province = province == "1"   ? Province::NewBrunswick
                     : province == "2" ? Province::NovaScotia
                                       : Province::PrinceEdwardIsland;
  const std::string form = answers.expect("input coordinates", {"1", "2", "4"});
  request.form = form == "1"   ? InputForm::Geographic
                 : form == "2" ? InputForm::Grid
                               : InputForm::Utm;

  // Prince Edward Island lies in one UTM zone, so its meridian may be left
  // out: the answer after the input form is then already "Y".
  std::string text = answers.next("central meridian");
  const std::string first = companion::trimmed(text);
  const bool meridianGiven =
      request.province != Province::PrinceEdwardIsland || (first != "Y" && first != "y");
  if (meridianGiven) {
    request.centralMeridian = meridianAnswer(answers, text, "central meridian");
    if (answers.expect("change the central meridian", {"N", "Y"}) == "Y") {
      text = answers.next("UTM central meridian");
      request.utmMeridian = meridianAnswer(answers, text, "UTM central meridian");
    }
    answers.expect("input from a file", {"Y"});
  }
  request.inputPath = companion::trimmed(answers.next("input file"));
  if (request.inputPath.empty()) {
    throw CompanionError("answer " + std::to_string(answers.count()) + " (input file) is empty");
  }
  answers.expect("write the coordinate file", {"Y"});
  return request;
}

}  // namespace quillon27
