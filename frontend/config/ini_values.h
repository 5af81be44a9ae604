#pragma once
// Reading and writing single entries of KARTOVEX.INI with the front end's
// messages.

#include <string>

#include "core/settings.h"
#include "messages/messages.h"

namespace kartovex {

// The value, or "-1" after the "System ERROR" box when the key is absent or
// empty.
std::string ReadIniValue(MessageService& messages, const std::string& section,
                         const std::string& key, const std::string& file);

// Writes the key; on failure shows "ERROR updating INI File" and returns
// false (callers carry on).
bool WriteIniValue(MessageService& messages, const std::string& value, const std::string& key,
                   const std::string& section, const std::string& file);

// ReadIniValue converted to a number: 0 for an empty value, -1 for a missing
// key, NaN for text that is not a number. With decimalSeparator "," the first
// "." is taken as the decimal point as well.
double ReadIniNumber(MessageService& messages, const FrontEndSettings& settings,
                     const std::string& key, const std::string& section, const std::string& file);

// Text to number by the rules above, without reading anything.
double IniTextToNumber(const std::string& text, const std::string& decimalSeparator);

}  // namespace kartovex
