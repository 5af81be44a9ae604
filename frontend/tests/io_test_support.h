#pragma once
// A run of the input, writer and result procedures in a temporary program
// and working directory of its own, with recorded messages.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <utility>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/settings.h"
#include "input/extra_text_table.h"
#include "input/run_context.h"
#include "input/run_state.h"
#include "messages/messages.h"
#include "messages/recording_sink.h"

namespace kartovex::iotest {

inline std::string MakeTempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/kartovex_fe2_XXXXXX";
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  const char* made = ::mkdtemp(buf.data());
  return made ? std::string(made) + "/" : std::string();
}

inline void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// The lines of a file written with CR LF line ends (false lines when a line
// lacks its CR).
inline std::vector<std::string> ReadCrLfLines(const std::string& path) {
  std::string text = ReadFile(path);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back("<no CR LF>" + text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// A fixed-column line: each text starts in its (1-based) column, blanks
// between.
inline std::string Placed(std::initializer_list<std::pair<std::size_t, std::string>> fields) {
  std::string line;
  for (const auto& [column, text] : fields) {
    if (line.size() < column - 1) line.append(column - 1 - line.size(), ' ');
    line.replace(column - 1, text.size(), text);
  }
  return line;
}

// Settings for the tests: "." separator, comma delimiter, EN order, extent
// logging off, wide extents.
class IoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = MakeTempDir();
    ASSERT_FALSE(root.empty());
    settings.binDir = root + "bin/";
    settings.workDir = root + "work/";
    std::filesystem::create_directories(settings.binDir);
    std::filesystem::create_directories(settings.workDir);
    settings.extentLogging = false;
    settings.delimiter = std::string(",");
    settings.fieldOrder = "EN";
    settings.decimalSeparator = std::string(".");
    settings.province = "NB";
    settings.utmZone = "19";
    settings.titleEnglish = "KARTOVEX - Test";
    settings.titleFrench = "KARTOVEX - Essai";
    for (GridExtent* g : {&settings.extents.ats77, &settings.extents.nad27, &settings.extents.nad83}) {
      *g = GridExtent{3000000.0, 8000000.0, 1000000.0, 6000000.0};
    }
    settings.extents.latLong = GeographicExtent{48.0, 63.0, 43.0, 70.0};
    run.inputFile = root + "IN.TXT";
    run.dataFile = root + "OUT.TXT";
    run.reportFile = root + "OUT.REP";
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
