#pragma once
// Reading an input text file line by line. Reading stops at the first empty
// line (existing files rely on it); the non-empty lines after it are
// counted so the user can be told that they were not read.

#include <istream>
#include <string>

#include "messages/messages.h"

namespace kartovex {

// One line without its line end (LF, CR LF or a CR alone); false at end of
// input.
bool ReadTextLine(std::istream& in, std::string& line);

// A line that holds nothing but blanks and tabs reads as an empty line.
bool BlankLine(const std::string& line);

class InputLineReader {
 public:
  explicit InputLineReader(std::istream& in) : in_(in) {}

  // The next line; false at end of file or at the first empty (or blank)
  // line. A UTF-8 byte-order mark before the first line is dropped.
  bool Next(std::string& line);

  // Number of the line last returned, from 1.
  long lineNumber() const { return lineNumber_; }
  // After the end: the number of the empty line that ended reading (0 when
  // reading ran to end of file) and the non-empty lines after it.
  long emptyLineNumber() const { return emptyLine_; }
  long unreadLines() const { return unread_; }

 private:
  std::istream& in_;
  long lineNumber_ = 0;
  long emptyLine_ = 0;
  long unread_ = 0;
  bool done_ = false;
};

// Tells the user (and the log file when it is open) how many lines after
// the empty line were not read; nothing when there are none.
void WarnUnreadLines(MessageService& messages, const std::string& path,
                     const InputLineReader& reader);

}  // namespace kartovex
