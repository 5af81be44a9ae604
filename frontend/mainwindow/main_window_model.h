#pragma once
// formMAIN without widgets: its choices and their rules, captions and labels,
// and the PROCESS action with its checks, the removal of old files, the
// dispatch, the outcome texts, the rejected-point counter and Cancel. The
// GUI binds its widgets to this model; the command-line driver uses it too.

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "config/startup_outputs.h"
#include "core/settings.h"
#include "input/extra_text_table.h"
#include "input/run_context.h"
#include "input/run_state.h"
#include "mainwindow/main_window_choices.h"
#include "mainwindow/process_checks.h"
#include "mainwindow/route_services.h"
#include "mainwindow/run_file_names.h"
#include "messages/messages.h"
#include "runner/run_protocol.h"

namespace kartovex {

enum class ProcessResult {
  Refused,  // a check of step 2 or the removal of old files failed
  Completed,
  NotCompleted,  // the route failed or was cancelled
  NotSupported,
  Error  // run-time error in PROCESS (its box shown)
};

class MainWindowModel {
 public:
  MainWindowModel(FrontEndSettings& settings, MessageService& messages,
                  RouteServices services = DefaultRouteServices());
  MainWindowModel(const MainWindowModel&) = delete;
  MainWindowModel& operator=(const MainWindowModel&) = delete;

  // The window's outputs after a successful start-up.
  void Loaded(const StartupOutputs& outputs);

  // Captions by the language setting (English exactly when "ENGLISH").
  void SetEnglish();
  void SetFrench();
  bool captionsEnglish() const { return captionsEnglish_; }
  std::vector<std::pair<std::string, std::string>> captions() const;
  std::string caption(const std::string& control) const;

  MainWindowChoices& choices() { return choices_; }
  const MainWindowChoices& choices() const { return choices_; }

  // Status and results labels.
  std::string provinceLabel() const;                                         // txtProvince
  std::string utmZoneLabel() const;                                          // txtUtmZome
  std::string delimiterLabel() const;                                        // txtdelimintor
  const std::string& resultsLabel() const { return choices_.lblRESULTS; }    // lblRESULTS
  const std::string& errorCountText() const { return run_.errCountText(); }  // txtErrorCnt

  // comIN_KEYBOARD: before the keyboard window opens; keyboardSaved with the
  // file its OK wrote (workDir + "INPUT.TXT" unless the user named one).
  void OpenKeyboard();
  void KeyboardSaved(const std::string& inputFile);
  const std::string& keyboardFile() const { return keyboardFile_; }

  // After the setup window's OK (languageChanged from SetupModel) and after
  // the text-file options window.
  void SetupClosed(bool languageChanged);
  void TextFileOptionsClosed();

  // comPROCESS.
  ProcessResult Process();
  // cmdCancelProcess (and Ctrl-C on the command line).
  void CancelProcess();

  // The event pump of the wait loop and an observer of the progress value.
  void setEventPump(std::function<void()> pump) { control_.pumpEvents = std::move(pump); }
  void setProgressObserver(std::function<void(int)> observer) {
    progressObserver_ = std::move(observer);
  }

  RunControl& runControl() { return control_; }
  RunState& run() { return run_; }
  const RunState& run() const { return run_; }
  ExtraTextTable& extraTexts() { return extraTexts_; }

  int progress() const { return progress_; }                   // palProgress
  bool cancelVisible() const { return cancelVisible_; }        // cmdCancelProcess
  bool viewLogEnabled() const { return viewLogEnabled_; }      // cmdViewLog
  bool viewErrorEnabled() const { return viewErrorEnabled_; }  // cmdViewError
  bool helpEnabled() const { return helpEnabled_; }            // comHELP
  bool running() const { return running_; }
  // The last run completed but left points out (missed or rejected).
  bool pointsLeftOut() const { return pointsLeftOut_; }
  // The report the last PROCESS wrote (comVIEW opens it).
  const std::string& reportFile() const { return run_.reportFile; }
  const RunFileNames& fileNames() const { return names_; }

 private:
  // PROCESS in its steps, in the order process() takes them.
  ProcessResult process();
  void clearPreviousRun();
  std::optional<ProcessRequest> checkChoices();
  bool removePreviousFiles(const ProcessRequest& request);
  void prepareRunState(const ProcessRequest& request);
  bool startRun();
  DispatchOutcome runRoute(RunContext& ctx);
  ProcessResult reportOutcome(const DispatchOutcome& outcome, const ProcessRequest& request,
                              RunContext& ctx);
  void refuse(const Refusal& refusal);
  void refused();
  ProcessResult errorPath();
  void setProgress(int value);
  void removeKeyboardFile();

  FrontEndSettings& settings_;
  MessageService& messages_;
  RouteServices services_;
  MainWindowChoices choices_;
  RunState run_;
  ExtraTextTable extraTexts_;
  RunControl control_;
  std::function<void(int)> progressObserver_;
  RunFileNames names_;
  std::string keyboardFile_;
  int progress_ = 0;
  bool captionsEnglish_ = true;
  bool cancelVisible_ = false;
  bool viewLogEnabled_ = false;
  bool viewErrorEnabled_ = false;
  bool helpEnabled_ = false;
  bool running_ = false;
  bool pointsLeftOut_ = false;
  // The results label shows a refused PROCESS (not a failed run), so a
  // change of language re-picks the refusal text.
  bool labelIsRefusal_ = false;
};

}  // namespace kartovex
