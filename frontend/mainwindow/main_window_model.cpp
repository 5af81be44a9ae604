#include "mainwindow/main_window_model.h"

#include <exception>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "config/utm_zone.h"
#include "core/work_file_names.h"
#include "input/file_name_check.h"
#include "mainwindow/accuracy_file.h"
#include "mainwindow/main_window_captions.h"
#include "mainwindow/remove_old_run_files.h"
#include "messages/result_texts.h"
#include "platform/paths.h"
#include "results/staged_files.h"
#include "runner/run_lock.h"

namespace kartovex {

namespace {
constexpr Text kProcessError{"comPROCESS: An error occurred while processing your data!",
                             "comPROCESS: Une erreur s'est produite durant le traitement!"};
constexpr const char* kZoneFromFile = "Using zone from input file ";
constexpr const char* kZoneFromUser = "Using default zone specified by the user ";
}  // namespace

MainWindowModel::MainWindowModel(FrontEndSettings& settings, MessageService& messages,
                                 RouteServices services)
    : settings_(settings),
      messages_(messages),
      services_(std::move(services)),
      choices_([this] { removeKeyboardFile(); }),
      run_(settings) {
  control_.setProgress = [this](int value) { setProgress(value); };
  control_.setResultsLabel = [this](const std::string& text) { choices_.lblRESULTS = text; };
  captionsEnglish_ = CaptionsInEnglish(settings.language);
}

void MainWindowModel::Loaded(const StartupOutputs& outputs) {
  captionsEnglish_ = outputs.captionsEnglish;
  helpEnabled_ = outputs.helpEnabled;
  keyboardFile_ = KeyboardFile(settings_);
}

void MainWindowModel::SetEnglish() { captionsEnglish_ = true; }
void MainWindowModel::SetFrench() { captionsEnglish_ = false; }

std::vector<std::pair<std::string, std::string>> MainWindowModel::captions() const {
  return MainWindowCaptions(settings_, captionsEnglish_);
}

std::string MainWindowModel::caption(const std::string& control) const {
  return MainWindowCaption(settings_, captionsEnglish_, control);
}

std::string MainWindowModel::provinceLabel() const {
  return ProvinceLabel(settings_.province, settings_.mtmZone);
}

std::string MainWindowModel::utmZoneLabel() const {
  if (!run_.zoneLabel.empty()) return run_.zoneLabel;
  return UtmZoneLabel(settings_.utmZone);
}

std::string MainWindowModel::delimiterLabel() const {
  return DelimiterLabel(settings_.delimiter, settings_.language);
}

void MainWindowModel::OpenKeyboard() {
  choices_.comVIEW.enabled = false;
  choices_.lblRESULTS.clear();
}

void MainWindowModel::KeyboardSaved(const std::string& inputFile) {
  keyboardFile_ = inputFile.empty() ? KeyboardFile(settings_) : inputFile;
}

namespace {

// The results label of a run in the other language: every text a run can
// leave, as English and French pairs. (A refusal reads like a failed run in
// English, so it is told apart by the model.)
std::string ResultsLabelIn(const std::string& label, bool french) {
  using namespace results_label;
  std::vector<std::pair<std::string, std::string>> forms;
  for (const Text& t : {kCompleted, kNotCompleted, kCancelled, kNotSupported})
    forms.emplace_back(std::string(t.en) + kEnding, std::string(t.fr) + kEnding);
  forms.emplace_back(std::string(kCompleted.en) + kPointsMissed.en + kEnding,
                     std::string(kCompleted.fr) + kPointsMissed.fr + kEnding);
  for (const auto& [en, fr] : forms)
    if (label == en || label == fr) return french ? fr : en;
  return label;
}

}  // namespace

void MainWindowModel::SetupClosed(bool languageChanged) {
  if (languageChanged) {
    if (CaptionsInEnglish(settings_.language))
      SetEnglish();
    else
      SetFrench();
    if (labelIsRefusal_ && !choices_.lblRESULTS.empty())
      choices_.lblRESULTS = messages_.pick(results_label::kRefused);
    else
      choices_.lblRESULTS =
          ResultsLabelIn(choices_.lblRESULTS, MessagesInFrench(settings_.language));
  }
  run_.zoneLabel.clear();
  helpEnabled_ = PathExists(settings_.pdfReader);
}

void MainWindowModel::TextFileOptionsClosed() {}

void MainWindowModel::removeKeyboardFile() {
  std::string file = settings_.workDir + workfiles::kKeyboardFile;
  if (auto found = FindIgnoringCase(file)) {
    std::error_code ec;
    std::filesystem::remove(*found, ec);
  }
  keyboardFile_ = KeyboardFile(settings_);
}

void MainWindowModel::setProgress(int value) {
  progress_ = value;
  if (progressObserver_) progressObserver_(value);
}

void MainWindowModel::CancelProcess() {
  control_.Cancel();
  setProgress(progress::kCancelled);
}

void MainWindowModel::refused() {
  choices_.lblRESULTS = messages_.pick(results_label::kRefused);
  labelIsRefusal_ = true;
  choices_.comPROCESS.enabled = true;
  messages_.setBusyPointer(false);
}

void MainWindowModel::refuse(const Refusal& refusal) {
  messages_.critical(messages_.pick(refusal.title), RefusalText(refusal, messages_.french()));
  refused();
}

ProcessResult MainWindowModel::errorPath() {
  DiscardStagedFiles(run_);
  messages_.critical(titles::kError, kProcessError);
  choices_.lblRESULTS = messages_.pick(results_label::kRefused);
  labelIsRefusal_ = true;
  choices_.comPROCESS.enabled = true;
  choices_.comVIEW.enabled = false;
  // A bar left at its last step would look like a run still going.
  setProgress(progress::kCancelled);
  messages_.setBusyPointer(false);
  if (messages_.logFilesOpen()) messages_.CloseLogFiles();
  return ProcessResult::Error;
}

ProcessResult MainWindowModel::Process() {
  if (running_) return ProcessResult::Refused;
  running_ = true;
  ProcessResult result;
  try {
    result = process();
  } catch (const std::exception&) {
    result = errorPath();
  }
  cancelVisible_ = false;
  if (run_.errCount() > 0) {
    viewErrorEnabled_ = true;
    viewLogEnabled_ = true;
  } else {
    run_.ResetErrCount(run_.errCount());
  }
  pointsLeftOut_ = pointsLeftOut_ || (result == ProcessResult::Completed && run_.errCount() > 0);
  running_ = false;
  return result;
}

// PROCESS: one conversion from the choices on show.
ProcessResult MainWindowModel::process() {
  clearPreviousRun();
  std::optional<ProcessRequest> request = checkChoices();
  if (!request) return ProcessResult::Refused;

  // One run at a time in an installation: its work files and marker are
  // shared. Held from here to the end of PROCESS.
  RunLock lock;
  if (!lock.Acquire(settings_, messages_, names_.inputFile)) {
    refused();
    return ProcessResult::Refused;
  }
  if (!removePreviousFiles(*request)) return ProcessResult::Refused;
  prepareRunState(*request);
  if (!startRun()) return errorPath();

  RunContext ctx{settings_, messages_, run_, extraTexts_};
  const DispatchOutcome outcome = runRoute(ctx);
  return reportOutcome(outcome, *request, ctx);
}

// A fresh counter and cancel flag.
void MainWindowModel::clearPreviousRun() {
  run_.ResetErrCount(0);
  run_.ResetCounts();
  DiscardStagedFiles(run_);
  viewErrorEnabled_ = false;
  viewLogEnabled_ = false;
  pointsLeftOut_ = false;
  control_.ClearCancel();
  // Nothing of the previous run stays on show: its label, View and bar.
  choices_.comVIEW.enabled = false;
  choices_.lblRESULTS.clear();
  labelIsRefusal_ = false;
  if (progress_ != progress::kCancelled) setProgress(progress::kCancelled);
}

// The choices and file names as a request; empty after the refusal is shown.
std::optional<ProcessRequest> MainWindowModel::checkChoices() {
  if (auto refusal = CheckDelimiter(settings_)) {
    refuse(*refusal);
    return std::nullopt;
  }
  messages_.setBusyPointer(true);
  choices_.comVIEW.enabled = false;
  choices_.lblRESULTS.clear();
  choices_.comPROCESS.enabled = false;

  ProcessRequest request;
  request.fromDatum = choices_.fromDatum();
  request.fromForm = choices_.fromForm();
  request.toDatum = choices_.toDatum();
  request.toForm = choices_.toForm();
  request.inputFromKeyboard = choices_.chkKEYBOARD.checked;
  if (keyboardFile_.empty()) keyboardFile_ = KeyboardFile(settings_);
  request.keyboardFile = keyboardFile_;
  request.boxes.inputFromFile = choices_.chkIN_FILE.checked;
  request.boxes.inputText = choices_.txtIN_FILE.text;
  request.boxes.report = choices_.chkREP_FILE.checked;
  request.boxes.reportText = choices_.txtOUT_FILE.text;
  request.boxes.data = choices_.chkTXT_FILE.checked;
  request.boxes.accuracy = choices_.chkACC_FILE.checked;

  names_ = MakeRunFileNames(settings_, request.boxes);
  // The keyboard window's file is the input of a keyboard run.
  if (request.inputFromKeyboard) names_.inputFile = keyboardFile_;
  if (auto refusal = CheckRequest(request, names_)) {
    refuse(*refusal);
    return std::nullopt;
  }
  // Names go into answer files one per line.
  if (!CheckFileNameCharacters({names_.inputFile, names_.reportFile}, messages_)) {
    refused();
    return std::nullopt;
  }
  return request;
}

// The previous run's files go, and the result folders must take new ones
// before any program runs. False after the refusal is shown.
bool MainWindowModel::removePreviousFiles(const ProcessRequest& request) {
  OldFilesRequest old;
  old.names = names_;
  old.inputFromKeyboard = request.inputFromKeyboard;
  old.keyboardFile = keyboardFile_;
  old.dataRequested = request.boxes.report && request.boxes.data;
  old.accuracyRequested = request.boxes.report && request.boxes.accuracy;
  if (!RemoveOldRunFiles(settings_, messages_, old)) {
    refused();
    return false;
  }
  if (!CheckResultFolders({names_.reportFile, names_.dataFile, names_.accuracyFile}, messages_)) {
    refused();
    return false;
  }
  return true;
}

// The run's state: datums, forms, file names and the UTM zone it works with.
void MainWindowModel::prepareRunState(const ProcessRequest& request) {
  run_.fromDatum = request.fromDatum;
  run_.fromForm = request.fromForm;
  run_.toDatum = request.toDatum;
  run_.toForm = request.toForm;
  run_.inputFile = names_.inputFile;
  run_.reportFile = names_.reportFile;
  run_.dataFile = names_.dataFile;
  run_.newFile.clear();
  run_.zoneLabel.clear();
  bool zoneFromFile = request.boxes.inputFromFile && request.fromForm == CoordForm::XY;
  // A keyboard UTM run keeps the zone the keyboard window took from its points.
  bool zoneFromKeyboard = !request.boxes.inputFromFile && request.fromForm == CoordForm::XY &&
                          settings_.utmZone != UtmZone::None;
  if (!zoneFromKeyboard) BeginRunUtmZone(settings_, zoneFromFile);
  run_.zoneRemark = zoneFromFile ? kZoneFromFile : kZoneFromUser;
}

// Progress, Cancel, the report's module line and the log files. False when
// the log files cannot be opened.
bool MainWindowModel::startRun() {
  setProgress(progress::kStarted);
  cancelVisible_ = true;
  run_.gridFile.clear();
  run_.modulesLine = ModulesLine();
  return !settings_.extentLogging || messages_.OpenLogFiles();
}

// The route. Results are written under temporary names until it all
// succeeded; anything short of completion discards them.
DispatchOutcome MainWindowModel::runRoute(RunContext& ctx) {
  run_.stageResults = true;
  messages_.setSettingsErrorsStopRun(true);
  DispatchOutcome outcome;
  try {
    outcome = services_.dispatch ? services_.dispatch(ctx, control_) : DispatchOutcome{};
  } catch (...) {
    messages_.setSettingsErrorsStopRun(false);
    throw;
  }
  messages_.setSettingsErrorsStopRun(false);
  if (outcome.result != DispatchResult::Completed) DiscardStagedFiles(run_);
  return outcome;
}

// The outcome: the results label, View and the progress bar.
ProcessResult MainWindowModel::reportOutcome(const DispatchOutcome& outcome,
                                             const ProcessRequest& request, RunContext& ctx) {
  ProcessResult result = ProcessResult::NotCompleted;
  switch (outcome.result) {
    case DispatchResult::Completed: {
      if (outcome.row && outcome.row->copiesOrvandelFiles() && services_.copyOrvandelFiles &&
          !services_.copyOrvandelFiles(ctx))
        return errorPath();
      const bool lumbrixRan = outcome.row && outcome.row->runsLumbrix();
      if (request.boxes.report && request.boxes.accuracy &&
          SaveAccuracyFile(messages_, run_, lumbrixRan, names_.accuracyFile) ==
              AccuracyResult::CopyFailed)
        return errorPath();
      if (!CommitStagedFiles(run_, messages_)) {
        choices_.comVIEW.enabled = false;
        choices_.lblRESULTS = messages_.pick(results_label::kNotCompleted) + results_label::kEnding;
        setProgress(progress::kCancelled);
        result = ProcessResult::NotCompleted;
        break;
      }
      choices_.comVIEW.enabled = true;
      bool missed = services_.pointsMissed && services_.pointsMissed(run_);
      pointsLeftOut_ = missed;
      choices_.lblRESULTS =
          messages_.pick(results_label::kCompleted) +
          (missed ? messages_.pick(results_label::kPointsMissed) : std::string()) +
          results_label::kEnding;
      result = ProcessResult::Completed;
      break;
    }
    case DispatchResult::Failed:
    case DispatchResult::Cancelled: {
      choices_.comVIEW.enabled = false;
      bool cancelled = outcome.result == DispatchResult::Cancelled || control_.cancelled();
      choices_.lblRESULTS =
          messages_.pick(cancelled ? results_label::kCancelled : results_label::kNotCompleted) +
          results_label::kEnding;
      setProgress(progress::kCancelled);
      result = ProcessResult::NotCompleted;
      break;
    }
    case DispatchResult::NotSupported:
      choices_.comVIEW.enabled = false;
      if (choices_.lblRESULTS.empty())
        choices_.lblRESULTS = messages_.pick(results_label::kNotSupported) + results_label::kEnding;
      result = ProcessResult::NotSupported;
      break;
    case DispatchResult::MissingTransformFiles:
      choices_.comVIEW.enabled = false;
      if (choices_.lblRESULTS.empty()) {
        choices_.lblRESULTS = messages_.pick(results_label::kRefused);
        labelIsRefusal_ = true;
      }
      setProgress(progress::kCancelled);
      result = ProcessResult::NotCompleted;
      break;
  }
  messages_.setBusyPointer(false);
  choices_.comPROCESS.enabled = true;
  if (settings_.extentLogging) messages_.CloseLogFiles();
  return result;
}

}  // namespace kartovex
