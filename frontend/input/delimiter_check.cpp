#include "input/delimiter_check.h"

namespace kartovex {

bool CheckDelimiterAgainstSeparator(const FrontEndSettings& settings, MessageService& messages) {
  if (settings.decimalSeparator != "," || settings.delimiter != settings.decimalSeparator) {
    return true;
  }
  messages.critical(titles::kRequiredInfoMissing,
                    Text{"Delimeter is same as windows decimal separator. Please change Delimeter!",
                         "Le séparateur est le même que celui de Windows, S.V.P. en choisir un "
                         "différent!"});
  return false;
}

}  // namespace kartovex
