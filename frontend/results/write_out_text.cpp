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
#include "writers/writer_support.h"

namespace kartovex {

namespace {

enum class Mode {
  XyMap, UtmGhost, LlGhost, NewFile, Quillon27Ll, Quillon27En, Quillon27Xy,
  TransformLl, TransformEn, TransformXy
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

struct Range {
  std::size_t first;
  std::size_t last;
  std::size_t width() const { return last - first + 1; }
};

struct GeoLayout {
  Range id, latDeg, latMin, latSec, lonDeg, lonMin, lonSec;
};

constexpr GeoLayout kLlGhost{{7, 15}, {41, 42}, {44, 45}, {46, 53}, {57, 58}, {60, 61}, {62, 69}};
constexpr GeoLayout kNewFile{{7, 15}, {41, 42}, {44, 45}, {47, 54}, {57, 58}, {60, 61}, {63, 70}};
constexpr GeoLayout kTrnGhst{{10, 18}, {41, 42}, {44, 45}, {46, 53}, {57, 58}, {60, 61}, {62, 69}};

GeoLayout Quillon27Layout(const ProvinceSetting& province) {
  const std::size_t k = Quillon27ColumnShift(province);
  return {{125 + k, 132 + k}, {95 + k, 96 + k},   {98 + k, 99 + k},  {101 + k, 108 + k},
          {110 + k, 111 + k}, {113 + k, 114 + k}, {116 + k, 123 + k}};
}

// Fields are cut as views of the line; each is copied once, into the point.
std::string_view Cut(std::string_view line, Range r) { return ColumnsView(line, r.first, r.last); }
std::string Removed(std::string_view line, Range r) { return std::string(RemoveBlanksView(Cut(line, r))); }
std::string Trimmed(std::string_view line, std::size_t first, std::size_t last) {
  return std::string(TrimBlanksView(ColumnsView(line, first, last)));
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
    ctx_.messages.critical(ctx_.messages.pick(titles::kFileError), ctx_.messages.french() ? fr : en);
  }

  LineResult Read(const std::string& line, long lineIndex) {
    switch (mode_) {
      case Mode::XyMap: return Grid(line, {1, 9}, {24, 35}, {11, 22});
      case Mode::Quillon27En: return Grid(line, {1, 8}, {10, 20}, {22, 32});
      case Mode::TransformEn: return Grid(line, {1, 9}, {23, 35}, {10, 22});
      case Mode::LlGhost: return Geo(line, kLlGhost);
      case Mode::NewFile: return Geo(line, kNewFile);
      case Mode::TransformLl: return Geo(line, kTrnGhst);
      case Mode::Quillon27Ll:
        if (lineIndex <= Quillon27HeaderLines(s_.province)) return {};
        return Geo(line, Quillon27Layout(s_.province));
      case Mode::Quillon27Xy: {
        if (lineIndex <= Quillon27HeaderLines(s_.province)) return {};
        const std::size_t k = Quillon27ColumnShift(s_.province);
        UtmPoint p{Trimmed(line, 125 + k, 132 + k), Trimmed(line, 58 + k, 68 + k),
                   Trimmed(line, 71 + k, 81 + k), SettingText(s_.utmZone)};
        return Data(UtmDataLine(p, s_, ctx_.extraTexts), p.id);
      }
      case Mode::UtmGhost: return UtmGhost(line);
      case Mode::TransformXy: {
        if (!table_.Accept(line)) return {};
        UtmPoint p{Trimmed(line, 1, 10), Trimmed(line, 116, 128), Trimmed(line, 103, 115),
                   Trimmed(line, 130, 131)};
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

  LineResult Grid(const std::string& line, Range id, Range east, Range north) {
    GridPoint p{Removed(line, id), Removed(line, east), Removed(line, north)};
    return Data(GridDataLine(p, s_, ctx_.extraTexts), p.id);
  }

  LineResult Geo(const std::string& line, const GeoLayout& c) {
    const std::string_view latDeg = Cut(line, c.latDeg);
    const std::string_view lonDeg = Cut(line, c.lonDeg);
    if (FieldUnreadable(latDeg, c.latDeg.width()) || FieldUnreadable(lonDeg, c.lonDeg.width())) {
      return Problem();
    }
    GeoPoint p{Removed(line, c.id),
               std::string(latDeg),
               Removed(line, c.latMin),
               SecondsWithLeadingZero(Removed(line, c.latSec)),
               std::string(lonDeg),
               Removed(line, c.lonMin),
               SecondsWithLeadingZero(Removed(line, c.lonSec))};
    return Data(GeoDataLine(p, s_, ctx_.extraTexts), p.id);
  }

  LineResult UtmGhost(const std::string& line) {
    const std::string zone = Columns(line, 51, 52);
    if (FieldUnreadable(zone, 2)) return Problem();
    if (s_.utmZone == UtmZone::None) {
      s_.utmZone = UtmZoneFromText(zone);
      ctx_.run.zoneLabel = "UTM Zone " + zone;
    }
    UtmPoint p{Removed(line, {7, 15}), Removed(line, {58, 68}), Removed(line, {70, 80}), zone};
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
                        ctx.messages.french()
                            ? "Aucun point de " + path + " n'a été converti."
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
      ctx.run.zoneRemark = "Zone calculated in vesperan and extracted from UTM_GHST.DAT output file";
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
      UtmPoint p{Trimmed(line, 1, 9), Trimmed(line, 116, 127), Trimmed(line, 104, 115),
                 Trimmed(line, 130, 131)};
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
