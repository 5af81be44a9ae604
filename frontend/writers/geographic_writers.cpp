#include "writers/geographic_writers.h"

#include <optional>
#include <utility>

#include "config/central_meridian.h"
#include "core/work_file_names.h"
#include "input/extents_check.h"
#include "input/input_lines.h"
#include "input/line_fields.h"
#include "input/point_checks.h"
#include "writers/record_layouts.h"
#include "writers/writer_support.h"

namespace kartovex {

namespace {

enum class Target { Transform, Quillon27, Vesperan, Lumbrix };

struct GeoWriter {
  const char* name;
  std::string target;
  FileErrorStyle style;
  Target program;
};

bool RunGeoWriter(RunContext& ctx, const GeoWriter& writer) {
  const FrontEndSettings& s = ctx.settings;
  // Read once per file, only when a record needs it.
  std::optional<std::string> meridian;
  return RunPointWriter(
      ctx, writer.name, writer.target,
      [&](const std::string& line, long lineNumber, PointRecord& point) {
        auto fields = SplitGeoLine(line, s);
        if (!fields || !NormaliseGeoFields(*fields, s.decimalSeparator)) {
          ShowFileError(ctx, writer.style, LineLayout::Geographic, lineNumber, line);
          return PointLine::Invalid;
        }
        GeoAngles angles = CheckGeoAngles(*fields, s.decimalSeparator);
        if (angles.status == AngleStatus::NotANumber) {
          ShowReformatError(
              ctx, writer.name,
              DescribeLine(lineNumber, line, LineLayout::Geographic, s, ctx.messages.french()));
          return PointLine::Invalid;
        }
        if (angles.status != AngleStatus::Ok) {
          ShowAngleError(
              ctx.messages, angles.status,
              DescribeLine(lineNumber, line, LineLayout::Geographic, s, ctx.messages.french()));
          return PointLine::Invalid;
        }
        if (auto rejection =
                CheckGeoExtents(angles.latitude, angles.longitude, *fields, s.extents.latLong)) {
          RejectPoint(ctx, lineNumber, *rejection, line);
          return PointLine::Rejected;
        }
        switch (writer.program) {
          case Target::Transform: point.record = TransformLlRecord(*fields); break;
          case Target::Quillon27: point.record = Quillon27LlRecord(*fields); break;
          case Target::Vesperan:
            if (s.province == Province::NS && !meridian) {
              meridian = CentralMeridian(s, ctx.messages, "vesperan");
            }
            point.record =
                VesperanLlRecord(*fields, s.province == Province::NS ? *meridian : std::string());
            break;
          case Target::Lumbrix: point.record = LumbrixLlRecord(*fields); break;
        }
        point.id = fields->id;
        point.extra = std::move(fields->extra);
        return PointLine::Record;
      });
}

}  // namespace

bool intoTransform_LL(RunContext& ctx) {
  return RunGeoWriter(ctx, {"intoTransform_LL", ctx.settings.binDir + workfiles::kProgramInput,
                            FileErrorStyle::LineSuffix, Target::Transform});
}

bool IntoQuillon27_LL(RunContext& ctx) {
  return RunGeoWriter(ctx, {"IntoQuillon27_LL", ctx.settings.workDir + workfiles::kProgramInput,
                            FileErrorStyle::LineSuffix, Target::Quillon27});
}

bool IntoVesperan_LL(RunContext& ctx) {
  return RunGeoWriter(ctx, {"IntoVesperan_LL", ctx.settings.workDir + workfiles::kProgramInput,
                            FileErrorStyle::LineSuffixBlank, Target::Vesperan});
}

bool IntoLumbrix_LL(RunContext& ctx) {
  return RunGeoWriter(ctx, {"IntoLumbrix_LL", ctx.settings.workDir + workfiles::kProgramInput,
                            FileErrorStyle::LineSuffixBreakLine, Target::Lumbrix});
}

}  // namespace kartovex
