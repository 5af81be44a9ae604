#include "writers/utm_writers.h"

#include <fstream>

#include "input/input_lines.h"
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

constexpr Text kZonesMismatch{
    "IntoTransform_XY: An error occurred while reformatting your data (Zones mismatch)!",
    "IntoTransform_XY: Une erreur s'est produite en restructurant vos données ( Zones mal "
    "assortis)"};

std::string Record(Target program, const std::string& id, const std::string& x,
                   const std::string& y, const std::string& zone) {
  switch (program) {
    case Target::Transform:
      return TransformEnRecord(id, y, x);
    case Target::Quillon27:
      return Quillon27EnRecord(id, x, y);
    case Target::Vesperan:
      break;
  }
  return VesperanXyRecord(id, zone, x, y);
}

bool RunUtmWriter(RunContext& ctx, const UtmWriter& writer) {
  try {
    FrontEndSettings& s = ctx.settings;
    if (writer.program == Target::Quillon27) s.utmZone.clear();
    std::ifstream in;
    std::ofstream out;
    OpenForReading(in, ctx.run.inputFile);
    OpenForWriting(out, writer.target);
    InputLineReader reader(in);
    std::string line;
    std::string id, x, y, zone, extra;
    while (reader.Next(line)) {
      if (!parseUTMcoord(line, id, x, y, zone, extra, s, ctx.messages) ||
          !GridPointValid(id, x, y)) {
        ShowFileError(ctx, writer.style, reader.lineNumber(), line);
        return false;
      }
      if (s.utmZone.empty()) {
        s.utmZone = zone;
      } else if (writer.program == Target::Transform && zone != s.utmZone) {
        ctx.messages.critical(titles::kError, kZonesMismatch);
        return false;
      }
      WriteRecord(out, Record(writer.program, id, x, y, zone));
      if (s.extraText) ctx.extraTexts.StoreExtraText(extra, id);
    }
    out.close();
    WarnUnreadLines(ctx.messages, ctx.run.inputFile, reader);
    return true;
  } catch (...) {
    ShowReformatError(ctx, writer.name);
    return false;
  }
}

}  // namespace

bool IntoTransform_XY(RunContext& ctx) {
  return RunUtmWriter(ctx, {"IntoTransform_XY", ctx.settings.binDir + "INPUT.DAT",
                            FileErrorStyle::Message, Target::Transform});
}

bool IntoQuillon27_XY(RunContext& ctx) {
  return RunUtmWriter(ctx, {"IntoQuillon27_XY", ctx.settings.workDir + "INPUT.DAT",
                            FileErrorStyle::Message, Target::Quillon27});
}

bool IntoVesperan_XY(RunContext& ctx) {
  return RunUtmWriter(ctx, {"IntoVesperan_XY", ctx.settings.workDir + "INPUT.DAT",
                            FileErrorStyle::MessageCrLfLine, Target::Vesperan});
}

}  // namespace kartovex
