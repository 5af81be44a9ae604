#include "routes/route_texts.h"

#include "messages/messages.h"
#include "messages/result_texts.h"

namespace kartovex {

std::string OrvandelOutcomeText(bool french, bool trnCordExists) {
  std::string text = "ORVANDEL: ";
  if (trnCordExists)
    text += french ? "La conversion est RÉUSSIE" : "The conversion has been completed";
  else
    text += french ? "La conversion est INCOMPLÈTE" : "The conversion was NOT completed";
  return text + results_label::kEnding;
}

std::string NotSupportedText(bool french) {
  const Text& t = results_label::kNotSupported;
  return std::string(french ? t.fr : t.en) + results_label::kEnding;
}

std::string MissingTransformFilesText(bool french, const std::string& province,
                                      const std::string& lineBreak) {
  std::string text = "comPROCESS: Missing " + province + " Transform grid files." + lineBreak;
  if (french)
    return text + "Please obtain these files from the " + province +
           " government before running these transformations. !";
  return text + "Please obtain the files before from the " + province +
         " government running these transformations. !";
}

}  // namespace kartovex
