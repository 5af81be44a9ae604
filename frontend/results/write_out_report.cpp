#include "results/write_out_report.h"

#include <fstream>

#include "input/input_lines.h"
#include "messages/text.h"
#include "platform/paths.h"
#include "results/report_rows.h"
#include "results/report_texts.h"
#include "results/staged_files.h"
#include "writers/writer_support.h"

namespace kartovex {

namespace {

void WriteHeader(std::ofstream& out, const RunContext& ctx) {
  const FrontEndSettings& s = ctx.settings;
  const RunState& run = ctx.run;
  const std::string stars(69, '*');
  WriteRecord(out, stars);
  WriteRecord(out, "*    " + (CaptionsInEnglish(s.language) ? s.titleEnglish : s.titleFrench));
  WriteRecord(out, "*    DATE: " + (run.reportDate ? run.reportDate() : CurrentDateText()));
  WriteRecord(out, TransformationLine(run, s));
  WriteRecord(out, run.modulesLine);
  if (run.toForm == CoordForm::XY && s.utmZone != UtmZone::None) {
    WriteRecord(out, "*    " + run.zoneRemark + SettingText(s.utmZone));
  }
  if (!run.gridFile.empty()) {
    WriteRecord(out, "*    Grid file used for transformation is " + run.gridFile);
  }
  WriteRecord(out, stars);
  WriteRecord(out, "*    ");
}

// One section: its three title lines, an empty line, the heading and a row
// per line of source until the end or an empty line.
void WriteSection(std::ofstream& out, const RunContext& ctx, bool outputSection) {
  const FrontEndSettings& s = ctx.settings;
  const RunState& run = ctx.run;
  const bool french = MessagesInFrench(s.language);
  const CoordForm form = outputSection ? run.toForm : run.fromForm;
  // The path is shown as it is: on a case-sensitive file system a path put
  // in lower case would name a file that does not exist.
  const std::string& source = outputSection ? run.dataFile : run.inputFile;
  if (outputSection) {
    WriteRecord(out, (french ? "SORTIE: Fichier: " : "OUTPUT: File: ") + source);
    WriteRecord(out, (french ? "------  Système de référence géodésique: " : "------  Datum: ") +
                         ReportDatumText(run.toDatum));
    WriteRecord(out, "        Coord: " + ReportFormText(form, false, s));
  } else {
    WriteRecord(out, (french ? "DONNÉES: Fichier: " : "INPUT: File: ") + source);
    WriteRecord(out, (french ? "-------  Système de référence géodésique: " : "-----  Datum: ") +
                         ReportDatumText(run.fromDatum));
    WriteRecord(out, "       Coord: " + ReportFormText(form, true, s));
  }
  WriteRecord(out, "");
  const bool feet = outputSection ? OutputInFeet(run) : InputInFeet(run);
  WriteRecord(out, ColumnHeading(form, s.fieldOrder == "NE", feet, outputSection, french));

  std::ifstream in;
  OpenForReading(in, PathToRead(run, source));
  InputLineReader reader(in);
  std::string line;
  while (reader.Next(line)) {
    std::string row;
    if (form == CoordForm::LL) {
      row = GeographicRow(line, s);
    } else {
      auto delimited = DelimitedRow(line, form, ExtraTextColumn(form, outputSection), s);
      if (!delimited) throw WriterFailure{};
      row = *delimited;
    }
    if (!row.empty()) WriteRecord(out, row);
  }
}

}  // namespace

bool WriteOutReport(RunContext& ctx) {
  std::ofstream out;
  const std::string& target = ctx.run.reportFile;
  const ResultWriteFailure* reason = nullptr;
  ResultWriteFailure failure;
  try {
    OpenResult(out, ctx.run, target);
    WriteHeader(out, ctx);
    WriteSection(out, ctx, false);
    WriteRecord(out, "");
    WriteRecord(out, "");
    WriteSection(out, ctx, true);
    CloseResult(out, target);
    return true;
  } catch (const ResultWriteFailure& f) {
    failure = f;
    reason = &failure;
  } catch (...) {
    if (out.is_open() && !out) {
      failure = ResultWriteFailure{target, LastSystemError()};
      reason = &failure;
    }
  }
  DiscardStagedFile(ctx.run, target);
  if (reason) ShowWriteFailure(ctx.messages, reason->path, reason->reason);
  ctx.messages.ReportProcedureError("WriteOutReport", ProcedureKind::WritingReport);
  return false;
}

}  // namespace kartovex
