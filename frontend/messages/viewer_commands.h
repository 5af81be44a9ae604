#pragma once
// The view buttons of the main window: the report, the log and the error
// file, opened in the configured editor.

#include <functional>
#include <string>

#include "core/settings.h"
#include "messages/messages.h"
#include "platform/start_program.h"

namespace kartovex {

// Starts a program with one argument and says how its first moment went.
using ProgramStarter = std::function<StartResult(const std::string& program,
                                                 const std::string& argument, WindowStyle)>;

// The platform's starter: started and watched for the first moment.
ProgramStarter DefaultProgramStarter(std::chrono::milliseconds watch = kStartWatch);

// What follows "Failed to launch ...!" when a started program ended at once
// with a failure (" It stopped at once with exit status n."); empty when it
// could not start at all.
std::string EarlyExitDetail(const StartResult& result, bool french);

// comVIEW: the report file in the editor, maximised. A failure to start,
// or an editor that ends at once with a failure, is shown.
bool ViewReport(MessageService& messages, const std::string& reportPath,
                const ProgramStarter& start);
// cmdViewLog: workDir + "kartovex.log".
bool ViewLog(MessageService& messages, const ProgramStarter& start);
// cmdViewError: workDir + "kartovex.err".
bool ViewError(MessageService& messages, const ProgramStarter& start);

}  // namespace kartovex
