#include <gtest/gtest.h>

#include <random>

#include "lumbrix_shift.h"
#include "lumbrix_test_support.h"

using lumbrix_test::makeGrid;
using lumbrix_test::Reference;
using lumbrix_test::TempDir;

namespace {

// Random points of a box, shifted both ways by LUMBRIX and by PROJ.
void agreeWithProj(const std::string& grid, double south, double north, double east, double west) {
  lumbrix::GridShift shift;
  std::string error;
  ASSERT_TRUE(shift.open(grid, error)) << error;
  Reference ref(grid);
  ASSERT_NE(ref.pj, nullptr);
  std::mt19937 gen(11);
  std::uniform_real_distribution<double> la(south, north), lo(east, west);
  for (int i = 0; i < 200; ++i) {
    const double lat = la(gen), lon = lo(gen);
    for (bool backward : {false, true}) {
      double a = 0, b = 0, c = 0, d = 0;
      ASSERT_TRUE(shift.shift(lat, lon, backward, a, b)) << lat << " " << lon;
      ASSERT_TRUE(ref.shift(lat, lon, backward, c, d));
      EXPECT_NEAR(a, c, 1e-9);
      EXPECT_NEAR(b, d, 1e-9);
    }
    // Backward undoes forward.
    double a = 0, b = 0, c = 0, d = 0;
    ASSERT_TRUE(shift.shift(lat, lon, false, a, b));
    ASSERT_TRUE(shift.shift(a, b, true, c, d));
    EXPECT_NEAR(c, lat, 1e-9);
    EXPECT_NEAR(d, lon, 1e-9);
  }
}

}  // namespace

TEST(LumbrixShift, AgreesWithProjOnEachDemonstrationField) {
  TempDir dir;
  int n = 0;
  for (auto field :
       {ntv2::Field::Nad27ToNad83, ntv2::Field::Ats77ToNad83, ntv2::Field::Ats77ToCsrs}) {
    std::string name = std::to_string(++n);
    name += ".GSB";
    agreeWithProj(makeGrid(dir, field, name), 43.1, 48.4, 59.6, 69.4);
  }
}

TEST(LumbrixShift, AgreesWithProjOnPublishedGrids) {
  // Germany and France lie east of Greenwich: negative west longitudes.
  agreeWithProj("/usr/share/proj/BETA2007.gsb", 47.5, 54.5, -14.5, -6.5);
  agreeWithProj("/usr/share/proj/ntf_r93.gsb", 42.5, 50.5, -8.0, 4.0);
}

TEST(LumbrixShift, ForwardNad27ToNad83MovesNorthAndWest) {
  TempDir dir;
  lumbrix::GridShift shift;
  std::string error;
  ASSERT_TRUE(shift.open(makeGrid(dir, ntv2::Field::Nad27ToNad83), error)) << error;
  double lat = 0, lon = 0;
  ASSERT_TRUE(shift.shift(45.5, 65.5, false, lat, lon));
  EXPECT_GT((lat - 45.5) * 3600, 0.3);
  EXPECT_LT((lat - 45.5) * 3600, 0.5);
  EXPECT_GT((lon - 65.5) * 3600, 1.5);  // west positive
  EXPECT_LT((lon - 65.5) * 3600, 2.5);
}

TEST(LumbrixShift, PointsOffTheGridAreNotShifted) {
  TempDir dir;
  lumbrix::GridShift shift;
  std::string error;
  ASSERT_TRUE(shift.open(makeGrid(dir, ntv2::Field::Ats77ToCsrs), error)) << error;
  double lat = 0, lon = 0;
  EXPECT_FALSE(shift.shift(50.0, 65.0, false, lat, lon));
  EXPECT_FALSE(shift.shift(45.0, 75.0, true, lat, lon));
  EXPECT_FALSE(shift.shift(-45.0, -65.0, false, lat, lon));
  EXPECT_TRUE(shift.shift(45.0, 65.0, false, lat, lon));
}

TEST(LumbrixShift, AccuraciesOnlyWhenTheGridCarriesThem) {
  TempDir dir;
  lumbrix::GridShift shift;
  std::string error;
  ASSERT_TRUE(shift.open(makeGrid(dir, ntv2::Field::Nad27ToNad83), error));
  double m = 0;
  ASSERT_TRUE(shift.accuracyMetres(45.5, 64.5, m));
  // 0.004" at the centre of the field: about 0.12 m north, 0.09 m east.
  EXPECT_NEAR(m, std::hypot(0.004 * 30.92, 0.004 * 30.92 * std::cos(45.5 * M_PI / 180)), 0.005);
  EXPECT_FALSE(shift.accuracyMetres(55.0, 64.5, m));
  ASSERT_TRUE(shift.open("/usr/share/proj/BETA2007.gsb", error)) << error;
  EXPECT_FALSE(shift.carriesAccuracies());
  EXPECT_FALSE(shift.accuracyMetres(50.0, -10.0, m));
  ASSERT_TRUE(shift.open("/usr/share/proj/ntf_r93.gsb", error)) << error;
  EXPECT_TRUE(shift.carriesAccuracies());
  EXPECT_TRUE(shift.accuracyMetres(47.0, -2.0, m));
  EXPECT_GT(m, 0);
}

TEST(LumbrixShift, MissingOrUnreadableGridIsAFailure) {
  TempDir dir;
  lumbrix::GridShift shift;
  std::string error;
  EXPECT_FALSE(shift.open(dir / "NONE.GSB", error));
  EXPECT_FALSE(error.empty());
  lumbrix_test::writeText(dir / "BAD.GSB", "NUM_OREC not really a grid");
  EXPECT_FALSE(shift.open(dir / "BAD.GSB", error));
  EXPECT_FALSE(shift.open(dir.path.string(), error));
  double lat = 0, lon = 0;
  EXPECT_FALSE(shift.shift(45.0, 65.0, false, lat, lon));
}

TEST(LumbrixShift, RelativeGridPathsAreResolved) {
  TempDir dir;
  const auto grid = makeGrid(dir, ntv2::Field::Ats77ToCsrs);
  const auto here = std::filesystem::current_path();
  std::filesystem::current_path(dir.path);
  lumbrix::GridShift shift;
  std::string error;
  const bool opened = shift.open("GRID.GSB", error);
  std::filesystem::current_path(here);
  ASSERT_TRUE(opened) << error;
  double lat = 0, lon = 0;
  EXPECT_TRUE(shift.shift(45.0, 65.0, false, lat, lon));
}

TEST(LumbrixShift, FolderWithBlanksIsSearchedNotQuoted) {
  TempDir dir;
  std::filesystem::create_directories(dir.path / "Program Files");
  const auto grid = makeGrid(dir, ntv2::Field::Ats77ToCsrs, "Program Files/NB77CS.GSB");
  lumbrix::GridShift shift;
  std::string error;
  ASSERT_TRUE(shift.open(grid, error)) << error;
  Reference ref(makeGrid(dir, ntv2::Field::Ats77ToCsrs, "SAME.GSB"));
  double a = 0, b = 0, c = 0, d = 0;
  ASSERT_TRUE(shift.shift(45.5, 65.5, false, a, b));
  ASSERT_TRUE(ref.shift(45.5, 65.5, false, c, d));
  EXPECT_NEAR(a, c, 1e-12);
  EXPECT_NEAR(b, d, 1e-12);
  // A blank in the file name itself cannot be passed on.
  const auto blank = makeGrid(dir, ntv2::Field::Ats77ToCsrs, "NB 77.GSB");
  EXPECT_FALSE(shift.open(blank, error));
  EXPECT_NE(error.find("blanks"), std::string::npos);
}
