#pragma once
// Every user-visible text is kept as an English/French pair, chosen from
// the language setting when it is shown.

#include <string>

#include "core/settings_types.h"

namespace kartovex {

struct Text {
  const char* en;
  const char* fr;
};

// Messages and their titles are French exactly when language is French.
bool MessagesInFrench(const LanguageSetting& language);
// Window captions are English exactly when language is English, so any
// other text (Other) gives French captions with English messages.
bool CaptionsInEnglish(const LanguageSetting& language);

// The message form of a text.
std::string pick(const Text& text, const LanguageSetting& language);
// The caption form of a text.
std::string pickCaption(const Text& text, const LanguageSetting& language);

}  // namespace kartovex
