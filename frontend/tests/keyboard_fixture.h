#pragma once
// A keyboard window model over settings with known extents, a working
// directory of its own and a recording message sink.

#include <gtest/gtest.h>

#include <string>

#include "core/settings.h"
#include "keyboard/keyboard_model.h"
#include "messages/messages.h"
#include "messages/recording_sink.h"
#include "platform/decimal_separator.h"
#include "platform_temp_dir.h"

namespace kartovex::testing {

class KeyboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparatorOverride(std::string("."));
    settings.workDir = dir.path();
    settings.inputDir = dir.path();
    settings.iniPath = dir / "KARTOVEX.INI";
    WriteFile(settings.iniPath, Ini());
    settings.province = Province::NB;
    settings.extents.latLong = {48.1, 63.7, 44.5, 69.1};
    settings.extents.ats77 = {2700000, 7700000, 2250000, 7250000};
    settings.extents.nad27 = {2700000, 7700000, 2250000, 7250000};
    settings.extents.nad83 = {2700000, 7700000, 2250000, 7250000};
  }
  void TearDown() override { SetDecimalSeparatorOverride(std::nullopt); }

  // Extents of the two Nova Scotia MTM zones (zone 5 has other limits).
  static std::string Ini() {
    std::string text;
    for (const char* zone : {"4", "5"}) {
      bool four = std::string(zone) == "4";
      text += std::string("[NS ") + zone +
              " LAT_LONG]\nNE_LAT=47.1\nNE_LON=59.6\nSW_LAT=43.3\nSW_LON=66.5\n";
      for (const char* datum : {"NAD83", "ATS77", "NAD27"}) {
        text += std::string("[NS ") + zone + " " + datum + "]\n";
        text += four ? "NE_EAST=5700000\nNE_NORTH=5250000\nSW_EAST=4250000\nSW_NORTH=4750000\n"
                     : "NE_EAST=500000\nNE_NORTH=5250000\nSW_EAST=150000\nSW_NORTH=4800000\n";
      }
    }
    return text;
  }

  void grid(const std::string& point, const std::string& x, const std::string& y) {
    model.entry.txtPOINT = point;
    model.entry.txtX = x;
    model.entry.txtY = y;
  }
  void geo(const std::string& point, const std::string& dLat, const std::string& mLat,
           const std::string& sLat, const std::string& dLon, const std::string& mLon,
           const std::string& sLon) {
    KeyboardEntry& e = model.entry;
    e.txtPOINT = point;
    e.txtDEG_LAT = dLat;
    e.txtMIN_LAT = mLat;
    e.txtSEC_LAT = sLat;
    e.txtDEG_LON = dLon;
    e.txtMIN_LON = mLon;
    e.txtSEC_LON = sLon;
  }
  std::string lastText() const {
    return sink.messages.empty() ? std::string() : sink.messages.back().text;
  }
  std::string lastTitle() const {
    return sink.messages.empty() ? std::string() : sink.messages.back().title;
  }

  TempDir dir;
  FrontEndSettings settings;
  RecordingSink sink;
  MessageService messages{settings, sink};
  KeyboardModel model{settings, messages};
};

}  // namespace kartovex::testing
