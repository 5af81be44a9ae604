#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "demo_ini.h"
#include "demo_samples.h"
#include "demo_test_support.h"

namespace {

std::vector<std::string> split(const std::string& line) {
  std::vector<std::string> f;
  std::stringstream s(line);
  std::string x;
  while (std::getline(s, x, ',')) f.push_back(x);
  return f;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  std::string l;
  while (std::getline(in, l)) {
    EXPECT_FALSE(l.empty());
    if (l.empty()) continue;
    EXPECT_EQ(l.back(), '\r');
    if (l.back() == '\r') l.pop_back();
    out.push_back(l);
  }
  return out;
}

std::map<std::string, std::string> samples() {
  std::vector<demo::SampleFile> files;
  std::string error;
  EXPECT_TRUE(demo::sampleFiles(files, error)) << error;
  std::map<std::string, std::string> m;
  for (auto& f : files) m[f.name] = f.text;
  return m;
}

// "NB_EN77.TXT" -> "NB", "NS4_XY83.TXT" -> "NS 4".
std::string regionOf(const std::string& name) {
  const std::string stem = name.substr(0, name.find('_'));
  if (stem == "NS4") return "NS 4";
  if (stem == "NS5") return "NS 5";
  return stem;
}

std::string datumOf(const std::string& name) {
  const std::string tag = name.substr(name.find('_') + 3, 2);
  return tag == "77" ? "ATS77" : tag == "83" ? "NAD83" : "NAD27";
}

double dms(const std::string& d, const std::string& m, const std::string& s) {
  return std::stod(d) + std::stod(m) / 60 + std::stod(s) / 3600;
}

}  // namespace

TEST(DemoSamples, EveryRegionHasEveryForm) {
  const auto m = samples();
  EXPECT_EQ(m.size(), 28u);
  for (const char* r : {"NB", "NS4", "NS5", "PEI"})
    for (const char* f : {"_LL", "_EN77", "_EN83", "_EN27", "_XY77", "_XY83", "_XY27"})
      EXPECT_TRUE(m.count(std::string(r) + f + ".TXT")) << r << f;
  // The output base of a LUMBRIX route is the name cut to 8 characters.
  for (const auto& [name, text] : m) EXPECT_LE(name.size() - 4, 8u) << name;
}

TEST(DemoSamples, LinesFollowTheInputFileRules) {
  for (const auto& [name, text] : samples()) {
    const bool ll = name.find("_LL") != std::string::npos,
               xy = name.find("_XY") != std::string::npos;
    for (const auto& line : lines(text)) {
      const auto f = split(line);
      ASSERT_EQ(f.size(), ll ? 7u : xy ? 4u : 3u) << name << ": " << line;
      EXPECT_GE(f[0].size(), 1u);
      EXPECT_LE(f[0].size(), 8u);
      if (ll) {
        for (int i : {1, 4}) EXPECT_EQ(f[i].size(), 2u) << line;
        for (int i : {2, 5}) EXPECT_EQ(f[i].size(), 2u) << line;
        for (int i : {3, 6}) EXPECT_EQ(f[i].size(), 8u) << line;
      } else {
        for (int i : {1, 2}) {
          EXPECT_GE(f[i].size(), 3u) << line;
          EXPECT_LE(f[i].size(), 11u) << line;
          EXPECT_NE(f[i].find('.'), std::string::npos);
        }
        if (xy) {
          EXPECT_TRUE(f[3] == "19" || f[3] == "20" || f[3] == "21") << line;
        }
      }
    }
  }
}

TEST(DemoSamples, PointsLieInsideTheExtentsOfTheirRegion) {
  std::string text, error;
  ASSERT_TRUE(demo::iniText("/opt/demo/", text, error));
  const auto ini = demo_test::parseIni(text);
  for (const auto& [name, body] : samples()) {
    if (name.find("_XY") != std::string::npos) continue;  // UTM is not checked against extents
    const std::string region = regionOf(name);
    for (const auto& line : lines(body)) {
      const auto f = split(line);
      if (name.find("_LL") != std::string::npos) {
        const auto& e = ini.at(region + " LAT_LONG");
        const double lat = dms(f[1], f[2], f[3]), lon = dms(f[4], f[5], f[6]);
        EXPECT_LT(lat, std::stod(e.at("NE_LAT"))) << line;
        EXPECT_GT(lat, std::stod(e.at("SW_LAT"))) << line;
        EXPECT_GT(lon, std::stod(e.at("NE_LON"))) << line;
        EXPECT_LT(lon, std::stod(e.at("SW_LON"))) << line;
      } else {
        const auto& e = ini.at(region + " " + datumOf(name));
        const double east = std::stod(f[1]), north = std::stod(f[2]);
        EXPECT_LT(east, std::stod(e.at("NE_EAST"))) << name << " " << line;
        EXPECT_GT(east, std::stod(e.at("SW_EAST"))) << name << " " << line;
        EXPECT_LT(north, std::stod(e.at("NE_NORTH"))) << name << " " << line;
        EXPECT_GT(north, std::stod(e.at("SW_NORTH"))) << name << " " << line;
      }
    }
  }
}

// The grid samples are the Lat,Long samples projected by EPSG's definitions.
TEST(DemoSamples, GridSamplesAreTheProjectedPlaces) {
  const auto m = samples();
  const std::map<std::string, int> codes = {{"NB_EN83.TXT", 2953},  {"NB_EN77.TXT", 2200},
                                            {"PEI_EN83.TXT", 2954}, {"PEI_EN77.TXT", 2290},
                                            {"NS4_EN77.TXT", 2294}, {"NS5_EN83.TXT", 22337}};
  for (const auto& [name, code] : codes) {
    const auto ll = lines(m.at(name.substr(0, name.find('_')) + "_LL.TXT"));
    const auto en = lines(m.at(name));
    ASSERT_EQ(ll.size(), en.size());
    demo_test::Epsg proj(code);
    ASSERT_NE(proj.op, nullptr);
    for (size_t i = 0; i < ll.size(); ++i) {
      const auto a = split(ll[i]), b = split(en[i]);
      EXPECT_EQ(a[0], b[0]);
      double e, n;
      proj.forward(dms(a[1], a[2], a[3]), dms(a[4], a[5], a[6]), e, n);
      EXPECT_NEAR(std::stod(b[1]), e, 0.01) << name << " " << b[0];
      EXPECT_NEAR(std::stod(b[2]), n, 0.01) << name << " " << b[0];
    }
  }
}

// ORVANDEL's UTM routes refuse a file whose points change zone ("Zones
// mismatch"), so each UTM sample holds its region's usual zone only.
TEST(DemoSamples, EveryUtmSampleHoldsOneZone) {
  const std::map<std::string, std::string> usual = {
      {"NB", "19"}, {"NS4", "20"}, {"NS5", "20"}, {"PEI", "20"}};
  int files = 0;
  for (const auto& [name, text] : samples()) {
    if (name.find("_XY") == std::string::npos) continue;
    ++files;
    const std::string zone = usual.at(name.substr(0, name.find('_')));
    const auto body = lines(text);
    EXPECT_GE(body.size(), 3u) << name;
    for (const auto& line : body) EXPECT_EQ(split(line).at(3), zone) << name << ": " << line;
  }
  EXPECT_EQ(files, 12);
  EXPECT_EQ(demo::sampleUtmZone(demo::Region::NB), 19);
  EXPECT_EQ(demo::sampleUtmZone(demo::Region::NS4), 20);
  EXPECT_EQ(demo::sampleUtmZone(demo::Region::NS5), 20);
  EXPECT_EQ(demo::sampleUtmZone(demo::Region::PEI), 20);
}

// Each UTM point is one of the region's Lat,Long places, so it lies inside
// the extents, and it sits where ORVANDEL's UTM limits allow: within 3
// degrees of the zone's meridian, easting within 283434 m of 500000,
// northing in [4801348, 5330992].
TEST(DemoSamples, UtmSamplesAreInZonePlacesInsideTheLimits) {
  const auto m = samples();
  std::string text, error;
  ASSERT_TRUE(demo::iniText("/opt/demo/", text, error));
  const auto ini = demo_test::parseIni(text);
  for (const auto& [name, body] : m) {
    if (name.find("_XY") == std::string::npos) continue;
    const std::string stem = name.substr(0, name.find('_'));
    std::map<std::string, std::vector<std::string>> places;
    for (const auto& line : lines(m.at(stem + "_LL.TXT"))) places[split(line)[0]] = split(line);
    const auto& e = ini.at(regionOf(name) + " LAT_LONG");
    for (const auto& line : lines(body)) {
      const auto f = split(line);
      ASSERT_TRUE(places.count(f[0])) << name << ": " << line;
      const auto& p = places.at(f[0]);
      const double lat = dms(p[1], p[2], p[3]), lon = dms(p[4], p[5], p[6]);
      EXPECT_LT(lat, std::stod(e.at("NE_LAT"))) << line;
      EXPECT_GT(lat, std::stod(e.at("SW_LAT"))) << line;
      EXPECT_GT(lon, std::stod(e.at("NE_LON"))) << line;
      EXPECT_LT(lon, std::stod(e.at("SW_LON"))) << line;
      const int zone = std::stoi(f[3]);
      const double meridian = 69.0 - 6.0 * (zone - 19);
      EXPECT_LE(std::fabs(lon - meridian), 3.0) << name << ": " << line;
      EXPECT_LE(std::fabs(std::stod(f[1]) - 500000), 283434.0) << name << ": " << line;
      EXPECT_GE(std::stod(f[2]), 4801348.0) << name << ": " << line;
      EXPECT_LE(std::stod(f[2]), 5330992.0) << name << ": " << line;
      if (name.find("_XY83") != std::string::npos) {
        demo_test::Epsg proj(2960 + zone - 19);  // NAD83(CSRS) / UTM zone 19N, 20N
        ASSERT_NE(proj.op, nullptr);
        double x, y;
        proj.forward(lat, lon, x, y);
        EXPECT_NEAR(std::stod(f[1]), x, 0.01) << name << " " << f[0];
        EXPECT_NEAR(std::stod(f[2]), y, 0.01) << name << " " << f[0];
      }
    }
  }
}

TEST(DemoSamples, DmsFieldsRoundWithoutSixtySeconds) {
  EXPECT_EQ(demo::dmsFields(45 + 5 / 60.0 + 3.2 / 3600), "45,05,03.20000");
  EXPECT_EQ(demo::dmsFields(45 + 59 / 60.0 + 59.999999 / 3600), "46,00,00.00000");
}
