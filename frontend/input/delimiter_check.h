#pragma once
// Before any processing: a decimal comma cannot also be the delimiter.

#include "core/settings.h"
#include "messages/messages.h"

namespace kartovex {

// False, after the "Required Info Missing" message, when the decimal
// separator is "," and the delimiter equals it. The caller then shows that
// the conversion was not completed.
bool CheckDelimiterAgainstSeparator(const FrontEndSettings& settings, MessageService& messages);

}  // namespace kartovex
