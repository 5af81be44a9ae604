#include "routes/lumbrix_new_to_transform.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "input/input_lines.h"
#include "input/line_fields.h"
#include "records/field_writer.h"
#include "writers/columns.h"
#include "writers/program_records.h"
#include "writers/record_layouts.h"
#include "writers/text_record.h"
#include "writers/writer_support.h"

namespace kartovex {

namespace {

// Two digits, as ORVANDEL's fixed columns need.
std::string TwoDigits(std::string_view field) {
  std::string v = TrimBlanks(field);
  if (v.empty() || v.size() > 2 || v.find_first_not_of("0123456789") != std::string::npos)
    throw WriterFailure{};
  return v.size() == 1 ? "0" + v : v;
}

// SS.SSSSS (eight characters).
std::string Seconds(std::string_view field) {
  std::string v = TrimBlanks(field);
  char* end = nullptr;
  double s = std::strtod(v.c_str(), &end);
  if (v.empty() || end == nullptr || *end != '\0' || s < 0.0 || s >= 60.0) throw WriterFailure{};
  char text[32];
  if (std::isnan(s)) {
    std::snprintf(text, sizeof text, "%08.5f", s);
    return text;
  }
  // F8.5 with the zeros printf's "%08.5f" puts in front of one-digit seconds.
  records::putFixed(text, s, 8, 5);
  for (int i = 0; i < 8 && text[i] == ' '; ++i) text[i] = '0';
  return std::string(text, 8);
}

}  // namespace

bool LumbrixNew2Transform(RunContext& ctx, const std::string& newPath,
                          const std::string& outputPath) {
  try {
    std::ifstream in;
    std::ofstream out;
    OpenForReading(in, newPath);
    OpenForWriting(out, outputPath);
    InputLineReader reader(in);
    std::string line;
    while (reader.Next(line)) {
      if (TrimBlanks(line).empty()) continue;
      const PointText p = TextRecordOf(line, point_records::kLumbrixNew);
      GeoFields f;
      f.id = TrimBlanks(p.id);
      f.latDeg = TwoDigits(p.latDeg);
      f.latMin = TwoDigits(p.latMin);
      f.latSec = Seconds(p.latSec);
      f.lonDeg = TwoDigits(p.lonDeg);
      f.lonMin = TwoDigits(p.lonMin);
      f.lonSec = Seconds(p.lonSec);
      WriteRecord(out, TransformLlRecord(f));
    }
    CloseWritten(out);
    return true;
  } catch (const WriterFailure& failure) {
    WriterFailure named = failure;
    if (named.path.empty()) named.path = outputPath;
    ShowWriterFailure(ctx, "LumbrixNew2Transform", ProcedureKind::Reformatting, named);
    return false;
  } catch (...) {
    ShowReformatError(ctx, "LumbrixNew2Transform");
    return false;
  }
}

}  // namespace kartovex
