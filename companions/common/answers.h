#pragma once
// The dialogue of a companion program: one answer per line on standard input,
// in the order of its answer file.
#include <initializer_list>
#include <istream>
#include <string>
#include <string_view>

namespace companion {

class AnswerReader {
 public:
  explicit AnswerReader(std::istream& in) : in_(in) {}

  // The next answer as typed, without its line end (LF or CR LF). `what`
  // names the answer in the message when the dialogue has ended too early.
  std::string next(std::string_view what);

  // The next answer, blanks trimmed and in upper case; it must be one of the
  // choices (given in upper case). Returns the choice.
  std::string expect(std::string_view what, std::initializer_list<std::string_view> choices);

  // Number of answers read so far.
  int count() const { return count_; }

 private:
  std::istream& in_;
  int count_ = 0;
};

}  // namespace companion
