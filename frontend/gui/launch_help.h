#pragma once
// comHELP: the help document in the PDF reader or the help viewer.

#include "config/settings.h"
#include "messages/messages.h"
#include "messages/viewer_commands.h"

namespace kartovex::gui {

// The program that shows help documents that are not PDF files on this
// platform (the desktop's default opener).
inline constexpr const char* kHelpViewer = "xdg-open";

// Starts the reader (helpFormat "PDF") or the help viewer with the help file
// of the language, maximised; "Failed to launch Help!" when it cannot start.
bool LaunchHelp(const FrontEndSettings& settings, MessageService& messages, const ProgramStarter& start);

}  // namespace kartovex::gui
