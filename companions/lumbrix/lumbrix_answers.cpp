#include "lumbrix_answers.h"

#include <vector>

namespace lumbrix {
namespace {

class Dialogue {
 public:
  explicit Dialogue(std::istream& in) : in_(in) {}

  // Next answer without its line end; false at end of input.
  bool next(std::string& line) {
    if (!std::getline(in_, line)) return false;
    ++number_;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
      line.pop_back();
    return true;
  }

  bool expect(const char* wanted, std::string& error) {
    std::string line;
    if (!next(line)) {
      error = std::string("answer ") + std::to_string(number_ + 1) + " missing (expected \"" +
              wanted + "\")";
      return false;
    }
    if (line != wanted) {
      error =
          "answer " + std::to_string(number_) + " is \"" + line + "\", expected \"" + wanted + "\"";
      return false;
    }
    return true;
  }

  bool path(const char* what, std::string& value, std::string& error) {
    if (!next(value) || value.empty()) {
      error = "answer " + std::to_string(number_) + ": missing " + what;
      return false;
    }
    return true;
  }

  int number() const { return number_; }

 private:
  std::istream& in_;
  int number_ = 0;
};

}  // namespace

bool readAnswers(std::istream& in, Answers& a, std::string& error) {
  a = Answers{};
  Dialogue d(in);
  if (!d.expect("Q", error) || !d.expect("G", error) ||
      !d.path("grid-shift file", a.gridPath, error) || !d.expect("C", error) ||
      !d.path("input file", a.inputPath, error))
    return false;
  // Flags in their fixed order, then the "A" that starts the option block.
  std::string line;
  std::string flags;
  for (;;) {
    if (!d.next(line)) {
      error = "answer " + std::to_string(d.number() + 1) + " missing (expected a flag or \"A\")";
      return false;
    }
    if (line == "A") break;
    if (line.size() != 1 || std::string("ISD").find(line) == std::string::npos ||
        (!flags.empty() &&
         std::string("ISD").find(line) <= std::string("ISD").find(flags.back()))) {
      error = "answer " + std::to_string(d.number()) + " is \"" + line +
              "\", not a flag in order I, S, D or \"A\"";
      return false;
    }
    flags += line;
  }
  const bool i = flags.find('I') != std::string::npos, s = flags.find('S') != std::string::npos;
  if (i != s) {
    error = "flags \"I\" and \"S\" must be given together";
    return false;
  }
  a.frontEndInput = i;
  a.backward = flags.find('D') != std::string::npos;
  if (!d.expect("B", error) || !d.expect("M", error) || !d.expect("X", error) ||
      !d.expect("X", error) || !d.path("listing file", a.lisPath, error) ||
      !d.path("new-coordinates file", a.newPath, error) ||
      !d.path("missed-points file", a.misPath, error) || !d.expect("", error) ||
      !d.expect("N", error))
    return false;
  if (a.lisPath == a.newPath || a.lisPath == a.misPath || a.newPath == a.misPath) {
    error = "the three output files must have different names";
    return false;
  }
  if (a.inputPath == a.newPath || a.inputPath == a.lisPath || a.inputPath == a.misPath) {
    error = "an output file has the name of the input file";
    return false;
  }
  if (a.gridPath == a.newPath || a.gridPath == a.lisPath || a.gridPath == a.misPath) {
    error = "an output file has the name of the grid-shift file";
    return false;
  }
  return true;
}

}  // namespace lumbrix
