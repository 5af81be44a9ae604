#include "input/input_lines.h"

namespace kartovex {

bool ReadTextLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

bool InputLineReader::Next(std::string& line) {
  if (done_) return false;
  if (!ReadTextLine(in_, line)) {
    done_ = true;
    return false;
  }
  if (line.empty()) {
    done_ = true;
    emptyLine_ = lineNumber_ + 1;
    std::string rest;
    while (ReadTextLine(in_, rest)) {
      if (!rest.empty()) ++unread_;
    }
    return false;
  }
  ++lineNumber_;
  return true;
}

void WarnUnreadLines(MessageService& messages, const std::string& path,
                     const InputLineReader& reader) {
  if (reader.unreadLines() <= 0) return;
  const std::string count = std::to_string(reader.unreadLines());
  const std::string line = std::to_string(reader.emptyLineNumber());
  const std::string title = messages.french() ? "Avertissement - fichier d'entrée"
                                              : "Input File Warning";
  const std::string text =
      messages.french()
          ? path + " : la ligne " + line + " est vide et la lecture s'arrête là; " + count +
                " ligne(s) après la ligne " + line + " n'ont pas été lues."
          : path + ": line " + line + " is empty and reading stops there; " + count +
                " line(s) after line " + line + " were not read.";
  messages.information(title, text);
  if (messages.logFilesOpen()) messages.WriteLogLine(text);
}

}  // namespace kartovex
