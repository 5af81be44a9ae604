#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "demo_extents.h"
#include "demo_ini.h"
#include "demo_test_support.h"
#include "province_outline.h"

using demo_test::Ini;

namespace {

Ini demoIni() {
  std::string text, error;
  EXPECT_TRUE(demo::iniText("/opt/demo/", text, error)) << error;
  return demo_test::parseIni(text);
}

double num(const Ini& ini, const std::string& section, const std::string& key) {
  return std::stod(ini.at(section).at(key));
}

const char* kRegions[] = {"NB", "NS 4", "NS 5", "PEI"};

}  // namespace

TEST(DemoIni, HasEveryKeyTheFrontEndReads) {
  const Ini ini = demoIni();
  const std::map<std::string, std::vector<std::string>> required = {
      {"SETUP",
       {"LANGUAGE", "Province Code", "MTM Zone", "UTM Zone", "Title String English",
        "Title String French", "Help Format", "EN order", "Delimeter", "Extra Text",
        "Display Extra Text", "Extent Logging", "Report file extension", "Input file extension"}},
      {"PATH", {"ROOT", "BIN", "WORKING", "INPUT", "OUTPUT", "EDITOR", "PDF READER"}},
      {"FILE",
       {"EDITOR", "HELP", "French HELP", "NS GRID SHIFT 77 - 83 (89)",
        "PEI GRID SHIFT 77 - 83 (89)", "NB GRID SHIFT 77 - 83 (89)", "NS GRID SHIFT 77 - 83 csrs",
        "PEI GRID SHIFT 77 - 83 csrs", "NB GRID SHIFT 77 - 83 csrs", "NB GRID SHIFT 27 - 83 (89)",
        "NS GRID SHIFT 27 - 83 (89)", "PEI GRID SHIFT 27 - 83 (89)", "Transform NS 27 to 77",
        "Transform NS 77 to 27", "Transform PEI 27 to 77", "Transform PEI 77 to 27"}}};
  for (const auto& [section, keys] : required)
    for (const auto& key : keys) {
      ASSERT_TRUE(ini.count(section) && ini.at(section).count(key)) << section << " / " << key;
      EXPECT_FALSE(ini.at(section).at(key).empty()) << key;
      EXPECT_NE(ini.at(section).at(key), "-1") << key;
    }
  EXPECT_EQ(ini.at("SETUP").at("LANGUAGE"), "ENGLISH");
  EXPECT_EQ(ini.at("SETUP").at("Province Code"), "NB");
  EXPECT_EQ(ini.at("SETUP").at("Extra Text"), "FALSE");
  EXPECT_EQ(ini.at("FILE").at("Transform NS 27 to 77"), "TRNS2777.DAT");
  EXPECT_EQ(ini.at("FILE").at("Transform NS 77 to 27"), "TRNS7727.DAT");
  EXPECT_EQ(ini.at("FILE").at("Transform PEI 27 to 77"), "TRPE2777.DAT");
  EXPECT_EQ(ini.at("FILE").at("Transform PEI 77 to 27"), "TRPE7727.DAT");
}

TEST(DemoIni, PathsAreThoseOfTheFolderWithTrailingSlash) {
  const Ini ini = demoIni();
  const auto& path = ini.at("PATH");
  EXPECT_EQ(path.at("ROOT"), "/opt/demo/");
  EXPECT_EQ(path.at("ROOT") + path.at("BIN"), "/opt/demo/BIN/");
  EXPECT_EQ(path.at("WORKING"), "/opt/demo/WORKING/");
  EXPECT_EQ(path.at("INPUT"), "/opt/demo/INPUT/");
  EXPECT_EQ(path.at("OUTPUT"), "/opt/demo/OUTPUT/");
  EXPECT_EQ(path.at("EDITOR").back(), '/');
}

TEST(DemoIni, EditorIsTheDesktopOpener) {
  // A terminal editor started from a window has no terminal and exits at
  // once; the view buttons need the desktop's opener.
  const Ini ini = demoIni();
  EXPECT_EQ(ini.at("FILE").at("EDITOR"), "xdg-open");
  const std::string folder = ini.at("PATH").at("EDITOR");
  EXPECT_TRUE(folder == "/usr/bin/" || ::access((folder + "xdg-open").c_str(), X_OK) == 0)
      << folder;
}

TEST(DemoIni, EditorFolderIsFoundOnThePath) {
  std::string dir = ::testing::TempDir() + "opener_path_" + std::to_string(::getpid()) + "/";
  std::filesystem::create_directories(dir);
  { std::ofstream(dir + "xdg-open") << "#!/bin/sh\n"; }
  std::filesystem::permissions(dir + "xdg-open", std::filesystem::perms::owner_all);
  const char* old = std::getenv("PATH");
  std::string saved = old ? old : "";
  ::setenv("PATH", ("/nowhere:" + dir + ":" + saved).c_str(), 1);
  const Ini ini = demoIni();
  ::setenv("PATH", saved.c_str(), 1);
  std::filesystem::remove_all(dir);
  EXPECT_EQ(ini.at("PATH").at("EDITOR"), dir);
}

TEST(DemoIni, NineDistinctGridFilesOneSetPerProvince) {
  const Ini ini = demoIni();
  std::set<std::string> names;
  for (const char* p : {"NB", "NS", "PEI"})
    for (const char* kind :
         {" GRID SHIFT 77 - 83 (89)", " GRID SHIFT 77 - 83 csrs", " GRID SHIFT 27 - 83 (89)"}) {
      const std::string value = ini.at("FILE").at(std::string(p) + kind);
      EXPECT_EQ(value.find('/'), std::string::npos) << "a file name in BIN, not a path";
      EXPECT_EQ(value.find(' '), std::string::npos);
      names.insert(value);
    }
  EXPECT_EQ(names.size(), 9u);
  EXPECT_EQ(demo::gridShiftFiles().size(), 9u);
}

// The keys CentralMeridian builds for each mode, province and zone.
TEST(DemoIni, EveryCentralMeridianKeyHasASensibleValue) {
  const Ini ini = demoIni();
  const auto& setup = ini.at("SETUP");
  auto value = [&](const std::string& key) {
    EXPECT_TRUE(setup.count(key)) << key;
    return setup.count(key) ? std::stod(setup.at(key)) : 0.0;
  };
  const double utmMeridian[] = {69.0, 63.0, 57.0};
  for (int zone = 19; zone <= 21; ++zone) {
    const std::string z = std::to_string(zone);
    EXPECT_EQ(value("NB Central Meridian " + z), utmMeridian[zone - 19]);
    EXPECT_EQ(value("PEI Central Meridian " + z), utmMeridian[zone - 19]);
    EXPECT_EQ(value("NS " + z + " Central Meridian transform"), utmMeridian[zone - 19]);
    EXPECT_EQ(value("NS " + z + " Central Meridian quillon27"), utmMeridian[zone - 19]);
  }
  EXPECT_EQ(value("NS 4 Central Meridian quillon27 MTM"), 61.5);
  EXPECT_EQ(value("NS 5 Central Meridian quillon27 MTM"), 64.5);
  EXPECT_GT(value("NS 21 Central Meridian"), 0);
  // Values written with a decimal point, as "69.0".
  EXPECT_EQ(setup.at("NB Central Meridian 19"), "69.0");
}

TEST(DemoIni, ExtentSectionsAreCompleteAndOrdered) {
  const Ini ini = demoIni();
  for (const char* r : kRegions) {
    const std::string ll = std::string(r) + " LAT_LONG";
    for (const char* k : {"NE_LAT", "NE_LON", "SW_LAT", "SW_LON"}) {
      const double v = num(ini, ll, k);
      EXPECT_NE(v, 0);
      EXPECT_NE(v, -1);
      EXPECT_NE(ini.at(ll).at(k).find('.'), std::string::npos);
    }
    EXPECT_GT(num(ini, ll, "NE_LAT"), num(ini, ll, "SW_LAT"));
    EXPECT_LT(num(ini, ll, "NE_LON"), num(ini, ll, "SW_LON"));  // positive west
    for (const char* d : {" NAD83", " ATS77", " NAD27"}) {
      const std::string s = std::string(r) + d;
      EXPECT_GT(num(ini, s, "NE_EAST"), num(ini, s, "SW_EAST")) << s;
      EXPECT_GT(num(ini, s, "NE_NORTH"), num(ini, s, "SW_NORTH")) << s;
      EXPECT_GT(num(ini, s, "SW_EAST"), 0) << s;
    }
  }
}

TEST(DemoIni, GeographicExtentsHoldTheOutlineWithASmallMargin) {
  const Ini ini = demoIni();
  for (size_t i = 0; i < 4; ++i) {
    const auto region = demo::allRegions()[i];
    const std::string ll = std::string(kRegions[i]) + " LAT_LONG";
    double minLat = 90, maxLat = 0, minLon = 360, maxLon = 0;
    for (const auto& p : demo::regionBoundary(region)) {
      minLat = std::min(minLat, p.lat);
      maxLat = std::max(maxLat, p.lat);
      minLon = std::min(minLon, p.lonWest);
      maxLon = std::max(maxLon, p.lonWest);
    }
    EXPECT_GT(num(ini, ll, "NE_LAT"), maxLat);
    EXPECT_LT(num(ini, ll, "NE_LAT"), maxLat + 0.1);
    EXPECT_LT(num(ini, ll, "SW_LAT"), minLat);
    EXPECT_GT(num(ini, ll, "SW_LAT"), minLat - 0.1);
    EXPECT_LT(num(ini, ll, "NE_LON"), minLon);
    EXPECT_GT(num(ini, ll, "SW_LON"), maxLon);
  }
}

// Each outline point projected by EPSG's definitions lies inside the grid
// extents, and no extent reaches more than a few km beyond the outline.
TEST(DemoIni, GridExtentsComeFromTheRealProjections) {
  const Ini ini = demoIni();
  const int nad83[] = {2953, 22338, 22337, 2954};
  const int ats77[] = {2200, 2294, 2295, 2290};
  for (size_t i = 0; i < 4; ++i) {
    const auto region = demo::allRegions()[i];
    for (auto [code, datum] : {std::pair{nad83[i], " NAD83"}, std::pair{ats77[i], " ATS77"}}) {
      demo_test::Epsg proj(code);
      ASSERT_NE(proj.op, nullptr) << code;
      const std::string s = std::string(kRegions[i]) + datum;
      double minE = 1e12, maxE = -1e12, minN = 1e12, maxN = -1e12;
      for (const auto& p : demo::regionBoundary(region)) {
        double e, n;
        proj.forward(p.lat, p.lonWest, e, n);
        minE = std::min(minE, e);
        maxE = std::max(maxE, e);
        minN = std::min(minN, n);
        maxN = std::max(maxN, n);
      }
      EXPECT_GT(num(ini, s, "NE_EAST"), maxE) << s;
      EXPECT_LT(num(ini, s, "NE_EAST"), maxE + 2200) << s;
      EXPECT_LT(num(ini, s, "SW_EAST"), minE) << s;
      EXPECT_GT(num(ini, s, "SW_EAST"), minE - 2200) << s;
      EXPECT_GT(num(ini, s, "NE_NORTH"), maxN) << s;
      EXPECT_LT(num(ini, s, "NE_NORTH"), maxN + 2200) << s;
      EXPECT_LT(num(ini, s, "SW_NORTH"), minN) << s;
      EXPECT_GT(num(ini, s, "SW_NORTH"), minN - 2200) << s;
    }
  }
}

// The NAD27 grids are the ATS77 ones in feet about their own false origins
// (the datums differ by some tens of metres, far less than the margin).
TEST(DemoIni, Nad27ExtentsAreInFeet) {
  const Ini ini = demoIni();
  const double ft = 3.280839895013123;
  struct Origin {
    const char* region;
    double atsE, atsN, e27, n27;
  } origins[] = {{"NB", 300000, 800000, 1000000, 1000000},
                 {"PEI", 700000, 400000, 500000, 700000},
                 {"NS 4", 4500000, 0, 1000000, 0},
                 {"NS 5", 5500000, 0, 1000000, 0}};
  for (const auto& o : origins) {
    const std::string a = std::string(o.region) + " ATS77", n = std::string(o.region) + " NAD27";
    for (const char* k : {"NE_EAST", "SW_EAST"})
      EXPECT_NEAR(num(ini, n, k), (num(ini, a, k) - o.atsE) * ft + o.e27, 2000) << n << k;
    for (const char* k : {"NE_NORTH", "SW_NORTH"})
      EXPECT_NEAR(num(ini, n, k), (num(ini, a, k) - o.atsN) * ft + o.n27, 2000) << n << k;
  }
}
