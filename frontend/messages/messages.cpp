#include "messages/messages.h"

#include <ctime>
#include <utility>

namespace kartovex {

namespace {
const std::string kLogOpenRule(54, '~');
const std::string kCloseRule(62, '~');
}  // namespace

Text ProcedureErrorEnding(ProcedureKind kind) {
  switch (kind) {
    case ProcedureKind::Processing:
      return {": An error occurred while processing your data!",
              ": Une erreur s'est produite durant le traitement!"};
    case ProcedureKind::Reformatting:
      return {": An error occurred while reformatting your data!",
              ": Une erreur s'est produite durant le traitement!"};
    case ProcedureKind::WritingText:
      return {": An error occurred while writing your output text file!",
              ": Une erreur s'est produite durant la sauvegarde du fichier de sortie!"};
    case ProcedureKind::WritingReport:
      return {": An error occurred while writing your output report file!",
              ": Une erreur s'est produite durant la sauvegarde du fichier de sortie!"};
    case ProcedureKind::ReadingExtents:
      return {": An error occurred while reading the extents!",
              ": Une erreur s'est produite durant le traitement!"};
    case ProcedureKind::CommittingEntry:
      return {": An error occurred while committing the entry!",
              ": Une erreur s'est introduite lors de la soumission des données!"};
  }
  return {": An error occurred while processing your data!",
          ": Une erreur s'est produite durant le traitement!"};
}

std::string CurrentDateText() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  if (!localtime_r(&now, &local)) return "";
  char buf[32];
  std::size_t n = std::strftime(buf, sizeof buf, "%m/%d/%Y", &local);
  return std::string(buf, n);
}

MessageService::MessageService(const FrontEndSettings& settings, MessageSink& sink)
    : settings_(settings), sink_(sink), dateSource_(CurrentDateText) {}

MessageService::~MessageService() {
  if (log_.is_open()) log_.close();
  if (err_.is_open()) err_.close();
}

bool MessageService::french() const { return MessagesInFrench(settings_.language); }

std::string MessageService::pick(const Text& text) const {
  return kartovex::pick(text, settings_.language);
}

void MessageService::critical(const std::string& title, const std::string& text) {
  sink_.critical(title, text);
}

void MessageService::critical(const Text& title, const Text& text) {
  sink_.critical(pick(title), pick(text));
}

bool MessageService::askYesNoCritical(const std::string& title, const std::string& text) {
  return sink_.askYesNo(title, text, true);
}

bool MessageService::askYesNo(const std::string& title, const std::string& text) {
  return sink_.askYesNo(title, text, false);
}

void MessageService::information(const std::string& title, const std::string& text) {
  sink_.information(title, text);
}

void MessageService::setBusyPointer(bool busy) { sink_.setBusyPointer(busy); }

void MessageService::ReportProcedureError(const std::string& name, ProcedureKind kind,
                                          const std::string& detail) {
  sink_.setBusyPointer(false);
  std::string text = name + pick(ProcedureErrorEnding(kind));
  if (!detail.empty()) text += settings_.lineBreak + detail;
  sink_.critical(pick(titles::kError), text);
}

bool MessageService::OpenLogFiles() {
  if (!settings_.extentLogging) return true;
  if (log_.is_open() || err_.is_open()) {
    // Already open: the run cannot start cleanly, so close both and fail.
    log_.close();
    err_.close();
    return false;
  }
  log_.open(settings_.workDir + "kartovex.log", std::ios::out | std::ios::trunc);
  err_.open(settings_.workDir + "kartovex.err", std::ios::out | std::ios::trunc);
  if (!log_.is_open() || !err_.is_open()) {
    log_.close();
    err_.close();
    return false;
  }
  log_ << "\n"
       << kLogOpenRule << "\n"
       << (dateSource_ ? dateSource_() : "") << "\n"
       << kLogOpenRule << "\n";
  err_ << kLogOpenRule << "\n";
  return static_cast<bool>(log_) && static_cast<bool>(err_);
}

void MessageService::CloseLogFiles() {
  if (!settings_.extentLogging) return;
  if (log_.is_open()) {
    log_ << kCloseRule << "\n";
    log_.close();
  }
  if (err_.is_open()) {
    err_ << kCloseRule << "\n";
    err_.close();
  }
}

bool MessageService::logFilesOpen() const { return log_.is_open() && err_.is_open(); }

void MessageService::ReportRejectedPoint(long lineNumber, const std::string& message,
                                         const std::string& title, const std::string& inputLine,
                                         const std::string& boxDetail) {
  if (settings_.extentLogging && logFilesOpen()) {
    // The number as text with a leading blank for the sign, as "[ 7]".
    log_ << "[" << (lineNumber < 0 ? "" : " ") << lineNumber << "]" << message << "\n"
         << std::string(7, ' ') << title << "\n";
    err_ << inputLine << "\n";
    return;
  }
  sink_.critical(title, message + boxDetail);
}

void MessageService::WriteLogLine(const std::string& line) {
  if (log_.is_open()) log_ << line << "\n";
}

void MessageService::setDateSource(std::function<std::string()> source) {
  dateSource_ = std::move(source);
}

}  // namespace kartovex
