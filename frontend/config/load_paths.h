#pragma once

#include "core/settings.h"
#include "messages/messages.h"

namespace kartovex {

// [PATH] and [FILE] into settings with every check of the programs and data
// files; false after its message (or after the user answered No).
bool LoadPaths(FrontEndSettings& settings, MessageService& messages);

// The current province's grid-shift files from the raw per-province values.
void DeriveGridShiftFiles(FrontEndSettings& settings);

}  // namespace kartovex
