#include "writers/writer_support.h"

#include "platform/paths.h"

namespace kartovex {

std::string InvalidFileMessage(const std::string& inputPath, bool french) {
  return inputPath + (french ? " - Format est non conforme." : " is an invalid input file.");
}

std::string FileErrorText(FileErrorStyle style, const std::string& message, long lineNumber,
                          const std::string& line, const std::string& lineBreak) {
  const std::string n = std::to_string(lineNumber);
  switch (style) {
    case FileErrorStyle::Message:
      return message;
    case FileErrorStyle::MessageCrLfLine:
      return message + "\r\n" + line;
    case FileErrorStyle::BracketFirst:
      return "[" + n + "] " + message + lineBreak + line;
    case FileErrorStyle::BlankBracketFirst:
      return " [" + n + "] " + message + lineBreak + line;
    case FileErrorStyle::LineSuffix:
      return message + " [line " + n + "]";
    case FileErrorStyle::LineSuffixBlank:
      return message + " [line " + n + "] ";
    case FileErrorStyle::LineSuffixBreakLine:
      return message + " [line " + n + "]" + lineBreak + line;
  }
  return message;
}

void ShowFileError(RunContext& ctx, FileErrorStyle style, long lineNumber,
                   const std::string& line) {
  const std::string message = InvalidFileMessage(ctx.run.inputFile, ctx.messages.french());
  ctx.messages.critical(ctx.messages.pick(titles::kFileError),
                        FileErrorText(style, message, lineNumber, line, ctx.settings.lineBreak));
}

void OpenForReading(std::ifstream& in, const std::string& path) {
  if (path.empty()) throw WriterFailure{};
  in.open(ResolveForReading(path), std::ios::binary);
  if (!in) throw WriterFailure{};
}

void OpenForWriting(std::ofstream& out, const std::string& path) {
  out.open(path, std::ios::binary | std::ios::trunc);
  if (!out) throw WriterFailure{};
}

void WriteRecord(std::ofstream& out, const std::string& record) {
  out << record << "\r\n";
  if (!out) throw WriterFailure{};
}

void RejectPoint(RunContext& ctx, long lineNumber, const ExtentRejection& rejection,
                 const std::string& line) {
  ctx.messages.ReportRejectedPoint(lineNumber, ctx.messages.pick(rejection.message) + rejection.value,
                                   ctx.messages.pick(rejection.title), line);
  ctx.run.IncrementErrCount();
}

void ShowReformatError(RunContext& ctx, const std::string& name) {
  ctx.messages.ReportProcedureError(name, ProcedureKind::Reformatting);
}

}  // namespace kartovex
