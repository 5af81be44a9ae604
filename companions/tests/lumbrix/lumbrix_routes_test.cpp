#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>

#include "lumbrix_records.h"
#include "lumbrix_run.h"
#include "lumbrix_test_support.h"

namespace fs = std::filesystem;
using namespace lumbrix_test;

namespace {

// One LUMBRIX answer file of the route table: which grid, which input (and
// its layout), which flags, which output base.
struct Variant {
  const char* routes;
  ntv2::Field grid;
  const char* input;   // name of the input file in the folder
  bool ghost;          // VESPERAN's LL_GHOST.DAT layout
  const char* source;  // test file copied in as the input
  const char* flags;
  const char* base;
};

const Variant kVariants[] = {
    {"1-3, 7-9", ntv2::Field::Ats77ToCsrs, "LL_GHOST.DAT", true, "LL_GHOST.DAT", "", "LL_GHOST."},
    {"16-18, 22-24, 56-58, 61-64", ntv2::Field::Ats77ToCsrs, "LL_GHOST.DAT", true, "LL_GHOST.DAT",
     "D", "LL_GHOST."},
    {"4-6", ntv2::Field::Ats77ToCsrs, "INPUT.DAT", false, "INPUT.DAT", "IS", "MEASUREM."},
    {"19-21, 59-60", ntv2::Field::Ats77ToCsrs, "INPUT.DAT", false, "INPUT.DAT", "ISD", "POINTS."},
    {"31", ntv2::Field::Nad27ToNad83, "INPUT1.DAT", false, "INPUT.DAT", "IS", "NB27EN."},
    {"32", ntv2::Field::Nad27ToNad83, "INPUT.DAT", false, "INPUT.DAT", "IS", "NB27LL."},
    // The front end's copy of ORVANDEL's TRN_GHST.DAT columns: blank-padded
    // minutes and seconds, identifiers padded to 9.
    {"52-54", ntv2::Field::Ats77ToCsrs, "input2.dat", false, "input2.dat", "IS", "NB_LL."},
};

// Shown for a failing case instead of the variant's bytes.
void PrintTo(const Variant& v, std::ostream* os) { *os << "routes " << v.routes; }

class LumbrixRoutes : public ::testing::TestWithParam<Variant> {};

// "1-3, 7-9" gives "Routes1to3And7to9".
std::string RoutesName(const ::testing::TestParamInfo<Variant>& info) {
  std::string name = "Routes";
  for (const char* c = info.param.routes; *c; ++c) {
    if (*c == '-')
      name += "to";
    else if (*c == ',')
      name += "And";
    else if (std::isalnum(static_cast<unsigned char>(*c)))
      name += *c;
  }
  return name;
}

}  // namespace

TEST_P(LumbrixRoutes, ShiftsLikeProjAndWritesTheNamedFiles) {
  const Variant& v = GetParam();
  TempDir dir;
  const auto grid = makeGrid(dir, v.grid, "GRID.GSB");
  fs::copy_file(testdata(v.source), dir / v.input);
  const std::string base = dir / v.base;
  std::istringstream in(answers(grid, dir / v.input, v.flags, base));
  std::ostringstream err;
  ASSERT_EQ(lumbrix::run(in, err), 0) << v.routes << ": " << err.str();

  std::vector<lumbrix::Point> points;
  std::string error;
  ASSERT_TRUE(lumbrix::readPoints(dir / v.input, !v.ghost, points, error)) << error;
  const auto news = readLines(base + "NEW");
  ASSERT_EQ(news.size(), points.size()) << v.routes;
  EXPECT_TRUE(fs::exists(base + "LIS"));
  EXPECT_FALSE(fs::exists(base + "MIS"));
  const bool backward = std::string(v.flags).find('D') != std::string::npos;
  Reference ref(grid);
  for (size_t i = 0; i < points.size(); ++i) {
    double lat, lon;
    ASSERT_TRUE(ref.shift(points[i].latDeg, points[i].lonWestDeg, backward, lat, lon));
    // Read back by the .NEW reader's columns.
    const std::string& line = news[i];
    EXPECT_NE(line.substr(6, 9).find(points[i].id), std::string::npos);
    const double latOut = std::stod(line.substr(40, 2)) + std::stod(line.substr(43, 2)) / 60 +
                          std::stod(line.substr(46, 8)) / 3600;
    const double lonOut = std::stod(line.substr(56, 2)) + std::stod(line.substr(59, 2)) / 60 +
                          std::stod(line.substr(62, 8)) / 3600;
    EXPECT_NEAR(latOut, lat, 0.51e-5 / 3600) << v.routes;
    EXPECT_NEAR(lonOut, lon, 0.51e-5 / 3600) << v.routes;
  }
}

INSTANTIATE_TEST_SUITE_P(RouteTable, LumbrixRoutes, ::testing::ValuesIn(kVariants), RoutesName);
