#pragma once
// The message of a failed program of a chain: which step, which program,
// how it ended, and the last lines it wrote to its console log, so that the
// user reads the program's own reason.

#include <string>
#include <vector>

#include "runner/run_protocol.h"

namespace kartovex {

// The last at most maxLines non-empty lines of a console log (without line
// ends or trailing blanks); empty when the file is missing or empty.
std::vector<std::string> LastConsoleLines(const std::string& path, std::size_t maxLines = 5);

struct StepFailure {
  std::string procedure;    // the route's name, which begins the message
  int step = 0;             // 1-based position among the programs of the chain
  int steps = 0;            // number of programs of the chain
  std::string program;      // "LUMBRIX"
  ProgramEnd end;           // how it ended (and its console log)
  std::string missingFile;  // an expected output it did not write, or empty
};

// "ProcessCombo5: step 1 of 1: LUMBRIX ended with exit status 1." and the
// quoted console lines, each on a line of its own (lineBreak between).
std::string StepFailureText(bool french, const StepFailure& failure, const std::string& lineBreak);

}  // namespace kartovex
