#include "writers/writer_support.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "input/input_lines.h"
#include "platform/paths.h"

namespace kartovex {

std::string InvalidFileMessage(const std::string& inputPath, bool french) {
  return inputPath + (french ? " - Format est non conforme." : " is an invalid input file.");
}

std::string FileErrorText(FileErrorStyle style, const std::string& message, long lineNumber,
                          const std::string& line, const std::string& lineBreak,
                          const std::string& fieldDetail, bool french) {
  const std::string n = std::to_string(lineNumber);
  const std::string detail = " " + LineTag(lineNumber, french) + fieldDetail;
  switch (style) {
    case FileErrorStyle::Message: return message + detail;
    case FileErrorStyle::MessageCrLfLine: return message + detail + "\r\n" + line;
    case FileErrorStyle::BracketFirst:
      return "[" + n + "] " + message + fieldDetail + lineBreak + line;
    case FileErrorStyle::BlankBracketFirst:
      return " [" + n + "] " + message + fieldDetail + lineBreak + line;
    case FileErrorStyle::LineSuffix: return message + detail;
    case FileErrorStyle::LineSuffixBlank: return message + detail + " ";
    case FileErrorStyle::LineSuffixBreakLine: return message + detail + lineBreak + line;
  }
  return message + detail;
}

void ShowFileError(RunContext& ctx, FileErrorStyle style, LineLayout layout, long lineNumber,
                   const std::string& line) {
  const bool french = ctx.messages.french();
  const std::string message = InvalidFileMessage(ctx.run.inputFile, french);
  const std::string field =
      FieldDetail(FindLineProblem(line, layout, ctx.settings), ctx.settings.delimiter, french);
  ctx.messages.critical(
      ctx.messages.pick(titles::kFileError),
      FileErrorText(style, message, lineNumber, line, ctx.settings.lineBreak, field, french));
}

namespace {

// The system's reason for the last failed call, when there is one.
std::string SystemReason() { return errno != 0 ? std::strerror(errno) : std::string(); }

}  // namespace

std::string WriterFailureText(const WriterFailure& failure, bool french) {
  if (failure.path.empty() || failure.reason.empty()) return {};
  if (failure.reading)
    return french ? "Le fichier " + failure.path + " n'a pas pu être lu (" + failure.reason + ")."
                  : "The file " + failure.path + " could not be read (" + failure.reason + ").";
  return french ? "Le fichier " + failure.path + " n'a pas pu être écrit (" + failure.reason + ")."
                : "The file " + failure.path + " could not be written (" + failure.reason + ").";
}

void ShowWriterFailure(RunContext& ctx, const std::string& name, ProcedureKind kind,
                       const WriterFailure& failure) {
  ctx.messages.ReportProcedureError(name, kind, WriterFailureText(failure, ctx.messages.french()));
}

void OpenForReading(std::ifstream& in, const std::string& path) {
  if (path.empty()) throw WriterFailure{};
  // Regular files only: opening a pipe or a device of that name could wait
  // for ever or never reach an end.
  auto found = FindIgnoringCase(path);
  if (!found) throw WriterFailure{path, std::strerror(ENOENT), true};
  errno = 0;
  in.open(*found, std::ios::binary);
  if (!in) throw WriterFailure{*found, SystemReason(), true};
}

void OpenForWriting(std::ofstream& out, const std::string& path) {
  errno = 0;
  out.open(path, std::ios::binary | std::ios::trunc);
  if (!out) throw WriterFailure{path, SystemReason()};
}

void WriteRecord(std::ofstream& out, const std::string& record) {
  errno = 0;
  out.write(record.data(), static_cast<std::streamsize>(record.size()));
  out.write("\r\n", 2);
  if (!out) throw WriterFailure{{}, SystemReason()};
}

void RewriteLines(const std::string& inputPath, const std::string& outputPath,
                  const std::function<std::string(const std::string& line)>& record) {
  std::ifstream in;
  std::ofstream out;
  OpenForReading(in, inputPath);
  OpenForWriting(out, outputPath);
  InputLineReader reader(in);
  std::string line;
  try {
    while (reader.Next(line)) WriteRecord(out, record(line));
    CloseWritten(out);
  } catch (WriterFailure& failure) {
    if (failure.path.empty()) failure.path = outputPath;
    throw;
  }
}

void CloseWritten(std::ofstream& out) {
  errno = 0;
  out.flush();
  const bool flushed = static_cast<bool>(out);
  const std::string reason = SystemReason();
  out.close();
  if (!flushed || !out) throw WriterFailure{{}, reason.empty() ? SystemReason() : reason};
}

void ShowNoPoints(RunContext& ctx) {
  const std::string& path = ctx.run.inputFile;
  ctx.messages.critical(
      ctx.messages.pick(titles::kFileError),
      ctx.messages.french()
          ? path + " ne contient aucun point : le fichier est vide ou sa première ligne est vide."
          : path + " holds no points: the file is empty or its first line is blank.");
}

void ShowNothingConverted(RunContext& ctx) {
  const std::string& path = ctx.run.inputFile;
  const std::string n = std::to_string(ctx.run.counts.rejected);
  ctx.messages.critical(
      ctx.messages.pick(titles::kFileError),
      ctx.messages.french()
          ? "Aucun point de " + path + " ne peut être converti : " + n + " point(s) rejeté(s)."
          : "No point of " + path + " can be converted: " + n + " point(s) rejected.");
}

bool RunPointWriter(RunContext& ctx, const char* name, const std::string& target,
                    const std::function<PointLine(const std::string& line, long lineNumber,
                                                  PointRecord& point)>& convert) {
  try {
    std::ifstream in;
    std::ofstream out;
    OpenForReading(in, ctx.run.inputFile);
    OpenForWriting(out, target);
    InputLineReader reader(in);
    std::string line;
    long written = 0;
    ctx.run.points.clear();
    while (reader.Next(line)) {
      ctx.run.counts.read = reader.lineNumber();
      PointRecord point;
      switch (convert(line, reader.lineNumber(), point)) {
        case PointLine::Invalid: return false;
        case PointLine::Rejected: continue;
        case PointLine::Record: break;
      }
      WriteRecord(out, point.record);
      ++written;
      ctx.run.points.push_back(PointOrigin{point.id, reader.lineNumber(), line});
      if (ctx.settings.extraText) ctx.extraTexts.StoreExtraText(std::move(point.extra), point.id);
    }
    CloseWritten(out);
    ctx.run.counts.read = reader.lineNumber();
    ctx.run.counts.notRead = reader.unreadLines();
    WarnUnreadLines(ctx.messages, ctx.run.inputFile, reader);
    // Nothing to convert is no conversion: the programs are not run.
    if (reader.lineNumber() == 0) {
      ShowNoPoints(ctx);
      return false;
    }
    if (written == 0) {
      ShowNothingConverted(ctx);
      return false;
    }
    return true;
  } catch (const WriterFailure& failure) {
    WriterFailure named = failure;
    if (named.path.empty()) named.path = target;
    ShowWriterFailure(ctx, name, ProcedureKind::Reformatting, named);
    return false;
  } catch (...) {
    ShowReformatError(ctx, name);
    return false;
  }
}

void RejectPoint(RunContext& ctx, long lineNumber, const ExtentRejection& rejection,
                 const std::string& line, bool nameLine) {
  ctx.messages.ReportRejectedPoint(
      lineNumber, ctx.messages.pick(rejection.message) + rejection.value,
      ctx.messages.pick(rejection.title), line,
      nameLine ? " " + LineTag(lineNumber, ctx.messages.french()) : std::string());
  ctx.run.IncrementErrCount();
  ++ctx.run.counts.rejected;
}

void ShowReformatError(RunContext& ctx, const std::string& name, const std::string& lineDetail) {
  if (lineDetail.empty()) {
    ctx.messages.ReportProcedureError(name, ProcedureKind::Reformatting);
    return;
  }
  ctx.messages.sink().setBusyPointer(false);
  ctx.messages.critical(
      ctx.messages.pick(titles::kError),
      name + ctx.messages.pick(ProcedureErrorEnding(ProcedureKind::Reformatting)) + lineDetail);
}

}  // namespace kartovex
