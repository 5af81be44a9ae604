#include "writers/grid_writers.h"

#include <utility>

#include "core/work_file_names.h"
#include "input/extents_check.h"
#include "input/format_coordinate.h"
#include "input/input_lines.h"
#include "input/line_fields.h"
#include "input/point_checks.h"
#include "writers/record_layouts.h"
#include "writers/writer_support.h"

namespace kartovex {

namespace {

using GridRecord = std::string (*)(const std::string& id, const std::string& easting,
                                   const std::string& northing);

struct GridWriter {
  const char* name;
  std::string target;
  FileErrorStyle style;
  GridRecord record;
};

bool RunGridWriter(RunContext& ctx, const GridWriter& writer) {
  const FrontEndSettings& s = ctx.settings;
  const GridExtent& limits = GridExtentOf(s.extents, ctx.run.fromDatum);
  return RunPointWriter(
      ctx, writer.name, writer.target,
      [&](const std::string& line, long lineNumber, PointRecord& point) {
        auto fields = SplitGridLine(line, s);
        if (!fields) {
          ShowFileError(ctx, writer.style, LineLayout::Grid, lineNumber, line);
          return PointLine::Invalid;
        }
        // A coordinate that is no number cannot be reformatted.
        auto notANumber = [&] {
          ShowReformatError(
              ctx, writer.name,
              DescribeLine(lineNumber, line, LineLayout::Grid, s, ctx.messages.french()));
          return PointLine::Invalid;
        };
        auto east = FormatCoordinate(fields->east, s.decimalSeparator);
        auto north = FormatCoordinate(fields->north, s.decimalSeparator);
        if (!east || !north) return notANumber();
        if (!GridPointValid(fields->id, *east, *north)) {
          ShowFileError(ctx, writer.style, LineLayout::Grid, lineNumber, line);
          return PointLine::Invalid;
        }
        auto eastValue = ToNumber(*east, s.decimalSeparator);
        auto northValue = ToNumber(*north, s.decimalSeparator);
        if (!eastValue || !northValue) return notANumber();
        if (auto rejection = CheckGridExtents(*eastValue, *northValue, *east, *north, limits)) {
          RejectPoint(ctx, lineNumber, *rejection, line);
          return PointLine::Rejected;
        }
        point.record = writer.record(fields->id, *east, *north);
        point.id = fields->id;
        point.extra = std::move(fields->extra);
        return PointLine::Record;
      });
}

std::string TransformRecord(const std::string& id, const std::string& e, const std::string& n) {
  return TransformEnRecord(id, n, e);
}

std::string VesperanRecord(const std::string& id, const std::string& e, const std::string& n) {
  return VesperanEnRecord(id, n, e);
}

}  // namespace

bool IntoTransform_EN(RunContext& ctx) {
  return RunGridWriter(ctx, {"IntoTransform_EN", ctx.settings.binDir + workfiles::kProgramInput,
                             FileErrorStyle::BracketFirst, TransformRecord});
}

bool IntoQuillon27_EN(RunContext& ctx) {
  return RunGridWriter(ctx, {"IntoQuillon27_EN", ctx.settings.workDir + workfiles::kProgramInput,
                             FileErrorStyle::BlankBracketFirst, Quillon27EnRecord});
}

bool IntoVesperan_EN(RunContext& ctx) {
  return RunGridWriter(ctx, {"IntoVesperan_EN", ctx.settings.workDir + workfiles::kProgramInput,
                             FileErrorStyle::BlankBracketFirst, VesperanRecord});
}

}  // namespace kartovex
