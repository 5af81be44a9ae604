#pragma once
// comHELP: the help document of the language in the PDF reader, or the HTML
// help page in the desktop's browser.

#include <string>

#include "core/settings.h"
#include "messages/messages.h"
#include "messages/viewer_commands.h"

namespace kartovex {

// The program that opens HTML help: the PDF READER of the INI when it names
// an existing program, else the desktop's opener (which shows the page in
// the user's browser).
std::string HtmlHelpOpener(const FrontEndSettings& settings);

// Starts the reader (helpFormat "PDF") or the HTML opener with the help
// file of the language, maximised. "Failed to launch Help!" when the
// program cannot start or ends at once with a failure; a missing HTML page
// is named in its own message and nothing is started.
bool LaunchHelp(const FrontEndSettings& settings, MessageService& messages,
                const ProgramStarter& start);

}  // namespace kartovex
