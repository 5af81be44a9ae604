#pragma once

#include "core/settings.h"
#include "messages/messages.h"

namespace kartovex {

// True when ORVANDEL's coefficient files of the current province are present
// in the directory named by DATAFILE (always true for NB).
bool CheckTransformFiles(const FrontEndSettings& settings, MessageService& messages);

}  // namespace kartovex
