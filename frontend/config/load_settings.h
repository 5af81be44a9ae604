#pragma once

#include "config/startup_outputs.h"
#include "core/settings.h"
#include "messages/messages.h"

namespace kartovex {

// [SETUP] and [PATH] "PDF READER" into settings, then the extents; sets the
// province label of the main window. False after its message.
bool LoadSettings(FrontEndSettings& settings, MessageService& messages, StartupOutputs& mainWindow);

}  // namespace kartovex
