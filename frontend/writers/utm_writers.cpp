#include "writers/utm_writers.h"

#include <optional>
#include <utility>

#include "core/work_file_names.h"
#include "input/format_coordinate.h"
#include "input/input_lines.h"
#include "input/line_problem.h"
#include "input/parse_utm_coord.h"
#include "input/point_checks.h"
#include "writers/record_layouts.h"
#include "writers/writer_support.h"

namespace kartovex {

namespace {

enum class Target { Transform, Quillon27, Vesperan };

struct UtmWriter {
  const char* name;
  std::string target;
  FileErrorStyle style;
  Target program;
};

// The refusal of a file that mixes zones, after the writer's name.
constexpr Text kZonesMismatch{
    ": An error occurred while reformatting your data (Zones mismatch)!",
    ": Une erreur s'est produite en restructurant vos données ( Zones mal assortis)"};

// ORVANDEL and QUILLON27 take one zone for the whole run, so a file that
// mixes zones would come back with points computed in a zone they are not in.
// VESPERAN reads the zone of every record.
bool OneZonePerRun(Target program) { return program != Target::Vesperan; }

std::string Record(Target program, const std::string& id, const std::string& x,
                   const std::string& y, const std::string& zone) {
  switch (program) {
    case Target::Transform: return TransformEnRecord(id, y, x);
    case Target::Quillon27: return Quillon27EnRecord(id, x, y);
    case Target::Vesperan: break;
  }
  return VesperanXyRecord(id, zone, x, y);
}

constexpr Text kZoneText{"The following UTM zone is not 19, 20 or 21: ",
                         "La zone UTM suivante n'est pas 19, 20 ou 21 : "};
constexpr Text kZoneTitle{"Invalid Zone/File Error", "Zone non conforme/Erreur de fichier"};

// The zone of a line without the blanks around it, when it is one of the
// three UTM zones of the Maritimes.
std::optional<std::string> UtmZoneOf(const std::string& field) {
  const std::size_t begin = field.find_first_not_of(' ');
  if (begin == std::string::npos) return std::nullopt;
  const std::string zone = field.substr(begin, field.find_last_not_of(' ') - begin + 1);
  if (zone == "19" || zone == "20" || zone == "21") return zone;
  return std::nullopt;
}

bool RunUtmWriter(RunContext& ctx, const UtmWriter& writer) {
  FrontEndSettings& s = ctx.settings;
  if (writer.program == Target::Quillon27) s.utmZone = UtmZone::None;
  return RunPointWriter(
      ctx, writer.name, writer.target,
      [&](const std::string& line, long lineNumber, PointRecord& point) {
        std::string id, x, y, zoneField, extra;
        if (!parseUTMcoord(line, id, x, y, zoneField, extra, s, ctx.messages, lineNumber) ||
            !GridPointValid(id, x, y)) {
          ShowFileError(ctx, writer.style, LineLayout::Utm, lineNumber, line);
          return PointLine::Invalid;
        }
        // "abc" would otherwise reach the programs as "abc.000".
        if (!ToNumber(x, s.decimalSeparator) || !ToNumber(y, s.decimalSeparator)) {
          ShowReformatError(
              ctx, writer.name,
              DescribeLine(lineNumber, line, LineLayout::Utm, s, ctx.messages.french()));
          return PointLine::Invalid;
        }
        // A zone the programs do not know would give them nothing to project with.
        auto zone = UtmZoneOf(zoneField);
        if (!zone) {
          const std::string where =
              (ctx.messages.french() ? " (ligne " : " (line ") + std::to_string(lineNumber) + ")";
          RejectPoint(ctx, lineNumber, ExtentRejection{kZoneText, kZoneTitle, zoneField + where},
                      line, false);
          return PointLine::Rejected;
        }
        if (s.utmZone == UtmZone::None) {
          s.utmZone = UtmZoneFromText(*zone);
        } else if (OneZonePerRun(writer.program) && UtmZoneFromText(*zone) != s.utmZone) {
          const bool french = ctx.messages.french();
          LineProblem problem{4, {"Zone", "Zone"}, zoneField, false};
          ctx.messages.critical(ctx.messages.pick(titles::kError),
                                std::string(writer.name) + ctx.messages.pick(kZonesMismatch) +
                                    LineDetail(lineNumber, problem, s.delimiter, french));
          return PointLine::Invalid;
        }
        point.record = Record(writer.program, id, x, y, *zone);
        point.id = id;
        point.extra = std::move(extra);
        return PointLine::Record;
      });
}

}  // namespace

bool IntoTransform_XY(RunContext& ctx) {
  return RunUtmWriter(ctx, {"IntoTransform_XY", ctx.settings.binDir + workfiles::kProgramInput,
                            FileErrorStyle::Message, Target::Transform});
}

bool IntoQuillon27_XY(RunContext& ctx) {
  return RunUtmWriter(ctx, {"IntoQuillon27_XY", ctx.settings.workDir + workfiles::kProgramInput,
                            FileErrorStyle::Message, Target::Quillon27});
}

bool IntoVesperan_XY(RunContext& ctx) {
  return RunUtmWriter(ctx, {"IntoVesperan_XY", ctx.settings.workDir + workfiles::kProgramInput,
                            FileErrorStyle::MessageCrLfLine, Target::Vesperan});
}

}  // namespace kartovex
