#include "messages/text.h"

namespace kartovex {

bool MessagesInFrench(const std::string& language) { return language == "FRENCH"; }

bool CaptionsInEnglish(const std::string& language) { return language == "ENGLISH"; }

std::string pick(const Text& text, const std::string& language) {
  const char* chosen = MessagesInFrench(language) ? text.fr : text.en;
  return chosen ? std::string(chosen) : std::string();
}

std::string pickCaption(const Text& text, const std::string& language) {
  const char* chosen = CaptionsInEnglish(language) ? text.en : text.fr;
  return chosen ? std::string(chosen) : std::string();
}

}  // namespace kartovex
