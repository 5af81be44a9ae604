#pragma once
// The command line of kartovex-cli.

#include <optional>
#include <string>
#include <vector>

#include "core/settings_types.h"
#include "input/run_state.h"

namespace kartovex::cli {

struct CliOptions {
  Datum fromDatum = Datum::None;
  CoordForm fromForm = CoordForm::None;
  Datum toDatum = Datum::None;
  CoordForm toForm = CoordForm::None;
  std::string input;
  std::string report;  // empty: workDir + "OUTPUT.REP"
  bool data = false;
  bool accuracy = false;
  std::optional<Province> province;  // none: as configured
  std::optional<MtmZone> mtmZone;
  std::optional<UtmZone> utmZone;
  std::string ini;  // empty: beside the program, then the user's configuration directory
  bool french = false;
  bool yes = false;
  bool help = false;
  bool version = false;
  bool quiet = false;       // no progress, no results on success
  bool listRoutes = false;  // list the routes of --from/--to instead of running
  std::string init;         // --init DIR: lay out an installation in DIR
};

struct ParseResult {
  std::optional<CliOptions> options;
  std::string error;    // set when options is empty
  bool french = false;  // --french given: the error is in French
};

// argv without the program name.
ParseResult ParseCliArguments(const std::vector<std::string>& args);

// "ATS77:EN" and the like; false when not a datum and form of the list.
bool ParseDatumForm(const std::string& text, Datum& datum, CoordForm& form);

std::string HelpText(const std::string& programName);
// "kartovex-cli 0.1 (built 2026-12-08)".
std::string VersionText(const std::string& programName);

}  // namespace kartovex::cli
