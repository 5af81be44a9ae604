#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "demo_test_support.h"
#include "lumbrix_shift.h"

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = DEMO_ROOT;

std::string read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

demo_test::Ini installedIni() { return demo_test::parseIni(read(kRoot / "KARTOVEX.INI")); }

std::string provinceOf(const std::string& key) { return key.substr(0, key.find(' ')); }

}  // namespace

TEST(DemoInstall, FoldersAndFilesAreInPlace) {
  for (const char* d : {"BIN", "WORKING", "INPUT", "OUTPUT", "DATAFILE"})
    EXPECT_TRUE(fs::is_directory(kRoot / d)) << d;
  for (int n = 1; n <= 3; ++n) {
    const std::string pif = "RUN" + std::to_string(n) + ".PIF";
    EXPECT_EQ(read(kRoot / "BIN" / pif), "RUN" + std::to_string(n) + ".BAT\n");
  }
  EXPECT_TRUE(fs::exists(kRoot / "BIN" / "KARTOVEX_EN.HTM"));
  EXPECT_TRUE(fs::exists(kRoot / "BIN" / "KARTOVEX_FR.HTM"));
  EXPECT_TRUE(fs::exists(kRoot / "BIN" / "lumbrix"));
  EXPECT_TRUE(fs::exists(kRoot / "INPUT" / "NB_LL.TXT"));
  EXPECT_NE(read(kRoot / "README.TXT").find("NOT THE"), std::string::npos);
  const std::string env = read(kRoot / "env.sh");
  EXPECT_NE(env.find("export DATAFILE=\"" + (kRoot / "DATAFILE").string() + "/\""),
            std::string::npos)
      << env;
}

TEST(DemoInstall, IniNamesThisFolder) {
  const auto ini = installedIni();
  EXPECT_EQ(ini.at("PATH").at("ROOT"), kRoot.string() + "/");
  const fs::path bin = ini.at("PATH").at("ROOT") + ini.at("PATH").at("BIN");
  EXPECT_TRUE(fs::is_directory(bin));
  EXPECT_TRUE(fs::exists(bin / ini.at("FILE").at("HELP")));
  EXPECT_TRUE(fs::exists(bin / ini.at("FILE").at("French HELP")));
}

// Every grid the configuration names is in BIN, readable, and shifts every
// corner of its province's geographic extents in the intended direction.
TEST(DemoInstall, GridsCoverTheirProvincesAndShiftTheRightWay) {
  const auto ini = installedIni();
  const fs::path bin = ini.at("PATH").at("ROOT") + ini.at("PATH").at("BIN");
  int grids = 0;
  for (const auto& [key, file] : ini.at("FILE")) {
    if (key.find("GRID SHIFT") == std::string::npos) continue;
    ++grids;
    lumbrix::GridShift shift;
    std::string error;
    ASSERT_TRUE(shift.open((bin / file).string(), error)) << key << ": " << error;
    const std::string p = provinceOf(key);
    std::vector<std::string> sections;
    if (p == "NS")
      sections = {"NS 4 LAT_LONG", "NS 5 LAT_LONG"};
    else
      sections = {p + " LAT_LONG"};
    const bool from27 = key.find("27 - 83") != std::string::npos;
    EXPECT_EQ(shift.file().systemFrom, from27 ? "NAD27" : "ATS77") << key;
    for (const auto& s : sections) {
      const auto& e = ini.at(s);
      for (double lat : {std::stod(e.at("NE_LAT")), std::stod(e.at("SW_LAT"))})
        for (double lon : {std::stod(e.at("NE_LON")), std::stod(e.at("SW_LON"))}) {
          double la = 0, lo = 0;
          ASSERT_TRUE(shift.shift(lat, lon, false, la, lo)) << key << " " << lat << " " << lon;
          const double north = (la - lat) * 3600, west = (lo - lon) * 3600;
          EXPECT_GT(north, 0) << key;
          EXPECT_GT(west, 0) << key;
          if (from27) {
            EXPECT_GT(north, 0.3);
            EXPECT_LT(north, 0.5);
            EXPECT_GT(west, 1.5);
            EXPECT_LT(west, 2.5);
          } else {
            EXPECT_LT(std::hypot(north * 30.9, west * 30.9 * std::cos(lat * M_PI / 180)), 1.0)
                << key;
          }
        }
    }
  }
  EXPECT_EQ(grids, 9);
}

// A LUMBRIX route on the installed program and grid: NB Lat,Long samples,
// ATS77 to NAD83 (CSRS), run from BIN as the batch file would.
TEST(DemoInstall, InstalledLumbrixShiftsTheSamplePoints) {
  const auto ini = installedIni();
  const fs::path bin = ini.at("PATH").at("ROOT") + ini.at("PATH").at("BIN");
  std::random_device rd;
  const fs::path work = fs::temp_directory_path() /
                        ("demo_install_" + std::to_string(::getpid()) + "_" + std::to_string(rd()));
  fs::create_directories(work);
  std::ifstream samples(kRoot / "INPUT" / "NB_LL.TXT");
  std::ofstream input(work / "INPUT.DAT", std::ios::binary);
  std::string line;
  int points = 0;
  while (std::getline(samples, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto comma = line.find(',');
    input << '\'' << line.substr(0, comma) << "'," << line.substr(comma + 1) << "\r\n";
    ++points;
  }
  input.close();
  const std::string base = (work / "NB_LL.").string();
  std::ofstream(work / "IN_RUN1.TXT", std::ios::binary)
      << "Q\r\nG\r\n"
      << (bin / ini.at("FILE").at("NB GRID SHIFT 77 - 83 csrs")).string() << "\r\nC\r\n"
      << (work / "INPUT.DAT").string() << "\r\nI\r\nS\r\nA\r\nB\r\nM\r\nX\r\nX\r\n"
      << base << "LIS\r\n"
      << base << "NEW\r\n"
      << base << "MIS\r\n\r\nN\r\n";
  const std::string cmd =
      "cd '" + bin.string() + "' && ./lumbrix < '" + (work / "IN_RUN1.TXT").string() + "'";
  EXPECT_EQ(std::system(cmd.c_str()), 0);
  std::ifstream news(base + "NEW");
  int shifted = 0;
  while (std::getline(news, line)) ++shifted;
  EXPECT_EQ(shifted, points);
  EXPECT_EQ(points, 5);
  EXPECT_FALSE(fs::exists(base + "MIS"));
  std::error_code ec;
  fs::remove_all(work, ec);
}

// The installed UTM samples, as a user would pick them: one zone per file,
// the one ORVANDEL's UTM routes take for the whole run.
TEST(DemoInstall, InstalledUtmSamplesHoldOneZone) {
  int files = 0;
  for (const auto& entry : fs::directory_iterator(kRoot / "INPUT")) {
    const std::string name = entry.path().filename().string();
    if (name.find("_XY") == std::string::npos) continue;
    ++files;
    const std::string expected = name.rfind("NB_", 0) == 0 ? "19" : "20";
    std::istringstream text(read(entry.path()));
    std::string line;
    int points = 0;
    while (std::getline(text, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty()) break;
      EXPECT_EQ(line.substr(line.rfind(',') + 1), expected) << name << ": " << line;
      ++points;
    }
    EXPECT_GE(points, 3) << name;
  }
  EXPECT_EQ(files, 12);
}
