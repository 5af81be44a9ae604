// ORVANDEL's station input: the data file named in the dialogue, read by
// the station source in each layout, and the work records the stages pass on.
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "common/program_stop.h"
#include "common/run_context.h"
#include "fuzz_support.h"
#include "records/input_conversion_error.h"
#include "stations/station_records.h"
#include "stations/station_source.h"
#include "stations/work_records.h"

namespace {

template <typename Parse>
void attempt(Parse&& parse) {
  try {
    (void)parse();
  } catch (const records::InputConversionError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  // One byte picks geographic (ORVANDEL or GHOST layout) or grid input.
  const int kind = data[0] % 3;
  fuzz::writeScratch("STATIONS.DAT", data + 1, size - 1);
  std::istringstream answers(kind == 0   ? "F\nSTATIONS.DAT\n1\n"
                             : kind == 1 ? "F\nSTATIONS.DAT\n2\n"
                                         : "F\nSTATIONS.DAT\n");
  const orvandel::RunContext context{answers, fuzz::nullStream(), fuzz::scratch(), "07-DEC-2026"};
  try {
    orvandel::StationSource source(context, kind != 2);
    std::string_view view;
    long long n = 0;
    while (source.next(view)) {
      const std::string line(view);
      ++n;
      try {
        orvandel::withRecordContext(source.name(), n, [&] {
          switch (source.layout()) {
            case orvandel::StationLayout::Ghost: (void)orvandel::parseGhostRecord(line); break;
            case orvandel::StationLayout::Orvandel:
              (void)orvandel::parseOrvandelRecord(line);
              break;
            case orvandel::StationLayout::GridFile:
              (void)orvandel::parseGridFileRecord(line);
              break;
            case orvandel::StationLayout::GridKeyboard:
              (void)orvandel::parseGridKeyboardRecord(line);
              break;
          }
          return 0;
        });
      } catch (const orvandel::ProgramStop&) {
      }
      attempt([&] { return orvandel::parseGridKeyboardRecord(line); });
      attempt([&] { return orvandel::parseGeographicRecord(line); });
      attempt([&] { return orvandel::parseParameterRecord(line); });
      attempt([&] { return orvandel::parseGridRecord(line); });
    }
  } catch (const orvandel::ProgramStop&) {
  }
  return 0;
}
