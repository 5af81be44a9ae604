#include "routes/dispatch.h"

#include "config/check_transform_files.h"
#include "messages/result_texts.h"
#include "routes/route_texts.h"

namespace kartovex {

DispatchOutcome DispatchRoute(RunContext& ctx, RunControl& control) {
  DispatchOutcome outcome;
  const RouteRow* row = FindRoute(RequestOf(ctx.run));
  // ORVANDEL's coefficient files are checked when no row matched or the
  // row runs ORVANDEL.
  if ((row == nullptr || row->runsOrvandel()) && ctx.settings.province != Province::NB &&
      !CheckTransformFiles(ctx.settings, ctx.messages)) {
    ctx.messages.critical(
        ctx.messages.pick(titles::kError),
        MissingTransformFilesText(ctx.messages.french(), SettingText(ctx.settings.province),
                                  ctx.settings.lineBreak));
    control.ResultsLabel(ctx.messages.pick(results_label::kRefused));
    control.Progress(progress::kCancelled);
    outcome.result = DispatchResult::MissingTransformFiles;
    return outcome;
  }
  if (row == nullptr) {
    control.ResultsLabel(NotSupportedText(ctx.messages.french()));
    outcome.result = DispatchResult::NotSupported;
    return outcome;
  }
  outcome.row = row;
  ctx.run.modulesLine = ModulesLine(*row);
  if (RunRoute(ctx, control, *row))
    outcome.result = DispatchResult::Completed;
  else
    outcome.result = control.cancelled() ? DispatchResult::Cancelled : DispatchResult::Failed;
  return outcome;
}

}  // namespace kartovex
