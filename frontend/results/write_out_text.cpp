#include "results/write_out_text.h"

#include <fstream>
#include <optional>
#include <utility>
#include <vector>

#include "core/work_file_names.h"
#include "input/input_lines.h"
#include "platform/paths.h"
#include "results/data_line.h"
#include "results/orvandel_table_lines.h"
#include "results/point_accounting.h"
#include "results/staged_files.h"
#include "writers/columns.h"
#include "writers/converters.h"
#include "writers/program_records.h"
#include "writers/text_record.h"
#include "writers/writer_support.h"

namespace kartovex {

namespace {

enum class Mode {
  XyMap,
  UtmGhost,
  LlGhost,
  NewFile,
  Quillon27Ll,
  Quillon27En,
  Quillon27Xy,
  TransformLl,
  TransformEn,
  TransformXy
};

std::optional<Mode> ModeOf(const std::string& mode) {
  if (mode == "XY_MAP") return Mode::XyMap;
  if (mode == "UTM_GHOST") return Mode::UtmGhost;
  if (mode == "LL_GHOST") return Mode::LlGhost;
  if (mode == "NEW_FILE" || mode == "NOUVEAU_FICHIER") return Mode::NewFile;
  if (mode == "QUILLON27_LL") return Mode::Quillon27Ll;
  if (mode == "QUILLON27_EN") return Mode::Quillon27En;
  if (mode == "QUILLON27_XY") return Mode::Quillon27Xy;
  if (mode == "TRANSFORM_LL") return Mode::TransformLl;
  if (mode == "TRANSFORM_EN") return Mode::TransformEn;
  if (mode == "TRANSFORM_XY") return Mode::TransformXy;
  return std::nullopt;
}

namespace pr = point_records;

std::string Removed(const std::string& field) { return std::string(RemoveBlanksView(field)); }
std::string Trimmed(const std::string& field) { return std::string(TrimBlanksView(field)); }

// A station line of ORVANDEL.OUT's to-NAD27 table.
UtmPoint Nad27Point(std::string_view line) {
  const PointText t = TextRecordOf(line, pr::kTransformNad27Line);
  return {Trimmed(t.id), Trimmed(t.easting), Trimmed(t.northing), Trimmed(t.zone)};
}

// What one source line gives: a data line, nothing, or a read problem.
struct LineResult {
  enum class Kind { Data, Skip, Problem } kind = Kind::Skip;
  std::string data;
  std::string id;
};

class TextReader {
 public:
  TextReader(RunContext& ctx, Mode mode) : ctx_(ctx), s_(ctx.settings), mode_(mode) {}

  std::string SourcePath() const {
    using namespace workfiles;
    switch (mode_) {
      case Mode::XyMap: return s_.binDir + kXyMap;
      case Mode::UtmGhost: return s_.binDir + kUtmGhost;
      case Mode::LlGhost: return s_.binDir + workfiles::kLlGhost;
      case Mode::NewFile: return ctx_.run.newFile;
      case Mode::Quillon27Ll:
      case Mode::Quillon27Xy: return s_.binDir + kQuillon27Listing;
      case Mode::Quillon27En: return s_.binDir + kQuillon27Grid;
      case Mode::TransformLl: return s_.binDir + LowerCase(kTransformGeographic);
      case Mode::TransformEn: return s_.binDir + LowerCase(kTransformGrid);
      case Mode::TransformXy: return s_.binDir + Capitalised(kOrvandelReport);
    }
    return std::string();
  }

  void ShowProblem() {
    std::string en, fr;
    switch (mode_) {
      case Mode::UtmGhost:
        en = "Problem reading the UTM_GHST.DAT file.";
        fr = "Problèmes à lire le fichier UTM_GHST.DAT.";
        break;
      case Mode::LlGhost:
        en = "Problem reading the LL_GHOST.DAT file.";
        fr = "Problèmes à lire le fichier LL_GHOST.DAT.";
        break;
      case Mode::NewFile:
        en = "Problem reading the " + ctx_.run.newFile + " file.";
        fr = "Problèmes à lire " + ctx_.run.newFile + " fichier.";
        break;
      case Mode::Quillon27Ll:
        en = "Problem reading the QUILLON27.OUT file.";
        fr = "Problèmes à lire le fichier QUILLON27.OUT.";
        break;
      default:
        en = "Problem reading the Trn_ghst.dat file.";
        fr = "Problèmes à lire le fichier Trn_ghst.dat";
        break;
    }
    ctx_.messages.critical(ctx_.messages.pick(titles::kFileError),
                           ctx_.messages.french() ? fr : en);
  }

  LineResult Read(const std::string& line, long lineIndex) {
    switch (mode_) {
      case Mode::XyMap: return Grid(TextRecordOf(line, pr::kVesperanMap));
      case Mode::Quillon27En: return Grid(TextRecordOf(line, pr::kQuillon27GridOutput));
      case Mode::TransformEn: return Grid(TextRecordOf(line, pr::kTransformGrid));
      case Mode::LlGhost: return Geo(TextRecordOf(line, pr::kVesperanGhost));
      case Mode::NewFile: return Geo(TextRecordOf(line, pr::kLumbrixNew));
      case Mode::TransformLl: return Geo(TextRecordOf(line, pr::kTransformGhost));
      case Mode::Quillon27Ll:
        if (lineIndex <= Quillon27HeaderLines(s_.province)) return {};
        return Geo(TextRecordOf(line, pr::kQuillon27Listing, Quillon27ColumnShift(s_.province)));
      case Mode::Quillon27Xy: {
        if (lineIndex <= Quillon27HeaderLines(s_.province)) return {};
        const PointText t =
            TextRecordOf(line, pr::kQuillon27Listing, Quillon27ColumnShift(s_.province));
        UtmPoint p{Trimmed(t.id), Trimmed(t.easting), Trimmed(t.northing), SettingText(s_.utmZone)};
        return Data(UtmDataLine(p, s_, ctx_.extraTexts), p.id);
      }
      case Mode::UtmGhost: return UtmGhost(line);
      case Mode::TransformXy: {
        if (!table_.Accept(line)) return {};
        UtmPoint p = Nad27Point(line);
        return Data(UtmDataLine(p, s_, ctx_.extraTexts), p.id);
      }
    }
    return {};
  }

 private:
  static LineResult Data(std::string data, std::string id) {
    return {LineResult::Kind::Data, std::move(data), std::move(id)};
  }
  static LineResult Problem() { return {LineResult::Kind::Problem, std::string(), std::string()}; }

  LineResult Grid(const PointText& t) {
    GridPoint p{Removed(t.id), Removed(t.easting), Removed(t.northing)};
    return Data(GridDataLine(p, s_, ctx_.extraTexts), p.id);
  }

  LineResult Geo(PointText t) {
    if (FieldUnreadable(t.latDeg, 2) || FieldUnreadable(t.lonDeg, 2)) return Problem();
    GeoPoint p{Removed(t.id),
               std::move(t.latDeg),
               Removed(t.latMin),
               SecondsWithLeadingZero(Removed(t.latSec)),
               std::move(t.lonDeg),
               Removed(t.lonMin),
               SecondsWithLeadingZero(Removed(t.lonSec))};
    return Data(GeoDataLine(p, s_, ctx_.extraTexts), p.id);
  }

  LineResult UtmGhost(const std::string& line) {
    PointText t = TextRecordOf(line, pr::kVesperanUtmGhost);
    if (FieldUnreadable(t.zone, 2)) return Problem();
    if (s_.utmZone == UtmZone::None) {
      s_.utmZone = UtmZoneFromText(t.zone);
      ctx_.run.zoneLabel = "UTM Zone " + t.zone;
    }
    UtmPoint p{Removed(t.id), Removed(t.easting), Removed(t.northing), std::move(t.zone)};
    return Data(UtmDataLine(p, s_, ctx_.extraTexts), p.id);
  }

  RunContext& ctx_;
  FrontEndSettings& s_;
  Mode mode_;
  OrvandelTableLines table_{false};
};

}  // namespace

namespace {

void ShowNothingConverted(RunContext& ctx) {
  const std::string& path = ctx.run.inputFile;
  ctx.messages.critical(ctx.messages.pick(titles::kFileError),
                        ctx.messages.french() ? "Aucun point de " + path + " n'a été converti."
                                              : "No point of " + path + " was converted.");
}

// After the data text file is complete: every point accounted for, at
// least one converted.
bool Accounted(RunContext& ctx, const std::vector<std::string>& ids) {
  ctx.run.counts.converted = static_cast<long>(ids.size());
  if (!AccountForPoints(ctx, ids)) return false;
  if (ids.empty()) {
    ShowNothingConverted(ctx);
    return false;
  }
  return true;
}

// The procedure error of a result text writer, after the reason of a
// failed write; the partial file is removed.
void WriterFailed(RunContext& ctx, const char* name, const ResultWriteFailure* failure) {
  DiscardStagedFile(ctx.run, ctx.run.dataFile);
  if (failure) ShowWriteFailure(ctx.messages, failure->path, failure->reason);
  ctx.messages.ReportProcedureError(name, ProcedureKind::WritingText);
}

}  // namespace

bool WriteOutText(RunContext& ctx, const std::string& modeName) {
  std::ofstream out;
  try {
    auto mode = ModeOf(modeName);
    if (!mode) throw WriterFailure{};
    TextReader reader(ctx, *mode);
    if (*mode == Mode::UtmGhost) {
      ctx.settings.utmZone = UtmZone::None;
      ctx.run.zoneRemark =
          "Zone calculated in vesperan and extracted from UTM_GHST.DAT output file";
    }
    std::ifstream in;
    OpenForReading(in, reader.SourcePath());
    OpenResult(out, ctx.run, ctx.run.dataFile);
    std::string line;
    std::vector<std::string> ids;
    long index = 0;
    while (ReadTextLine(in, line)) {
      ++index;
      // Program outputs hold no empty point lines; one at the end is no point.
      if (line.empty()) continue;
      LineResult result = reader.Read(line, index);
      if (result.kind == LineResult::Kind::Problem) {
        CloseResult(out, ctx.run.dataFile);
        reader.ShowProblem();
        return false;
      }
      if (result.kind == LineResult::Kind::Data) {
        WriteRecord(out, result.data);
        ids.push_back(std::move(result.id));
      }
    }
    CloseResult(out, ctx.run.dataFile);
    return Accounted(ctx, ids);
  } catch (const ResultWriteFailure& failure) {
    WriterFailed(ctx, "WriteOutText", &failure);
    return false;
  } catch (...) {
    const ResultWriteFailure failure{ctx.run.dataFile, LastSystemError()};
    WriterFailed(ctx, "WriteOutText", out.is_open() && !out ? &failure : nullptr);
    return false;
  }
}

bool WriteOutTextTRANSFORM_XY(RunContext& ctx) {
  std::ofstream out;
  try {
    const FrontEndSettings& s = ctx.settings;
    std::ifstream in;
    OpenForReading(in, s.binDir + workfiles::LowerCase(workfiles::kOrvandelReport));
    OpenResult(out, ctx.run, ctx.run.dataFile);
    OrvandelTableLines table(true);
    std::string line;
    std::vector<std::string> ids;
    while (ReadTextLine(in, line)) {
      if (!table.Accept(line)) continue;
      UtmPoint p = Nad27Point(line);
      WriteRecord(out, UtmDataLine(p, s, ctx.extraTexts));
      ids.push_back(p.id);
    }
    CloseResult(out, ctx.run.dataFile);
    return Accounted(ctx, ids);
  } catch (const ResultWriteFailure& failure) {
    WriterFailed(ctx, "WriteOutTextTRANSFORM_XY", &failure);
    return false;
  } catch (...) {
    const ResultWriteFailure failure{ctx.run.dataFile, LastSystemError()};
    WriterFailed(ctx, "WriteOutTextTRANSFORM_XY", out.is_open() && !out ? &failure : nullptr);
    return false;
  }
}

}  // namespace kartovex
