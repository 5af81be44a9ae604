#include <utility>

#include "input/line_fields.h"
#include "writers/converters.h"
#include "writers/program_records.h"
#include "writers/record_layouts.h"
#include "writers/text_record.h"
#include "writers/writer_support.h"

namespace kartovex {

bool Orvandel2Lumbrix(RunContext& ctx, const std::string& inputPath,
                      const std::string& outputPath) {
  try {
    RewriteLines(inputPath, outputPath, [](const std::string& line) {
      PointText p = TextRecordOf(line, point_records::kTransformGhost);
      GeoFields f;
      f.id = std::move(p.id);
      f.latDeg = std::move(p.latDeg);
      f.latMin = std::move(p.latMin);
      f.latSec = std::move(p.latSec);
      f.lonDeg = std::move(p.lonDeg);
      f.lonMin = std::move(p.lonMin);
      f.lonSec = std::move(p.lonSec);
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
