#include "input/input_lines.h"

namespace kartovex {

namespace {
constexpr const char* kUtf8ByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

bool ReadTextLine(std::istream& in, std::string& line) {
  line.clear();
  std::streambuf* buf = in.good() ? in.rdbuf() : nullptr;
  if (buf == nullptr) {
    in.setstate(std::ios::failbit);
    return false;
  }
  using traits = std::char_traits<char>;
  bool any = false;
  for (;;) {
    const int c = buf->sbumpc();
    if (traits::eq_int_type(c, traits::eof())) {
      in.setstate(any ? std::ios::eofbit : std::ios::eofbit | std::ios::failbit);
      return any;
    }
    any = true;
    if (c == '\n') return true;
    if (c == '\r') {
      // CR LF is one line end; a CR alone ends a line too.
      if (traits::eq_int_type(buf->sgetc(), '\n')) buf->sbumpc();
      return true;
    }
    line.push_back(traits::to_char_type(c));
  }
}

bool BlankLine(const std::string& line) {
  return line.find_first_not_of(" \t") == std::string::npos;
}

bool InputLineReader::Next(std::string& line) {
  if (done_) return false;
  if (!ReadTextLine(in_, line)) {
    done_ = true;
    return false;
  }
  if (BlankLine(line)) {
    done_ = true;
    emptyLine_ = lineNumber_ + 1;
    std::string rest;
    while (ReadTextLine(in_, rest)) {
      if (!BlankLine(rest)) ++unread_;
    }
    return false;
  }
  // Spreadsheets start a text file with a UTF-8 byte-order mark; it is no
  // part of the first point's identifier.
  if (lineNumber_ == 0 && line.rfind(kUtf8ByteOrderMark, 0) == 0) line.erase(0, 3);
  ++lineNumber_;
  return true;
}

void WarnUnreadLines(MessageService& messages, const std::string& path,
                     const InputLineReader& reader) {
  if (reader.unreadLines() <= 0) return;
  const std::string count = std::to_string(reader.unreadLines());
  const std::string line = std::to_string(reader.emptyLineNumber());
  const std::string title =
      messages.french() ? "Avertissement - fichier d'entrée" : "Input File Warning";
  const std::string text =
      messages.french() ? path + " : la ligne " + line + " est vide et la lecture s'arrête là; " +
                              count + " ligne(s) après la ligne " + line + " n'ont pas été lues."
                        : path + ": line " + line + " is empty and reading stops there; " + count +
                              " line(s) after line " + line + " were not read.";
  messages.information(title, text);
  if (messages.logFilesOpen()) messages.WriteLogLine(text);
}

}  // namespace kartovex
