#pragma once
// What every writer of the console programs' input files shares: opening
// the files, the file error message of an invalid line, rejected points and
// the run-time error path.

#include <fstream>
#include <functional>
#include <string>

#include "input/extents_check.h"
#include "input/line_problem.h"
#include "input/run_context.h"

namespace kartovex {

// A run-time error inside a writer; caught at the writer's boundary. The
// file and the system's reason, when known, go into the message.
struct WriterFailure {
  std::string path;
  std::string reason;
  bool reading = false;
};

// "The file X could not be written (reason)." or, for a file that could not
// be opened for reading, "... could not be read ..."; in French when asked.
// Empty when the failure names no reason.
std::string WriterFailureText(const WriterFailure& failure, bool french);
// The procedure's error message followed by the failure's text.
void ShowWriterFailure(RunContext& ctx, const std::string& name, ProcedureKind kind,
                       const WriterFailure& failure);

// How a writer words the file error message of an invalid line.
enum class FileErrorStyle {
  Message,              // the invalid-file message
  MessageCrLfLine,      // message, CR LF, the line
  BracketFirst,         // "[n] " message, line break, the line
  BlankBracketFirst,    // " [n] " message, line break, the line
  LineSuffix,           // message " [line n]"
  LineSuffixBlank,      // message " [line n] "
  LineSuffixBreakLine,  // message " [line n]", line break, the line
};
// Each style also names the line's faulty field and its text right after
// the message: " [line n] (field ...)", or only " (field ...)" where the
// style already puts the number in front.

// The input file path followed by " is an invalid input file." (French
// " - Format est non conforme.").
std::string InvalidFileMessage(const std::string& inputPath, bool french);

// fieldDetail is FieldDetail() of the line's problem.
std::string FileErrorText(FileErrorStyle style, const std::string& invalidMessage, long lineNumber,
                          const std::string& line, const std::string& lineBreak,
                          const std::string& fieldDetail, bool french);

// Shows the file error of an invalid line (critical, "File Error").
void ShowFileError(RunContext& ctx, FileErrorStyle style, LineLayout layout, long lineNumber,
                   const std::string& line);

// The input text file opened for reading (found ignoring case) and the
// target replaced; throws WriterFailure when either cannot be opened.
void OpenForReading(std::ifstream& in, const std::string& path);
void OpenForWriting(std::ofstream& out, const std::string& path);

// One record ended by CR LF; throws WriterFailure when the write fails.
void WriteRecord(std::ofstream& out, const std::string& record);
// Flushes and closes a written file; throws WriterFailure when the last
// writes did not reach the disk (disk full, file-size limit).
void CloseWritten(std::ofstream& out);

// Each line of the input file (found ignoring case) rewritten as one
// record of the output file; throws WriterFailure when a file cannot be
// opened or a record cannot be written.
void RewriteLines(const std::string& inputPath, const std::string& outputPath,
                  const std::function<std::string(const std::string& line)>& record);

// What a point writer makes of one line of the input text file.
enum class PointLine {
  Record,    // a record to write
  Rejected,  // out of bounds, already reported; the writer goes on
  Invalid,   // error already shown; the writer stops and fails
};

// One point's record with the id and extra text it carries.
struct PointRecord {
  std::string record;
  std::string id;
  std::string extra;
};

// The run's input text file read line by line into target: a record is
// written (and its extra text stored when kept, its origin kept in
// run.points), a rejected line skipped, an invalid line ends the writer with
// false. The lines read and not read are counted in run.counts. A file
// without points, or whose every point was rejected, gives false after a
// message naming the file. Any run-time error shows the reformatting error
// of name and gives false.
bool RunPointWriter(RunContext& ctx, const char* name, const std::string& target,
                    const std::function<PointLine(const std::string& line, long lineNumber,
                                                  PointRecord& point)>& convert);

// An out-of-bounds point (or a point the checks refuse): logged or shown,
// and counted as rejected.
// In a message box the line number follows the text unless the value
// names the line already.
void RejectPoint(RunContext& ctx, long lineNumber, const ExtentRejection& rejection,
                 const std::string& line, bool nameLine = true);

// The run-time error message of a reformatting procedure; lineDetail
// (LineDetail()) follows the text when the error belongs to a line.
void ShowReformatError(RunContext& ctx, const std::string& name,
                       const std::string& lineDetail = "");

}  // namespace kartovex
