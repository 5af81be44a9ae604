#include "messages/stream_sink.h"

#include <cctype>
#include <string>

namespace kartovex {

namespace {

// Texts carry CR LF line breaks meant for message boxes.
std::string withoutCarriageReturns(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

}  // namespace

void StreamSink::critical(const std::string& title, const std::string& text) {
  out_ << title << ": " << withoutCarriageReturns(text) << "\n" << std::flush;
}

bool StreamSink::askYesNo(const std::string& title, const std::string& text, bool isCritical) {
  (void)isCritical;
  out_ << title << ": " << withoutCarriageReturns(text) << " [Y/N] " << std::flush;
  std::string answer;
  if (!std::getline(in_, answer)) return false;
  auto first = answer.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  char c = static_cast<char>(std::toupper(static_cast<unsigned char>(answer[first])));
  return c == 'Y' || c == 'O';  // "Oui" as well
}

void StreamSink::information(const std::string& title, const std::string& text) {
  out_ << title << ": " << withoutCarriageReturns(text) << "\n" << std::flush;
}

}  // namespace kartovex
