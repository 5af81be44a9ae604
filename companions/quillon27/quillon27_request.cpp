#include "quillon27/quillon27_request.h"

#include "common/columns.h"
#include "common/companion_error.h"

namespace quillon27 {

using companion::CompanionError;

QuillonRequest readQuillonRequest(companion::AnswerReader& answers) {
  QuillonRequest request;
  const std::string province = answers.expect("province", {"1", "2", "3"});
  request.province = province == "1"   ? Province::NewBrunswick
                     : province == "2" ? Province::NovaScotia
                                       : Province::PrinceEdwardIsland;
  const std::string form = answers.expect("input coordinates", {"1", "2", "4"});
  request.form = form == "1" ? InputForm::Geographic : form == "2" ? InputForm::Grid : InputForm::Utm;

  if (request.province != Province::PrinceEdwardIsland) {
    const std::string text = answers.next("central meridian");
    double meridian = 0.0;
    if (!companion::parseReal(text, meridian) || meridian == 0.0) {
      throw CompanionError("answer " + std::to_string(answers.count()) +
                           " (central meridian) \"" + text + "\" is not a meridian");
    }
    request.centralMeridian = meridian < 0.0 ? -meridian : meridian;
    answers.expect("change the central meridian", {"N"});
  }
  answers.expect("input from a file", {"Y"});
  request.inputPath = companion::trimmed(answers.next("input file"));
  if (request.inputPath.empty()) {
    throw CompanionError("answer " + std::to_string(answers.count()) + " (input file) is empty");
  }
  answers.expect("write the coordinate file", {"Y"});
  return request;
}

}  // namespace quillon27
