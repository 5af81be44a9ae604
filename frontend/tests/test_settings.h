#pragma once
// The settings and run a front-end test starts from, in a directory of its
// own.

#include <filesystem>
#include <ostream>
#include <string>

#include "core/settings.h"
#include "input/run_state.h"

namespace kartovex {

// A failed comparison of a setting shows its text ("NS", "FRENCH", "20").
template <class E>
void PrintTo(const IniChoice<E>& choice, std::ostream* os) {
  *os << '"' << SettingText(choice) << '"';
}

}  // namespace kartovex

namespace kartovex::testfiles {

// Program directory root + "bin/" and working directory root + "work/" (both
// made), "." separator, comma delimiter, EN order, New Brunswick, UTM zone 19,
// extent logging off, wide extents; the run's IN.TXT, OUT.TXT and OUT.REP in
// root.
inline void UseTestSettings(const std::string& root, FrontEndSettings& settings, RunState& run) {
  settings.binDir = root + "bin/";
  settings.workDir = root + "work/";
  std::filesystem::create_directories(settings.binDir);
  std::filesystem::create_directories(settings.workDir);
  settings.extentLogging = false;
  settings.delimiter = ",";
  settings.fieldOrder = "EN";
  settings.decimalSeparator = ".";
  settings.province = Province::NB;
  settings.utmZone = UtmZone::Zone19;
  for (GridExtent* g : {&settings.extents.ats77, &settings.extents.nad27, &settings.extents.nad83})
    *g = GridExtent{3000000.0, 8000000.0, 1000000.0, 6000000.0};
  settings.extents.latLong = GeographicExtent{48.0, 63.0, 43.0, 70.0};
  run.inputFile = root + "IN.TXT";
  run.dataFile = root + "OUT.TXT";
  run.reportFile = root + "OUT.REP";
}

}  // namespace kartovex::testfiles
