#include "input/line_fields.h"
#include "writers/columns.h"
#include "writers/converters.h"
#include "writers/record_layouts.h"
#include "writers/writer_support.h"

namespace kartovex {

bool Orvandel2Lumbrix(RunContext& ctx, const std::string& inputPath,
                      const std::string& outputPath) {
  try {
    RewriteLines(inputPath, outputPath, [](const std::string& line) {
      GeoFields f;
      f.id = Columns(line, 10, 18);
      f.latDeg = Columns(line, 41, 42);
      f.latMin = Columns(line, 44, 45);
      f.latSec = Columns(line, 46, 53);
      f.lonDeg = Columns(line, 57, 58);
      f.lonMin = Columns(line, 60, 61);
      f.lonSec = Columns(line, 62, 69);
      return LumbrixLlRecord(f);
    });
    return true;
  } catch (const WriterFailure& failure) {
    ShowWriterFailure(ctx, "Orvandel2Lumbrix", ProcedureKind::Reformatting, failure);
    return false;
  } catch (...) {
    ShowReformatError(ctx, "Orvandel2Lumbrix");
    return false;
  }
}

}  // namespace kartovex
