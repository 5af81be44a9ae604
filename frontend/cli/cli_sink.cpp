#include "cli/cli_sink.h"

namespace kartovex::cli {

namespace {
// Message texts use CR LF inside; a terminal wants plain line feeds.
std::string plain(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}
}  // namespace

void CliSink::before() {
  if (beforeMessage_) beforeMessage_();
}

void CliSink::critical(const std::string& title, const std::string& text) {
  before();
  err_ << title << ": " << plain(text) << "\n" << std::flush;
}

bool CliSink::askYesNo(const std::string& title, const std::string& text, bool /*critical*/) {
  before();
  err_ << title << ": " << plain(text) << " -> " << (answerYes_ ? "Yes" : "No") << "\n"
       << std::flush;
  return answerYes_;
}

void CliSink::information(const std::string& title, const std::string& text) {
  before();
  err_ << title << ": " << plain(text) << "\n" << std::flush;
}

}  // namespace kartovex::cli
