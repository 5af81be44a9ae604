#pragma once

#include <string>

#include "core/settings.h"
#include "messages/messages.h"

namespace kartovex {

// "NS 4 " / "NS 5 " for Nova Scotia, province + " " otherwise.
std::string ExtentSectionPrefix(const ProvinceSetting& province, const MtmZoneSetting& mtmZone);

// Reads the twelve limits of the province into settings.extents (and the
// decimal separator into settings.decimalSeparator). A value of 0 or -1 (or
// not a number) shows "LoadExtents: ..." and returns false.
bool LoadExtents(FrontEndSettings& settings, MessageService& messages,
                 const ProvinceSetting& province, const MtmZoneSetting& mtmZone,
                 const std::string& file);

}  // namespace kartovex
