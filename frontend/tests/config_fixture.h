#pragma once
// An installation in a temporary directory: KARTOVEX.INI beside a program
// directory, the programs, data files and DATAFILE coefficient files.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>

#include "core/settings.h"
#include "messages/messages.h"
#include "messages/recording_sink.h"
#include "platform/decimal_separator.h"
#include "platform_temp_dir.h"

namespace kartovex::testing {

class Installation : public ::testing::Test {
 protected:
  void SetUp() override {
    root = dir.path().substr(0, dir.path().size() - 1);
    programDir = dir / "prog/";
    ini = programDir + "KARTOVEX.INI";
    std::string text = ReadFile(std::string(KARTOVEX_TESTDATA) + "/frontend/config/KARTOVEX.INI");
    text = std::regex_replace(text, std::regex("@ROOT@"), root);
    WriteFile(ini, text);
    for (const char* sub : {"bin/", "work/", "in/", "out/", "coeff/"})
      std::filesystem::create_directories(dir / sub);
    for (const char* file :
         {"bin/orvandel.exe", "bin/QUILLON27.EXE", "bin/Vesperan.exe", "bin/reader",
          "bin/NB2783.GSB", "bin/NB77CSRS.GSB", "bin/NS2783.GSB", "bin/NS77CSRS.GSB",
          "bin/PE2783.GSB", "bin/PE77CSRS.GSB", "coeff/TRNS2777.DAT", "coeff/TRNS7727.DAT",
          "coeff/TRPE2777.DAT", "coeff/TRPE7727.DAT"})
      WriteFile(dir / file, "x");
    ::setenv("DATAFILE", (dir / "coeff").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (dir / "xdg").c_str(), 1);
    SetDecimalSeparatorOverride(std::string("."));
    settings.iniPath = ini;
  }
  void TearDown() override { SetDecimalSeparatorOverride(std::nullopt); }

  // Replaces or removes (value absent) the line of a key in the INI file.
  void setLine(const std::string& key, const std::string& line) {
    std::string text = ReadFile(ini);
    std::regex re("(^|\n)" + std::regex_replace(key, std::regex(R"([()\[\].*+?])"), R"(\$&)") +
                  "=[^\n]*\n");
    std::string replacement = line.empty() ? "$1" : "$1" + line + "\n";
    std::string out =
        std::regex_replace(text, re, replacement, std::regex_constants::format_first_only);
    ASSERT_NE(out, text) << "no line for " << key;
    WriteFile(ini, out);
  }
  void removeKey(const std::string& key) { setLine(key, ""); }
  void setValue(const std::string& key, const std::string& value) {
    setLine(key, key + "=" + value);
  }

  bool hasText(const std::string& text) const {
    for (const auto& m : sink.messages)
      if (m.text == text) return true;
    return false;
  }
  std::string allTexts() const {
    std::string out;
    for (const auto& m : sink.messages) out += "[" + m.title + "] " + m.text + "\n";
    return out;
  }

  TempDir dir;
  std::string root;        // without trailing '/'
  std::string programDir;  // ends with '/'
  std::string ini;
  FrontEndSettings settings;
  RecordingSink sink;
  MessageService messages{settings, sink};
};

}  // namespace kartovex::testing
