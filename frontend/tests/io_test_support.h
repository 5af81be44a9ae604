#pragma once
// A run of the input, writer and result procedures in a temporary program
// and working directory of its own, with recorded messages.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/settings.h"
#include "input/extra_text_table.h"
#include "input/run_context.h"
#include "input/run_state.h"
#include "messages/messages.h"
#include "messages/recording_sink.h"
#include "test_files.h"
#include "test_settings.h"

namespace kartovex::iotest {

inline std::string MakeTempDir() { return testfiles::MakeTempDir("kartovex_fe2"); }
using testfiles::Placed;
using testfiles::ReadFile;
using testfiles::WriteFile;
inline std::vector<std::string> ReadCrLfLines(const std::string& path) {
  return testfiles::CrLfLines(path);
}

// The test settings, from ATS77 East,North to NAD83 East,North.
class IoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = MakeTempDir();
    ASSERT_FALSE(root.empty());
    testfiles::UseTestSettings(root, settings, run);
    settings.titleEnglish = "KARTOVEX - Test";
    settings.titleFrench = "KARTOVEX - Essai";
    run.fromDatum = Datum::ATS77;
    run.fromForm = CoordForm::EN;
    run.toDatum = Datum::NAD83;
    run.toForm = CoordForm::EN;
  }

  void TearDown() override {
    std::error_code ec;
    if (!root.empty()) std::filesystem::remove_all(root, ec);
  }

  void Input(const std::string& content) { WriteFile(run.inputFile, content); }
  std::vector<std::string> WorkInput() { return ReadCrLfLines(settings.workDir + "INPUT.DAT"); }
  std::vector<std::string> BinInput() { return ReadCrLfLines(settings.binDir + "INPUT.DAT"); }
  std::vector<std::string> DataLines() { return ReadCrLfLines(run.dataFile); }

  // The only recorded message, or a failure.
  RecordedMessage OnlyMessage() {
    EXPECT_EQ(sink.messages.size(), 1u);
    return sink.messages.empty() ? RecordedMessage{} : sink.messages.front();
  }

  std::string root;
  FrontEndSettings settings;
  RecordingSink sink;
  MessageService messages{settings, sink};
  RunState run{settings};
  ExtraTextTable extraTexts;
  RunContext ctx{settings, messages, run, extraTexts};
};

}  // namespace kartovex::iotest
