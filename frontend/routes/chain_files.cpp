#include "routes/chain_files.h"

#include "core/work_file_names.h"
#include "routes/answer_templates.h"
#include "routes/dispatch.h"
#include "runner/run_protocol.h"

namespace kartovex {

std::string StepAnswerFileName(const ChainStep& step) {
  if (step.program == Program::ORVANDEL) return kOrvandelAnswerFile;
  return AnswerFileName(step.position);
}

std::string SourcePath(const RunContext& ctx, const RouteRow& row, const ChainStep& step,
                       const std::string& override) {
  const FrontEndSettings& s = ctx.settings;
  switch (step.source) {
    case Source::WorkInput:
      if (row.acceptsOverride && !override.empty()) return override;
      return s.workDir + workfiles::kProgramInput;
    case Source::WorkInput1: return s.workDir + workfiles::kQuillon27ToLumbrix;
    case Source::BinLlGhost: return s.binDir + workfiles::kLlGhost;
    case Source::PreviousNew: return ctx.run.newFile;
    case Source::BinInput2: return s.binDir + workfiles::LowerCase(workfiles::kSecondInput);
    case Source::None: break;
  }
  return "";
}

namespace {

std::string GridPath(const FrontEndSettings& s, GridShift grid) {
  switch (grid) {
    case GridShift::Csrs: return s.gridShift77toCsrs;
    case GridShift::Nad27To83_89: return s.gridShift27to83_89;
    case GridShift::None: break;
  }
  return "";
}

}  // namespace

std::vector<std::string> StepAnswers(RunContext& ctx, const RouteRow& row, const ChainStep& step,
                                     const std::string& override) {
  const FrontEndSettings& s = ctx.settings;
  const std::string src = SourcePath(ctx, row, step, override);
  // ORVANDEL's report then names the points it could not transform.
  if (step.program == Program::ORVANDEL) ctx.run.orvandelRan = true;
  switch (step.answers) {
    case Template::V:
      return VesperanAnswers(s, step.vesperanDatum, step.vesperanInput, src, step.vesperanLayout);
    case Template::L: {
      const std::string base =
          LumbrixOutputBase(s, ctx.run.inputFile, step.source == Source::BinLlGhost);
      const std::string grid = GridPath(s, step.grid);
      ctx.run.newFile = base + workfiles::kLumbrixNew;
      ctx.run.gridFile = grid;
      return LumbrixAnswers(grid, src, step.lumbrixFlags, base);
    }
    case Template::Q: return Quillon27Answers(s, ctx.messages, step.quillon27Input, step.meridian);
    case Template::O27Ini: return Orvandel27Answers(s, ctx.messages, row.fromForm, false);
    case Template::O27Fixed: return Orvandel27Answers(s, ctx.messages, row.fromForm, true);
    case Template::O77: return Orvandel77Answers(s, step.orvandelForm, step.title, step.data);
  }
  return {};
}

void WriteSegmentFiles(RunContext& ctx, const RouteRow& row, std::size_t first,
                       const std::string& override) {
  auto chain = row.chain();
  for (std::size_t i = first; i < chain.size() && chain[i].kind == StepKind::Run; ++i) {
    const ChainStep& step = chain[i];
    const std::string answerFile = StepAnswerFileName(step);
    if (!WriteAnswerFile(ctx.settings.binDir + answerFile, StepAnswers(ctx, row, step, override)))
      throw RouteFailure{};
    if (!WriteBatchFile(ctx.settings, step.position, ProgramFile(step.program), answerFile))
      throw RouteFailure{};
  }
}

}  // namespace kartovex
