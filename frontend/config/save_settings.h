#pragma once

#include "core/settings.h"
#include "messages/messages.h"

namespace kartovex {

// Writes the user-changeable settings back to settings.iniPath. Every key is
// attempted even after a failed write; false when any write failed.
bool SaveSettings(const FrontEndSettings& settings, MessageService& messages);

}  // namespace kartovex
