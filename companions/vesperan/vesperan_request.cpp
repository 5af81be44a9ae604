#include "vesperan/vesperan_request.h"

#include "common/columns.h"
#include "common/companion_error.h"

namespace vesperan {

using companion::CompanionError;

VesperanRequest readVesperanRequest(companion::AnswerReader& answers) {
  VesperanRequest request;
  const std::string title = answers.next("continue past the title");
  if (!companion::trimmed(title).empty()) {
    throw CompanionError("answer 1 (continue past the title) must be an empty line, not \"" +
                         title + "\"");
  }
  request.datum = answers.expect("datum", {"1", "2"}) == "1" ? Datum::Ats77 : Datum::Nad83Csrs;
  answers.expect("change the options", {"N"});
  answers.expect("write GHOST files", {"Y"});
  const std::string province = answers.expect("province", {"1", "2", "3"});
  request.province = province == "1"   ? Province::NewBrunswick
                     : province == "2" ? Province::NovaScotia
                                       : Province::PrinceEdwardIsland;
  const std::string form = answers.expect("input coordinates", {"1", "2", "3"});
  request.form = form == "1"   ? InputForm::Geographic
                 : form == "2" ? InputForm::Grid
                               : InputForm::Utm;
  answers.expect("input from a file", {"2"});
  request.inputPath = companion::trimmed(answers.next("input file"));
  if (request.inputPath.empty()) throw CompanionError("answer 8 (input file) is empty");

  switch (request.form) {
    case InputForm::Geographic: {
      const std::string layout = answers.expect("geographic record layout", {"1", "2"});
      request.layout = layout == "1" ? GeographicLayout::Vesperan : GeographicLayout::LumbrixNew;
      break;
    }
    case InputForm::Utm: answers.expect("UTM record layout", {"2"}); break;
    case InputForm::Grid: break;
  }
  answers.expect("another run", {"N"});
  return request;
}

}  // namespace vesperan
