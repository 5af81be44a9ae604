#pragma once
// Texts of the dispatcher and the routes.

#include <string>

#include "core/settings.h"

namespace kartovex {

// transformNad27Nad83Csrs after ORVANDEL: "ORVANDEL: The conversion has
// been completed !" or "... was NOT completed !" (French likewise).
std::string OrvandelOutcomeText(bool french, bool trnCordExists);

// "The conversion NOT supported !" (French "La conversion NOT supported !").
std::string NotSupportedText(bool french);

// The missing coefficient files message of the dispatcher.
std::string MissingTransformFilesText(bool french, const std::string& province,
                                      const std::string& lineBreak);

}  // namespace kartovex
