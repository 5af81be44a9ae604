#pragma once

#include <string>

#include "core/settings.h"
#include "messages/messages.h"

namespace kartovex {

// The central meridian the answer files carry, read from [SETUP] for the
// mode "transform", "quillon27 NE", "vesperan" or "quillon27 XY"; "69.0" for
// an empty or missing value and for any other mode.
std::string CentralMeridian(const FrontEndSettings& settings, MessageService& messages,
                            const std::string& mode);

// The [SETUP] key CentralMeridian reads, empty for an unknown mode.
std::string CentralMeridianKey(const FrontEndSettings& settings, const std::string& mode);

}  // namespace kartovex
