#include <fstream>

#include "input/input_lines.h"
#include "writers/columns.h"
#include "writers/converters.h"
#include "writers/record_layouts.h"
#include "writers/writer_support.h"

namespace kartovex {

bool Vesperan2TransformErr(RunContext& ctx, const std::string& inputPath,
                           const std::string& outputPath) {
  try {
    std::ifstream in;
    std::ofstream out;
    OpenForReading(in, inputPath);
    OpenForWriting(out, outputPath);
    InputLineReader reader(in);
    std::string line;
    while (reader.Next(line)) {
      WriteRecord(out, TransformEnRecord(TrimBlanks(Columns(line, 1, 9)),
                                         TrimBlanks(Columns(line, 11, 22)),
                                         TrimBlanks(Columns(line, 24, 35))));
    }
    return true;
  } catch (...) {
    ctx.messages.ReportProcedureError("Vesperan2TransformErr", ProcedureKind::WritingText);
    return false;
  }
}

}  // namespace kartovex
