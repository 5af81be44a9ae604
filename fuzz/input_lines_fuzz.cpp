// The front end's input file: lines up to the first empty one, each split
// by the grid, UTM and geographic layouts with the user's delimiter.
#include <cstdint>
#include <sstream>
#include <string>

#include "core/settings.h"
#include "fuzz_support.h"
#include "input/input_lines.h"
#include "input/line_fields.h"
#include "input/line_problem.h"
#include "input/parse_utm_coord.h"
#include "messages/messages.h"
#include "messages/recording_sink.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  // One byte picks the options; the rest is the file.
  const std::uint8_t o = data[0];
  kartovex::FrontEndSettings settings;
  static const char* const delimiters[] = {",", ";", " ", "\t", "|", ":", ".", "'"};
  settings.delimiter = delimiters[o & 7];
  settings.fieldOrder = (o & 8) ? "NE" : "EN";
  settings.extraText = (o & 16) != 0;
  settings.displayExtraText = (o & 32) != 0;
  settings.decimalSeparator = (o & 64) ? "," : ".";
  settings.extentLogging = false;

  kartovex::RecordingSink sink;
  kartovex::MessageService messages(settings, sink);
  std::istringstream in(fuzz::asString(data + 1, size - 1));
  kartovex::InputLineReader reader(in);
  std::string line;
  while (reader.Next(line)) {
    (void)kartovex::SplitGridLine(line, settings);
    (void)kartovex::SplitGeoLine(line, settings);
    (void)kartovex::SplitUtmLine(line, settings);
    std::string id, x, y, zone, extra;
    (void)kartovex::parseUTMcoord(line, id, x, y, zone, extra, settings, messages,
                                  reader.lineNumber());
    for (auto layout :
         {kartovex::LineLayout::Grid, kartovex::LineLayout::Utm, kartovex::LineLayout::Geographic})
      (void)kartovex::DescribeLine(reader.lineNumber(), line, layout, settings, (o & 128) != 0);
  }
  (void)reader.emptyLineNumber();
  (void)reader.unreadLines();
  return 0;
}
