#pragma once
// What one PROCESS run knows besides the settings: the main window's
// choices, the run's file names and the rejected-point counter. The main
// window model owns it; the writers and readers receive it.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/datum_form.h"
#include "core/settings.h"

namespace kartovex {

// The report's "Modules" line: the programs of the route after its label
// (the label alone until a route is chosen).
std::string ModulesLine(std::string_view modules = {});

// What became of the lines of the run's input file. Every line read ends
// as converted or rejected (with its line number and reason); the lines
// after an empty line are not read.
struct PointCounts {
  long read = 0;
  long converted = 0;
  long rejected = 0;
  long notRead = 0;
};

// A point written into the first program's input: its identifier, the
// number of its line in the input file and the line itself.
struct PointOrigin {
  std::string id;
  long line = 0;
  std::string text;
};

// A result file written under a temporary name beside its target and
// renamed over it only when the run succeeds.
struct StagedFile {
  std::string target;
  std::string temp;
};

// The one-line summary of the counts, English or French.
std::string CountsSummary(const PointCounts& counts, bool french);

class RunState {
 public:
  explicit RunState(const FrontEndSettings& settings);

  // Adds one to the rejected-point counter and refreshes its text.
  void IncrementErrCount();
  // Start of a run: counter back to start, text cleared.
  void ResetErrCount(int start = 0);
  int errCount() const { return errCount_; }
  // The text of the main window's error-count box (empty while 0).
  const std::string& errCountText() const { return errCountText_; }

  Datum fromDatum = Datum::None;
  CoordForm fromForm = CoordForm::None;
  Datum toDatum = Datum::None;
  CoordForm toForm = CoordForm::None;

  std::string inputFile;   // the input text file of the run
  std::string reportFile;  // .REP
  std::string dataFile;    // .TXT written by WriteOutText
  std::string newFile;     // LUMBRIX's .NEW file of the run
  std::string gridFile;    // grid-shift file used, empty when none

  std::string modulesLine = ModulesLine();
  std::string zoneRemark;  // joined with utmZone in the report header
  std::string zoneLabel;   // the main window's UTM zone label, when a reader sets it

  PointCounts counts;
  std::vector<PointOrigin> points;
  long missedPoints = 0;     // points a program left out with its reason
  bool orvandelRan = false;  // the chain ran ORVANDEL (its report names missed points)
  // PROCESS writes the result files under temporary names (see staged);
  // a writer called on its own writes its target directly.
  bool stageResults = false;
  std::vector<StagedFile> staged;
  // Back to the start of a run: counts, points and missed points cleared.
  void ResetCounts();

  // The date of the report header; the system's short date unless replaced.
  std::function<std::string()> reportDate;

 private:
  const FrontEndSettings& settings_;
  int errCount_ = 0;
  std::string errCountText_;
};

}  // namespace kartovex
