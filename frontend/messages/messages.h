#pragma once
// The one message service through which every text reaches the user, and
// the extent log and error files of a PROCESS.

#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>

#include "core/settings.h"
#include "messages/message_sink.h"
#include "messages/text.h"

namespace kartovex {

// The kinds of procedure whose error message ends differently.
enum class ProcedureKind {
  Processing,      // routes and the PROCESS action
  Reformatting,    // input reformatting for the console programs
  WritingText,     // result text writers
  WritingReport,   // report writer
  ReadingExtents,  // LoadExtents
  CommittingEntry  // keyboard entry commit
};

// Common titles.
namespace titles {
inline constexpr Text kError{"ERROR", "ERREUR"};
inline constexpr Text kFatalError{"FATAL ERROR", "ERREUR CRITIQUE"};
inline constexpr Text kSystemError{"System ERROR", "Erreur du système"};
inline constexpr Text kRequiredInfoMissing{"Required Info Missing",
                                           "L'information nécessaire n'est pas disponible"};
inline constexpr Text kInvalidFileName{"Invalid File Name", "Nom de fichier est non valable"};
inline constexpr Text kFileError{"File Error", "Erreur de fichier"};
inline constexpr Text kFileNotFound{"File Not Found", "Fichier non trouvé"};
}  // namespace titles

// The box of a start-up or settings step that failed unexpectedly: the
// program cannot go on.
inline constexpr Text kCannotInitialize{"Unable to initialize the program.",
                                        "Incapable d'établir le logiciel."};

// The ending of a procedure error message for a kind of procedure.
Text ProcedureErrorEnding(ProcedureKind kind);

// A configuration key that could not be read while a run was going on
// (its "System ERROR" box already shown): the run stops.
struct SettingsReadFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class MessageService {
 public:
  // The service reads language and extent logging from settings each time a
  // text is shown, so later changes of the settings take effect at once.
  MessageService(const FrontEndSettings& settings, MessageSink& sink);
  ~MessageService();
  MessageService(const MessageService&) = delete;
  MessageService& operator=(const MessageService&) = delete;

  const FrontEndSettings& settings() const { return settings_; }
  MessageSink& sink() { return sink_; }

  bool french() const;
  std::string pick(const Text& text) const;

  // Critical box with OK.
  void critical(const std::string& title, const std::string& text);
  void critical(const Text& title, const Text& text);
  // Critical Yes/No question (start-up questions); true for Yes.
  bool askYesNoCritical(const std::string& title, const std::string& text);
  // Plain Yes/No confirmation without icon; true for Yes.
  bool askYesNo(const std::string& title, const std::string& text);
  void information(const std::string& title, const std::string& text);
  void setBusyPointer(bool busy);

  // Critical box titled "ERROR" with name + the ending of the kind, after
  // restoring the normal pointer; a detail (what failed and why) follows on
  // a line of its own.
  void ReportProcedureError(const std::string& name, ProcedureKind kind = ProcedureKind::Processing,
                            const std::string& detail = "");

  // Log file workDir + "kartovex.log" and error file workDir + "kartovex.err".
  // Only when extentLogging is on; false when the files are already open
  // (both are then closed) or cannot be created.
  bool OpenLogFiles();
  // Only when extentLogging is on: closing lines, then both files closed.
  void CloseLogFiles();
  bool logFilesOpen() const;

  // Out-of-extent point: two log lines and one error line when logging is
  // on, otherwise the message in a critical box titled title.
  // boxDetail (which line) follows the message in the box; the log names
  // the line on its own.
  void ReportRejectedPoint(long lineNumber, const std::string& message, const std::string& title,
                           const std::string& inputLine, const std::string& boxDetail = "");

  // Writes one line to the log file when it is open (the run's other notes).
  void WriteLogLine(const std::string& line);

  // While on (during PROCESS), a configuration key that cannot be read
  // throws SettingsReadFailure after its message instead of reading as "-1".
  void setSettingsErrorsStopRun(bool on) { settingsErrorsStopRun_ = on; }
  bool settingsErrorsStopRun() const { return settingsErrorsStopRun_; }

  // The date written at the top of the log file; tests replace it.
  void setDateSource(std::function<std::string()> source);

 private:
  const FrontEndSettings& settings_;
  MessageSink& sink_;
  std::ofstream log_;
  std::ofstream err_;
  std::function<std::string()> dateSource_;
  bool settingsErrorsStopRun_ = false;
};

// The current local date as the log file shows it ("MM/DD/YYYY").
std::string CurrentDateText();

}  // namespace kartovex
