#include "messages/text.h"

namespace kartovex {

bool MessagesInFrench(const LanguageSetting& language) { return language == Language::French; }

bool CaptionsInEnglish(const LanguageSetting& language) { return language == Language::English; }

std::string pick(const Text& text, const LanguageSetting& language) {
  const char* chosen = MessagesInFrench(language) ? text.fr : text.en;
  return chosen ? std::string(chosen) : std::string();
}

std::string pickCaption(const Text& text, const LanguageSetting& language) {
  const char* chosen = CaptionsInEnglish(language) ? text.en : text.fr;
  return chosen ? std::string(chosen) : std::string();
}

}  // namespace kartovex
