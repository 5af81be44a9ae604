// The one chain executor behind every row of the route table.

#include <algorithm>

#include "platform/paths.h"
#include "results/write_out_report.h"
#include "results/write_out_text.h"
#include "routes/chain_files.h"
#include "routes/dispatch.h"
#include "routes/lumbrix_new_to_transform.h"
#include "routes/route_texts.h"
#include "runner/step_failure.h"
#include "runner/work_files.h"
#include "writers/converters.h"

namespace kartovex {

namespace {

// The file a converter writes.
std::string ConverterTarget(const FrontEndSettings& s, Converter converter) {
  switch (converter) {
    case Converter::Quillon27ToLumbrix: return s.workDir + workfiles::kQuillon27ToLumbrix;
    case Converter::Orvandel2Lumbrix:
      return s.binDir + workfiles::LowerCase(workfiles::kSecondInput);
    case Converter::Vesperan2TransformErr:
    case Converter::NewFileToInput2: return s.binDir + workfiles::kSecondInput;
    case Converter::None: break;
  }
  return "";
}

bool RunConverter(RunContext& ctx, Converter converter) {
  const FrontEndSettings& s = ctx.settings;
  switch (converter) {
    case Converter::Quillon27ToLumbrix: return QUILLON27toLUMBRIX(ctx);
    case Converter::Orvandel2Lumbrix:
      return Orvandel2Lumbrix(ctx,
                              s.binDir + workfiles::Capitalised(workfiles::kTransformGeographic),
                              ConverterTarget(s, converter));
    case Converter::Vesperan2TransformErr:
      return Vesperan2TransformErr(ctx, s.binDir + workfiles::kXyMap,
                                   ConverterTarget(s, converter));
    case Converter::NewFileToInput2:
      return LumbrixNew2Transform(ctx, ctx.run.newFile, ConverterTarget(s, converter));
    case Converter::None: break;
  }
  return false;
}

// The files a program step writes: required ones must be there after it,
// all of them are removed before it starts.
struct StepOutputs {
  std::vector<std::string> required;
  std::vector<std::string> cleared;
};

StepOutputs OutputsOf(const RunContext& ctx, const ChainStep& step) {
  const FrontEndSettings& s = ctx.settings;
  const ProgramFiles& files = FilesOf(step.program);
  StepOutputs out;
  for (const char* name : files.outputs) out.required.push_back(s.binDir + name);
  if (!files.baseOutputs.empty() || files.optionalExtension) {
    const std::string base =
        LumbrixOutputBase(s, ctx.run.inputFile, step.source == Source::BinLlGhost);
    for (const char* ext : files.baseOutputs) out.required.push_back(base + ext);
    if (files.optionalExtension) out.cleared.push_back(base + files.optionalExtension);
  }
  out.cleared.insert(out.cleared.end(), out.required.begin(), out.required.end());
  // What a killed run of the program may have left half-written.
  const std::size_t outputs = out.cleared.size();
  for (std::size_t i = 0; i < outputs; ++i)
    out.cleared.push_back(out.cleared[i] + workfiles::kPartialSuffix);
  for (const char* name : files.scratch) out.cleared.push_back(s.binDir + name);
  return out;
}

// Removes a file an earlier run may have left (never the run's own input
// file); false after a message when it stays.
bool ClearOldFile(RunContext& ctx, const std::string& path) {
  const std::string& input = ctx.run.inputFile;
  if (path.empty() || (DirectoryOf(path) == DirectoryOf(input) &&
                       EqualsIgnoringCase(FileNameOf(path), FileNameOf(input))))
    return true;
  if (workfiles::RemoveFileQuietly(path)) return true;
  ctx.messages.critical(ctx.messages.pick(titles::kError),
                        ctx.messages.french() ? "EnleverFichier: " + path +
                                                    ": Le fichier antérieur ne peut être supprimé."
                                              : "RemoveFiles: " + path + ": Old file not deleted.");
  return false;
}

// Where a program stands in the whole chain, a sub-route included.
struct ChainPosition {
  int done = 0;
  int total = 0;
  std::string procedure;
};

bool WriteResultText(RunContext& ctx, const RouteRow& row) {
  switch (row.reader) {
    case ReaderKind::Mode: return WriteOutText(ctx, row.readerMode);
    case ReaderKind::NewFile:
      return WriteOutText(ctx, ctx.messages.french() ? "NOUVEAU_FICHIER" : "NEW_FILE");
    case ReaderKind::TransformXyOut: return WriteOutTextTRANSFORM_XY(ctx);
  }
  return false;
}

// Progress after the k-th of total programs.
int ProgressAfterRun(std::size_t k, std::size_t total) {
  if (total <= 1) return progress::kSingleAfterRun;
  return std::min(progress::kAfterThird, progress::kAfterFirst + 10 * static_cast<int>(k - 1));
}

int ProgramsOf(const RouteRow& row) {
  int n = 0;
  for (const ChainStep& step : row.chain()) {
    if (step.kind == StepKind::Run) ++n;
    if (step.kind == StepKind::SubRoute) {
      if (const RouteRow* sub = SubRouteOf(row)) n += ProgramsOf(*sub);
    }
  }
  return n;
}

bool RunRouteAt(RunContext& ctx, RunControl& control, const RouteRow& row,
                const std::string& override, ChainPosition& position);

}  // namespace

bool RunRoute(RunContext& ctx, RunControl& control, const RouteRow& row,
              const std::string& override) {
  ChainPosition position;
  position.total = ProgramsOf(row);
  // Like a program that cannot start, a failed program is RunProgram's report.
  position.procedure = "RunProgram";
  return RunRouteAt(ctx, control, row, override, position);
}

namespace {

bool RunRouteAt(RunContext& ctx, RunControl& control, const RouteRow& row,
                const std::string& override, ChainPosition& position) {
  try {
    const bool useOverride = row.acceptsOverride && !override.empty();
    if (!useOverride) {
      if (!row.reform || !row.reform(ctx)) return false;
      control.Progress(progress::kReformatted);
    }
    auto chain = row.chain();
    const std::size_t total = static_cast<std::size_t>(std::count_if(
        chain.begin(), chain.end(), [](const ChainStep& s) { return s.kind == StepKind::Run; }));
    std::size_t done = 0;
    bool segmentWritten = false;
    for (std::size_t i = 0; i < chain.size(); ++i) {
      const ChainStep& step = chain[i];
      switch (step.kind) {
        case StepKind::Run: {
          if (!segmentWritten) {
            WriteSegmentFiles(ctx, row, i, override);
            segmentWritten = true;
            control.Progress(total == 1 ? progress::kSingleBeforeStart
                                        : progress::kAnswerFilesWritten);
          }
          if (control.cancelled()) return false;
          const StepOutputs outputs = OutputsOf(ctx, step);
          for (const auto& path : outputs.cleared)
            if (!ClearOldFile(ctx, path)) return false;
          ProgramEnd end;
          if (RunProgram(ctx.settings, ctx.messages, control, step.position,
                         ProgramName(step.program), &end) != RunResult::Finished)
            return false;
          ++position.done;
          std::string missing;
          if (!end.failed()) {
            for (const auto& path : outputs.required) {
              if (!PathExists(path)) {
                missing = path;
                break;
              }
            }
          }
          if (end.failed() || !missing.empty()) {
            StepFailure failure{position.procedure,        position.done, position.total,
                                ProgramName(step.program), end,           missing};
            const std::string& lineBreak =
                ctx.settings.lineBreak.empty() ? std::string("\r\n") : ctx.settings.lineBreak;
            ctx.messages.critical(ctx.messages.pick(titles::kError),
                                  StepFailureText(ctx.messages.french(), failure, lineBreak));
            return false;
          }
          control.Progress(ProgressAfterRun(++done, total));
          break;
        }
        case StepKind::Convert:
          segmentWritten = false;
          if (control.cancelled()) return false;
          if (!ClearOldFile(ctx, ConverterTarget(ctx.settings, step.converter))) return false;
          if (!RunConverter(ctx, step.converter)) return false;
          break;
        case StepKind::OrvandelOutcome:
          segmentWritten = false;
          control.ResultsLabel(OrvandelOutcomeText(
              ctx.messages.french(),
              FileExists(ctx.settings.binDir + workfiles::LowerCase(workfiles::kTransformGrid))));
          control.Progress(progress::kOrvandelDone);
          break;
        case StepKind::SubRoute: {
          if (control.cancelled()) return false;
          const RouteRow* sub = SubRouteOf(row);
          // ORVANDEL leaves the file in upper or lower case: pass the one there is.
          const std::string grid = workfiles::LowerCase(workfiles::kTransformGrid);
          return sub && RunRouteAt(ctx, control, *sub,
                                   ResolveForReading(ctx.settings.binDir + grid), position);
        }
      }
    }
    if (control.cancelled()) return false;
    if (!WriteResultText(ctx, row)) return false;
    control.Progress(progress::kTextWritten);
    control.Progress(progress::kBeforeReport);
    if (!WriteOutReport(ctx)) return false;
    control.Progress(progress::kDone);
    return true;
  } catch (...) {
    ctx.messages.ReportProcedureError(row.errorName, row.errorKind);
    return false;
  }
}

}  // namespace

}  // namespace kartovex
