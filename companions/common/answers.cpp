#include "common/answers.h"

#include <cctype>

#include "common/columns.h"
#include "common/companion_error.h"

namespace companion {

std::string AnswerReader::next(std::string_view what) {
  std::string line;
  if (!std::getline(in_, line)) {
    throw CompanionError("answer " + std::to_string(count_ + 1) + " (" + std::string(what) +
                         ") is missing");
  }
  ++count_;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::string AnswerReader::expect(std::string_view what,
                                 std::initializer_list<std::string_view> choices) {
  const std::string raw = next(what);
  std::string word = trimmed(raw);
  for (char& c : word) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (std::string_view choice : choices) {
    if (word == choice) return word;
  }
  std::string allowed;
  for (std::string_view choice : choices) {
    if (!allowed.empty()) allowed += ", ";
    allowed.append(1, '"').append(choice).append(1, '"');
  }
  throw CompanionError("answer " + std::to_string(count_) + " (" + std::string(what) + ") \"" +
                       raw + "\" is not one of " + allowed);
}

}  // namespace companion
