#pragma once
// A program directory and working directory of a test's own, with the
// stand-in console program installed under the names of the real ones.

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/settings.h"
#include "input/extra_text_table.h"
#include "input/run_context.h"
#include "input/run_state.h"
#include "messages/messages.h"
#include "messages/recording_sink.h"
#include "runner/run_protocol.h"
#include "test_files.h"
#include "test_settings.h"

namespace kartovex::routestest {

inline std::string MakeTempDir() { return testfiles::MakeTempDir("kartovex_rt"); }
using testfiles::CrLfLines;
using testfiles::Exists;
using testfiles::Placed;
using testfiles::ReadFile;
using testfiles::WriteFile;

inline std::vector<std::string> PlainLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

inline bool ProcessAlive(long pid) {
  return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

class RoutesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = MakeTempDir();
    ASSERT_FALSE(root.empty());
    testfiles::UseTestSettings(root, settings, run);
    settings.outputDir = root + "out/";
    settings.runningMarker = settings.workDir + "RUNNING.TXT";
    settings.mtmZone = MtmZone::Zone4;
    settings.gridShift77toCsrs = settings.binDir + "NB77CS.GSB";
    settings.gridShift27to83_89 = settings.binDir + "NB2783.GSB";
    run.reportDate = [] { return std::string("12/07/2026"); };
    control.waitSliceMs = 5;
    control.setProgress = [this](int v) { progressValues.push_back(v); };
    control.setResultsLabel = [this](const std::string& t) { labels.push_back(t); };
    control.pumpEvents = [this] {
      ++pumps;
      if (onPump) onPump();
    };
  }

  void TearDown() override {
    std::error_code ec;
    if (!root.empty()) std::filesystem::remove_all(root, ec);
  }

  // The stand-in program in binDir under fileName, and the three PIF files.
  void Install(const std::string& fileName) {
    std::filesystem::copy_file(KARTOVEX_FAKE_CONSOLE, settings.binDir + fileName,
                               std::filesystem::copy_options::overwrite_existing);
    for (int n = 1; n <= 3; ++n)
      WriteFile(settings.binDir + PifFileName(n), "RUN" + std::to_string(n) + ".BAT\n");
  }
  void InstallAll() {
    for (const char* name : {"vesperan", "lumbrix", "quillon27", "orvandel"}) Install(name);
  }
  // Each stand-in leaves every file its program always writes (empty unless
  // a test makes it); a test that wants one missing removes NAME.TOUCHES.
  void WritesItsOutputs() {
    WriteFile(settings.binDir + "vesperan.TOUCHES", "LL_GHOST.DAT\nUTM_GHST.DAT\nXY_MAP.DAT\n");
    WriteFile(settings.binDir + "quillon27.TOUCHES", "QUILLON27.OUT\nQUILLON27.DAT\n");
    WriteFile(settings.binDir + "orvandel.TOUCHES", "ORVANDEL.OUT\nTRN_CORD.DAT\nTRN_GHST.DAT\n");
    WriteFile(settings.binDir + "lumbrix.TOUCHES", "*.LIS\n*.NEW\n");
  }
  // What the program (lower-case name) does besides reading its answers.
  void Makes(const std::string& program, const std::string& lines) {
    WriteFile(settings.binDir + program + ".MAKES", lines);
  }
  void Sleeps(const std::string& program, long ms) {
    WriteFile(settings.binDir + program + ".SLEEP", std::to_string(ms));
  }
  // Fixture content placed in binDir for a program to copy.
  void Fixture(const std::string& name, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    WriteFile(settings.binDir + name, text);
  }
  std::vector<std::string> Started() { return PlainLines(settings.binDir + "FAKE.LOG"); }
  std::string StdinOf(const std::string& program) {
    return ReadFile(settings.binDir + program + ".STDIN");
  }
  long PidOf(const std::string& program) {
    std::ifstream in(settings.binDir + program + ".PID");
    long pid = 0;
    in >> pid;
    return pid;
  }
  std::string Marker() const { return settings.workDir + "RUNNING.TXT"; }
  void Input(const std::string& content) { WriteFile(run.inputFile, content); }

  std::string root;
  FrontEndSettings settings;
  RecordingSink sink;
  MessageService messages{settings, sink};
  RunState run{settings};
  ExtraTextTable extraTexts;
  RunContext ctx{settings, messages, run, extraTexts};
  RunControl control;
  std::vector<int> progressValues;
  std::vector<std::string> labels;
  int pumps = 0;
  std::function<void()> onPump;
};

}  // namespace kartovex::routestest
