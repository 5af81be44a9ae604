#pragma once
// Every user-visible text is kept as an English/French pair, chosen from
// the language setting when it is shown.

#include <string>

namespace kartovex {

struct Text {
  const char* en;
  const char* fr;
};

// Messages and their titles are French exactly when language is "FRENCH".
bool MessagesInFrench(const std::string& language);
// Window captions are English exactly when language is "ENGLISH", so any
// other value gives French captions with English messages.
bool CaptionsInEnglish(const std::string& language);

// The message form of a text.
std::string pick(const Text& text, const std::string& language);
// The caption form of a text.
std::string pickCaption(const Text& text, const std::string& language);

}  // namespace kartovex
