#pragma once
// LUMBRIX's dialogue: the answer lines the front end writes (template L),
// one per line on standard input.
#include <istream>
#include <string>

namespace lumbrix {

struct Answers {
  std::string gridPath;        // grid-shift file
  std::string inputPath;       // points to shift
  bool frontEndInput = false;  // "I" and "S": comma-separated records of the front end
  bool backward = false;       // "D": from the grid's target system back to its source
  std::string lisPath, newPath, misPath;
};

// Reads and checks the whole dialogue; false with a one-line reason when an
// answer does not fit or the dialogue ends early.
bool readAnswers(std::istream& in, Answers& answers, std::string& error);

}  // namespace lumbrix
