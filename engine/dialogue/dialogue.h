#pragma once
// The console dialogue that fixes the run options (steps 1 to 8), and the
// closing screen.
#include <istream>
#include <ostream>

#include "dialogue/run_options.h"

namespace orvandel {

// Shows the menus and reads the answers until the summary is confirmed.
// Fills everything but the date; end of input ends the run (status 2), a
// non-digit answer throws records::InputConversionError.
RunOptions runDialogue(std::istream& in, std::ostream& screen);

// Screen 8, then one more line of input whose value is not used; it is an
// integer field all the same (a non-digit in column 1 throws
// records::InputConversionError), and a missing line is no fault.
void closeDialogue(std::istream& in, std::ostream& screen);

}  // namespace orvandel
