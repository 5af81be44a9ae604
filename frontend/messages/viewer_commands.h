#pragma once
// The view buttons of the main window: the report, the log and the error
// file, opened in the configured editor.

#include <functional>
#include <string>

#include "config/settings.h"
#include "messages/messages.h"
#include "platform/start_program.h"

namespace kartovex {

// Starts a program with one argument; the process id, 0 on failure.
using ProgramStarter = std::function<long(const std::string& program, const std::string& argument, WindowStyle)>;

// The platform's starter.
ProgramStarter DefaultProgramStarter();

// comVIEW: the report file in the editor, maximised.
bool ViewReport(MessageService& messages, const std::string& reportPath, const ProgramStarter& start);
// cmdViewLog: workDir + "kartovex.log".
bool ViewLog(MessageService& messages, const ProgramStarter& start);
// cmdViewError: workDir + "kartovex.err".
bool ViewError(MessageService& messages, const ProgramStarter& start);

}  // namespace kartovex
