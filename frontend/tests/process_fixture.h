#pragma once
// A main window model on a temporary installation (binDir, workDir, input
// and output directories) with a recording sink and a scripted dispatcher.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "core/settings.h"
#include "mainwindow/main_window_model.h"
#include "messages/messages.h"
#include "messages/recording_sink.h"
#include "platform/decimal_separator.h"
#include "platform_temp_dir.h"

namespace kartovex::testing {

class ProcessTest : public ::testing::Test {
 public:
  void SetUp() override {
    SetDecimalSeparatorOverride(std::string("."));
    settings.binDir = dir / "bin/";
    settings.workDir = dir / "work/";
    settings.inputDir = dir / "in/";
    settings.outputDir = dir / "out/";
    settings.runningMarker = settings.workDir + "RUNNING.TXT";
    settings.extentLogging = false;
    for (const std::string& d :
         {settings.binDir, settings.workDir, settings.inputDir, settings.outputDir})
      std::filesystem::create_directories(d);
    services.dispatch = [this](RunContext& ctx, RunControl& control) {
      ++dispatchCalls;
      seen = {ctx.run.inputFile,
              ctx.run.reportFile,
              ctx.run.dataFile,
              ctx.run.zoneRemark,
              SettingText(ctx.settings.utmZone),
              ctx.run.modulesLine,
              ctx.run.fromDatum,
              ctx.run.toForm,
              control.cancelled(),
              ctx.messages.logFilesOpen()};
      return script ? script(ctx, control) : DispatchOutcome{DispatchResult::Completed, &row};
    };
    services.copyOrvandelFiles = [this](RunContext&) {
      ++copyCalls;
      return copyResult;
    };
    services.pointsMissed = [this](const RunState&) { return missed; };
    row = *RouteRowNumber(41);
  }
  void TearDown() override { SetDecimalSeparatorOverride(std::nullopt); }

  MainWindowModel& model() {
    if (!model_) model_ = std::make_unique<MainWindowModel>(settings, messages, services);
    return *model_;
  }

  // NAD27 Lat,Long to ATS77 East,North from a text file in inputDir.
  std::string chooseTypicalRun(const std::string& inputName = "POINTS.TXT") {
    std::string input = settings.inputDir + inputName;
    WriteFile(input, "P1,45,30,0,66,30,0\n");
    auto& c = model().choices();
    c.chooseFromDatum(Datum::NAD27);
    c.chooseFromForm(CoordForm::LL);
    c.chooseToDatum(Datum::ATS77);
    c.chooseToForm(CoordForm::EN);
    c.setInputFromFile(true);
    c.typeInputFile(input);
    return input;
  }

  bool hasMessage(const std::string& title, const std::string& text) const {
    return std::any_of(sink.messages.begin(), sink.messages.end(), [&](const RecordedMessage& m) {
      return m.title == title && m.text == text;
    });
  }
  std::string allMessages() const {
    std::string out;
    for (const auto& m : sink.messages) out += "[" + m.title + "] " + m.text + "\n";
    return out;
  }

  TempDir dir;
  FrontEndSettings settings;
  RecordingSink sink;
  MessageService messages{settings, sink};
  RouteServices services;
  RouteRow row;
  std::function<DispatchOutcome(RunContext&, RunControl&)> script;
  bool copyResult = true;
  bool missed = false;
  int dispatchCalls = 0;
  int copyCalls = 0;
  // What the dispatcher was handed.
  struct Seen {
    std::string inputFile, reportFile, dataFile, zoneRemark, utmZone, modulesLine;
    Datum fromDatum = Datum::None;
    CoordForm toForm = CoordForm::None;
    bool cancelled = false;
    bool logOpen = false;
  } seen;

 private:
  std::unique_ptr<MainWindowModel> model_;
};

}  // namespace kartovex::testing
