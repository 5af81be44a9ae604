#pragma once
// Splitting one UTM input line: identifier, the two coordinates by
// fieldOrder (normalised), zone and extra text.

#include <string>

#include "core/settings.h"
#include "messages/messages.h"

namespace kartovex {

// True on success; false when a delimiter is missing or a coordinate cannot
// be normalised (that run-time error is shown before returning, naming the
// line by lineNumber and the field when lineNumber is above 0).
bool parseUTMcoord(const std::string& line, std::string& pointId, std::string& x, std::string& y,
                   std::string& zone, std::string& extraText, const FrontEndSettings& settings,
                   MessageService& messages, long lineNumber = 0);

}  // namespace kartovex
