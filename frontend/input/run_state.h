#pragma once
// What one PROCESS run knows besides the settings: the main window's
// choices, the run's file names and the rejected-point counter. The main
// window model owns it; the writers and readers receive it.

#include <functional>
#include <string>

#include "config/settings.h"

namespace kartovex {

enum class Datum { None, ATS77, NAD27, NAD83, NAD83_1989 };
enum class CoordForm { None, EN, LL, XY };

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

  std::string modulesLine = "*    Modules: ";
  std::string zoneRemark;  // joined with utmZone in the report header
  std::string zoneLabel;   // the main window's UTM zone label, when a reader sets it

  // The date of the report header; the system's short date unless replaced.
  std::function<std::string()> reportDate;

 private:
  const FrontEndSettings& settings_;
  int errCount_ = 0;
  std::string errCountText_;
};

}  // namespace kartovex
