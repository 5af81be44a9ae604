#include <fstream>
#include <utility>

#include "core/work_file_names.h"
#include "input/input_lines.h"
#include "input/line_fields.h"
#include "writers/columns.h"
#include "writers/converters.h"
#include "writers/program_records.h"
#include "writers/record_layouts.h"
#include "writers/text_record.h"
#include "writers/writer_support.h"

namespace kartovex {

namespace {

constexpr Text kProblemReading{"Problem reading the QUILLON27.OUT file.",
                               "Problèmes à lire le fichier QUILLON27.OUT."};

std::string SecondsWithPoint(std::string seconds) {
  if (!seconds.empty() && seconds[0] == '.') seconds.insert(seconds.begin(), '0');
  if (seconds.find('.') == std::string::npos) seconds += ".0";
  return seconds;
}

bool LengthsValid(const GeoFields& f) {
  auto within = [](const std::string& s, std::size_t lo, std::size_t hi) {
    return s.size() >= lo && s.size() <= hi;
  };
  return within(f.id, 1, 8) && f.latDeg.size() == 2 && f.lonDeg.size() == 2 &&
         within(f.latMin, 1, 2) && within(f.lonMin, 1, 2) && within(f.latSec, 3, 8) &&
         within(f.lonSec, 3, 8);
}

}  // namespace

bool QUILLON27toLUMBRIX(RunContext& ctx) {
  try {
    const FrontEndSettings& s = ctx.settings;
    std::ifstream in;
    std::ofstream out;
    OpenForReading(in, s.binDir + workfiles::kQuillon27Listing);
    OpenForWriting(out, s.workDir + workfiles::kQuillon27ToLumbrix);
    const std::size_t k = Quillon27ColumnShift(s.province);
    std::string line;
    for (int i = 0; i < Quillon27HeaderLines(s.province) && ReadTextLine(in, line); ++i) {
    }
    while (ReadTextLine(in, line)) {
      // An empty line holds no point (a listing may end with one).
      if (line.empty()) continue;
      PointText p = TextRecordOf(line, point_records::kQuillon27Listing, k);
      if (FieldUnreadable(p.latDeg, 2) || FieldUnreadable(p.lonDeg, 2)) {
        ctx.messages.critical(titles::kFileError, kProblemReading);
        return false;
      }
      GeoFields f;
      f.latDeg = std::move(p.latDeg);
      f.lonDeg = std::move(p.lonDeg);
      f.latMin = RemoveBlanks(p.latMin);
      f.latSec = SecondsWithPoint(RemoveBlanks(p.latSec));
      f.lonMin = RemoveBlanks(p.lonMin);
      f.lonSec = SecondsWithPoint(RemoveBlanks(p.lonSec));
      f.id = RemoveBlanks(p.id);
      if (!LengthsValid(f)) {
        ctx.messages.critical(titles::kFileError, kProblemReading);
        return false;
      }
      WriteRecord(out, LumbrixLlRecord(f));
    }
    CloseWritten(out);
    return true;
  } catch (const WriterFailure& failure) {
    WriterFailure named = failure;
    if (named.path.empty()) named.path = ctx.settings.workDir + workfiles::kQuillon27ToLumbrix;
    ShowWriterFailure(ctx, "QUILLON27toLUMBRIX", ProcedureKind::Reformatting, named);
    return false;
  } catch (...) {
    ShowReformatError(ctx, "QUILLON27toLUMBRIX");
    return false;
  }
}

}  // namespace kartovex
