// The one chain executor behind every row of the route table.

#include <algorithm>

#include "platform/paths.h"
#include "results/write_out_report.h"
#include "results/write_out_text.h"
#include "routes/chain_files.h"
#include "routes/dispatch.h"
#include "routes/lumbrix_new_to_transform.h"
#include "routes/route_texts.h"
#include "writers/converters.h"

namespace kartovex {

namespace {

bool RunConverter(RunContext& ctx, Converter converter) {
  const FrontEndSettings& s = ctx.settings;
  switch (converter) {
    case Converter::Quillon27ToLumbrix: return QUILLON27toLUMBRIX(ctx);
    case Converter::Orvandel2Lumbrix:
      return Orvandel2Lumbrix(ctx, s.binDir + "Trn_ghst.dat", s.binDir + "input2.dat");
    case Converter::Vesperan2TransformErr:
      return Vesperan2TransformErr(ctx, s.binDir + "XY_MAP.DAT", s.binDir + "INPUT2.DAT");
    case Converter::NewFileToInput2:
      return LumbrixNew2Transform(ctx, ctx.run.newFile, s.binDir + "INPUT2.DAT");
    case Converter::None: break;
  }
  return false;
}

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

// The sub-route of transformNad27Nad83Csrs: route 1, 2 or 3 by the to form.
const RouteRow* SubRouteOf(const RouteRow& row) {
  switch (row.toForm) {
    case CoordForm::EN: return RouteRowNumber(1);
    case CoordForm::LL: return RouteRowNumber(2);
    default: return RouteRowNumber(3);
  }
}

}  // namespace

bool RunRoute(RunContext& ctx, RunControl& control, const RouteRow& row,
              const std::string& override) {
  try {
    const bool useOverride = row.acceptsOverride && !override.empty();
    if (!useOverride) {
      if (!row.reform || !row.reform(ctx)) return false;
      control.Progress(progress::kReformatted);
    }
    auto chain = row.chain();
    const std::size_t total = static_cast<std::size_t>(
        std::count_if(chain.begin(), chain.end(),
                      [](const ChainStep& s) { return s.kind == StepKind::Run; }));
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
          if (RunProgram(ctx.settings, ctx.messages, control, step.position,
                         ProgramName(step.program)) != RunResult::Finished)
            return false;
          control.Progress(ProgressAfterRun(++done, total));
          break;
        }
        case StepKind::Convert:
          segmentWritten = false;
          if (control.cancelled()) return false;
          if (!RunConverter(ctx, step.converter)) return false;
          break;
        case StepKind::OrvandelOutcome:
          segmentWritten = false;
          control.ResultsLabel(OrvandelOutcomeText(
              ctx.messages.french(), FileExists(ctx.settings.binDir + "trn_cord.dat")));
          control.Progress(progress::kOrvandelDone);
          break;
        case StepKind::SubRoute: {
          if (control.cancelled()) return false;
          const RouteRow* sub = SubRouteOf(row);
          // ORVANDEL leaves the file in upper or lower case: pass the one there is.
          return sub && RunRoute(ctx, control, *sub,
                                 ResolveForReading(ctx.settings.binDir + "trn_cord.dat"));
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

}  // namespace kartovex
