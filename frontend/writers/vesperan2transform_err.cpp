#include "writers/columns.h"
#include "writers/converters.h"
#include "writers/program_records.h"
#include "writers/record_layouts.h"
#include "writers/text_record.h"
#include "writers/writer_support.h"

namespace kartovex {

bool Vesperan2TransformErr(RunContext& ctx, const std::string& inputPath,
                           const std::string& outputPath) {
  try {
    RewriteLines(inputPath, outputPath, [](const std::string& line) {
      PointText p = TextRecordOf(line, point_records::kVesperanMap);
      return TransformEnRecord(TrimBlanks(p.id), TrimBlanks(p.northing), TrimBlanks(p.easting));
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
