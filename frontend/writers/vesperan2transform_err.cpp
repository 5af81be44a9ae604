#include "writers/columns.h"
#include "writers/converters.h"
#include "writers/record_layouts.h"
#include "writers/writer_support.h"

namespace kartovex {

bool Vesperan2TransformErr(RunContext& ctx, const std::string& inputPath,
                           const std::string& outputPath) {
  try {
    RewriteLines(inputPath, outputPath, [](const std::string& line) {
      return TransformEnRecord(TrimBlanks(Columns(line, 1, 9)), TrimBlanks(Columns(line, 11, 22)),
                               TrimBlanks(Columns(line, 24, 35)));
    });
    return true;
  } catch (const WriterFailure& failure) {
    ShowWriterFailure(ctx, "Vesperan2TransformErr", ProcedureKind::WritingText, failure);
    return false;
  } catch (...) {
    ctx.messages.ReportProcedureError("Vesperan2TransformErr", ProcedureKind::WritingText);
    return false;
  }
}

}  // namespace kartovex
