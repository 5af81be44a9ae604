#include <gtest/gtest.h>
#include <proj.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <random>

#include "ntv2_interpolate.h"
#include "ntv2_io.h"
#include "ntv2_synthetic.h"

namespace fs = std::filesystem;

namespace {

struct TempDir {
  fs::path path;
  TempDir() {
    std::random_device rd;
    path = fs::temp_directory_path() /
           ("ntv2_field_" + std::to_string(::getpid()) + "_" + std::to_string(rd()));
    fs::create_directories(path);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

// PROJ's hgridshift on a file: east-positive degrees in and out.
struct Shift {
  PJ_CONTEXT* ctx = proj_context_create();
  PJ* pj = nullptr;
  explicit Shift(const std::string& path) {
    proj_log_level(ctx, PJ_LOG_NONE);
    pj = proj_create(ctx, ("+proj=hgridshift +grids=" + path).c_str());
  }
  ~Shift() {
    if (pj) proj_destroy(pj);
    proj_context_destroy(ctx);
  }
  bool apply(double& lat, double& lonEast, PJ_DIRECTION dir = PJ_FWD) {
    PJ_COORD c = proj_coord(proj_torad(lonEast), proj_torad(lat), 0, 0);
    c = proj_trans(pj, dir, c);
    if (c.lp.lam == HUGE_VAL) return false;
    lonEast = proj_todeg(c.lp.lam);
    lat = proj_todeg(c.lp.phi);
    return true;
  }
};

}  // namespace

TEST(SyntheticField, Nad27ToNad83HasTheMaritimeSizeAndSign) {
  for (double lat = 43.0; lat <= 48.5; lat += 0.25)
    for (double lon = 59.5; lon <= 69.5; lon += 0.25) {
      auto n = ntv2::syntheticNode(ntv2::Field::Nad27ToNad83, lat, lon);
      EXPECT_GE(n.latShift, 0.3);
      EXPECT_LE(n.latShift, 0.5);
      // Positive west in the file: NAD83 lies 1.5"..2.5" west of NAD27.
      EXPECT_GE(n.lonShift, 1.5);
      EXPECT_LE(n.lonShift, 2.5);
      EXPECT_GT(n.latAccuracy, 0);
    }
}

TEST(SyntheticField, AtsGridsShiftLessThanAMetre) {
  for (auto field : {ntv2::Field::Ats77ToCsrs, ntv2::Field::Ats77ToNad83})
    for (double lat = 43.0; lat <= 48.5; lat += 0.5)
      for (double lon = 59.5; lon <= 69.5; lon += 0.5) {
        auto n = ntv2::syntheticNode(field, lat, lon);
        const double north = n.latShift * 30.87;
        const double east = n.lonShift * 30.87 * std::cos(lat * M_PI / 180);
        EXPECT_LT(std::hypot(north, east), 1.0);
        EXPECT_GT(std::hypot(north, east), 0.1);
      }
}

TEST(SyntheticField, ParseFieldNames) {
  ntv2::Field f;
  EXPECT_TRUE(ntv2::parseField("27-83", f));
  EXPECT_EQ(f, ntv2::Field::Nad27ToNad83);
  EXPECT_TRUE(ntv2::parseField("77-csrs", f));
  EXPECT_EQ(f, ntv2::Field::Ats77ToCsrs);
  EXPECT_FALSE(ntv2::parseField("27-84", f));
}

TEST(SyntheticGrid, RejectsEmptyOrReversedExtents) {
  ntv2::File f;
  std::string error;
  EXPECT_FALSE(
      ntv2::syntheticGrid(ntv2::Field::Ats77ToCsrs, {46, 45, 60, 62, 300}, "X", "", f, error));
  EXPECT_FALSE(
      ntv2::syntheticGrid(ntv2::Field::Ats77ToCsrs, {45, 46, 62, 60, 300}, "X", "", f, error));
  EXPECT_FALSE(
      ntv2::syntheticGrid(ntv2::Field::Ats77ToCsrs, {45, 46, 60, 62, 0}, "X", "", f, error));
  EXPECT_FALSE(
      ntv2::syntheticGrid(ntv2::Field::Ats77ToCsrs, {45, 46, 60, 62, 300}, "", "", f, error));
}

TEST(Interpolate, NodesMidpointsAndOutside) {
  ntv2::File f;
  std::string error;
  ASSERT_TRUE(
      ntv2::syntheticGrid(ntv2::Field::Nad27ToNad83, {45, 46, 64, 66, 1800}, "T", "", f, error));
  const auto& s = f.subfiles[0];
  ntv2::Node n;
  ASSERT_TRUE(ntv2::interpolate(f, s.southLat + s.latInc, s.eastLong + 2 * s.longInc, n));
  EXPECT_FLOAT_EQ(n.latShift, s.at(1, 2).latShift);
  EXPECT_FLOAT_EQ(n.lonShift, s.at(1, 2).lonShift);
  ASSERT_TRUE(ntv2::interpolate(f, s.southLat + 0.5 * s.latInc, s.eastLong + 0.5 * s.longInc, n));
  const double mean =
      (s.at(0, 0).latShift + s.at(0, 1).latShift + s.at(1, 0).latShift + s.at(1, 1).latShift) / 4.0;
  EXPECT_NEAR(n.latShift, mean, 1e-6);
  // The north-west corner itself is inside.
  EXPECT_TRUE(ntv2::interpolate(f, s.northLat, s.westLong, n));
  EXPECT_FALSE(ntv2::interpolate(f, s.northLat + 1, s.westLong, n));
  EXPECT_FALSE(ntv2::interpolate(f, s.southLat, s.eastLong - 1, n));
  EXPECT_TRUE(ntv2::carriesAccuracies(f));
  for (auto& node : f.subfiles[0].nodes) node.latAccuracy = node.lonAccuracy = -1;
  EXPECT_FALSE(ntv2::carriesAccuracies(f));
  ASSERT_TRUE(ntv2::interpolate(f, s.southLat + 10, s.eastLong + 10, n));
  EXPECT_LT(n.latAccuracy, 0);
}

TEST(ProjReadsOurGrid, ShiftAtANodeHasTheFileValueAndSign) {
  TempDir dir;
  ntv2::File f;
  std::string error;
  ASSERT_TRUE(ntv2::syntheticGrid(ntv2::Field::Nad27ToNad83, {44.5, 48.5, 63.5, 69.5, 300}, "NB",
                                  "", f, error));
  const auto path = (dir.path / "NB2783.GSB").string();
  ASSERT_TRUE(ntv2::writeFile(path, f, error)) << error;
  Shift shift(path);
  ASSERT_NE(shift.pj, nullptr);
  const auto& s = f.subfiles[0];
  const int r = 17, c = 23;
  const auto& node = s.at(r, c);
  const double lat0 = (s.southLat + r * s.latInc) / 3600;
  const double lonWest0 = (s.eastLong + c * s.longInc) / 3600;
  double lat = lat0, lonEast = -lonWest0;
  ASSERT_TRUE(shift.apply(lat, lonEast));
  EXPECT_NEAR((lat - lat0) * 3600, node.latShift, 1e-6);
  // West-positive shift in the file: the east-positive longitude decreases.
  EXPECT_NEAR((lonEast + lonWest0) * 3600, -node.lonShift, 1e-6);
  EXPECT_LT(lonEast, -lonWest0);
  EXPECT_GT(lat, lat0);
  // And back.
  ASSERT_TRUE(shift.apply(lat, lonEast, PJ_INV));
  EXPECT_NEAR(lat, lat0, 1e-10);
  EXPECT_NEAR(lonEast, -lonWest0, 1e-10);
}

TEST(ProjReadsOurGrid, BetweenNodesAgreesWithOurInterpolation) {
  TempDir dir;
  ntv2::File f;
  std::string error;
  ASSERT_TRUE(ntv2::syntheticGrid(ntv2::Field::Ats77ToCsrs, {43, 47.5, 59.5, 66.5, 300}, "NS", "",
                                  f, error));
  const auto path = (dir.path / "NS77CS.GSB").string();
  ASSERT_TRUE(ntv2::writeFile(path, f, error)) << error;
  Shift shift(path);
  ASSERT_NE(shift.pj, nullptr);
  std::mt19937 gen(7);
  std::uniform_real_distribution<double> la(43.1, 47.4), lo(59.6, 66.4);
  for (int i = 0; i < 50; ++i) {
    const double lat0 = la(gen), lonW = lo(gen);
    double lat = lat0, lonEast = -lonW;
    ASSERT_TRUE(shift.apply(lat, lonEast));
    ntv2::Node n;
    ASSERT_TRUE(ntv2::interpolate(f, lat0 * 3600, lonW * 3600, n));
    EXPECT_NEAR((lat - lat0) * 3600, n.latShift, 1e-6);
    EXPECT_NEAR(-(lonEast + lonW) * 3600, n.lonShift, 1e-6);
  }
}
