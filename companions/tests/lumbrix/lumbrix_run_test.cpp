#include <gtest/gtest.h>

#include <sstream>

#include "lumbrix_run.h"
#include "lumbrix_test_support.h"

namespace fs = std::filesystem;
using namespace lumbrix_test;

namespace {

struct Result {
  int code;
  std::string err;
};

Result run(const std::string& answerText) {
  std::istringstream in(answerText);
  std::ostringstream err;
  const int code = lumbrix::run(in, err);
  return {code, err.str()};
}

// Decimal degrees of a listing line: id, lat in, lon in, lat out, lon out.
struct ListingRow {
  std::string id;
  double latIn, lonIn, latOut, lonOut;
};

std::vector<ListingRow> listingRows(const std::string& path) {
  std::vector<ListingRow> rows;
  for (const auto& line : readLines(path)) {
    std::istringstream s(line);
    int seq;
    ListingRow r;
    if (line.size() > 6 && line[4] != ' ' &&
        (s >> seq >> r.id >> r.latIn >> r.lonIn >> r.latOut >> r.lonOut))
      rows.push_back(r);
  }
  return rows;
}

double angle(const std::string& line, size_t deg, size_t min, size_t sec, size_t secWidth) {
  return std::stod(line.substr(deg - 1, 2)) + std::stod(line.substr(min - 1, 2)) / 60 +
         std::stod(line.substr(sec - 1, secWidth)) / 3600;
}

}  // namespace

TEST(LumbrixRun, FrontEndInputForwardAgreesWithProj) {
  TempDir dir;
  const auto grid = makeGrid(dir, ntv2::Field::Ats77ToCsrs, "NB77CS.GSB");
  const auto base = dir / "MEASUREM.";
  auto r = run(answers(grid, testdata("INPUT.DAT"), "IS", base));
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(r.err.empty());
  EXPECT_TRUE(fs::exists(base + "NEW"));
  EXPECT_TRUE(fs::exists(base + "LIS"));
  EXPECT_FALSE(fs::exists(base + "MIS"));

  Reference ref(grid);
  const auto rows = listingRows(base + "LIS");
  ASSERT_EQ(rows.size(), 3u);
  for (const auto& row : rows) {
    double lat, lon;
    ASSERT_TRUE(ref.shift(row.latIn, row.lonIn, false, lat, lon));
    EXPECT_NEAR(row.latOut, lat, 1e-9) << row.id;
    EXPECT_NEAR(row.lonOut, lon, 1e-9) << row.id;
  }
  EXPECT_EQ(rows[0].id, "P1");
  EXPECT_NEAR(rows[0].latIn, 45 + 5 / 60.0 + 3.2 / 3600, 1e-11);

  // The .NEW columns hold the same positions to the 1e-5" of their seconds.
  const auto lines = readLines(base + "NEW");
  ASSERT_EQ(lines.size(), 3u);
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].substr(6, 9).find(rows[i].id), 9 - rows[i].id.size());
    EXPECT_NEAR(angle(lines[i], 41, 44, 47, 8), rows[i].latOut, 0.6e-5 / 3600);
    EXPECT_NEAR(angle(lines[i], 57, 60, 63, 8), rows[i].lonOut, 0.6e-5 / 3600);
    // The demonstration grids carry accuracies: metres after column 70.
    ASSERT_GT(lines[i].size(), 71u);
    EXPECT_GT(std::stod(lines[i].substr(70)), 0.0);
  }
  // Every line ends with CR LF.
  const auto text = readText(base + "NEW");
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(LumbrixRun, GhostInputBackwardAgreesWithProj) {
  TempDir dir;
  const auto grid = makeGrid(dir, ntv2::Field::Ats77ToCsrs, "NB77CS.GSB");
  const auto base = dir / "LL_GHOST.";
  auto r = run(answers(grid, testdata("LL_GHOST.DAT"), "D", base));
  ASSERT_EQ(r.code, 0) << r.err;
  Reference ref(grid);
  const auto rows = listingRows(base + "LIS");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].id, "MONCTON");
  for (const auto& row : rows) {
    double lat, lon;
    ASSERT_TRUE(ref.shift(row.latIn, row.lonIn, true, lat, lon));
    EXPECT_NEAR(row.latOut, lat, 1e-9);
    EXPECT_NEAR(row.lonOut, lon, 1e-9);
  }
  EXPECT_NE(readText(base + "LIS").find("BACKWARD"), std::string::npos);
}

TEST(LumbrixRun, ForwardThenBackwardThroughTheNewFileReturnsThePoints) {
  TempDir dir;
  const auto grid = makeGrid(dir, ntv2::Field::Nad27ToNad83, "NS2783.GSB");
  ASSERT_EQ(run(answers(grid, testdata("INPUT.DAT"), "IS", dir / "A.")).code, 0);
  // The .NEW file read back as a GHOST-like layout needs the front end's
  // converter; here it is rewritten in the front end's record layout.
  std::string again;
  for (const auto& line : readLines(dir / "A.NEW")) {
    const std::string id = line.substr(6, 9);
    again += '\'';
    again += id.substr(id.find_first_not_of(' '));
    again += "',";
    for (auto [at, width] : {std::pair{40, 2}, {43, 2}, {46, 8}, {56, 2}, {59, 2}, {62, 8}}) {
      again += line.substr(at, width);
      again += at == 62 ? "\r\n" : ",";
    }
  }
  writeText(dir / "BACK.DAT", again);
  ASSERT_EQ(run(answers(grid, dir / "BACK.DAT", "ISD", dir / "B.")).code, 0);
  const auto in = readLines(testdata("INPUT.DAT"));
  const auto out = readLines(dir / "B.NEW");
  ASSERT_EQ(out.size(), in.size());
  // Back within the rounding of the seconds (1e-5", 0.3 mm).
  EXPECT_NE(out[0].find("45 05 03.20000"), std::string::npos) << out[0];
  EXPECT_NE(out[0].find("66 07 12.00000"), std::string::npos) << out[0];
}

TEST(LumbrixRun, PublishedGridThroughTheSamePath) {
  TempDir dir;
  writeText(
      dir / "DE.DAT",
      "'BERLIN',52,31,12.00000,-13,24,36.00000\r\n'MUNICH',48,08,15.50000,-11,34,33.25000\r\n");
  const std::string grid = "/usr/share/proj/BETA2007.gsb";
  ASSERT_EQ(run(answers(grid, dir / "DE.DAT", "IS", dir / "DE.")).code, 0);
  Reference ref(grid);
  const auto rows = listingRows(dir / "DE.LIS");
  ASSERT_EQ(rows.size(), 2u);
  for (const auto& row : rows) {
    double lat, lon;
    ASSERT_TRUE(ref.shift(row.latIn, row.lonIn, false, lat, lon));
    EXPECT_NEAR(row.latOut, lat, 1e-9);
    EXPECT_NEAR(row.lonOut, lon, 1e-9);
    EXPECT_LT(row.lonIn, 0);
  }
  // No accuracies in this grid: the records end after the longitude seconds.
  for (const auto& line : readLines(dir / "DE.NEW")) EXPECT_EQ(line.size(), 70u);
}

TEST(LumbrixRun, MisFileOnlyForPointsOffTheGrid) {
  TempDir dir;
  const auto grid = makeGrid(dir, ntv2::Field::Nad27ToNad83, "PE2783.GSB");
  writeText(dir / "IN.DAT",
            "'IN1',46,15,00.00000,63,10,00.00000\r\n'NORTH',55,00,00.00000,63,10,00.00000\r\n"
            "'IN2',46,20,00.00000,63,00,00.00000\r\n'EAST',46,20,00.00000,50,00,00.00000\r\n");
  ASSERT_EQ(run(answers(grid, dir / "IN.DAT", "IS", dir / "IN.")).code, 0);
  const auto news = readLines(dir / "IN.NEW");
  const auto missed = readLines(dir / "IN.MIS");
  ASSERT_EQ(news.size(), 2u);
  ASSERT_EQ(missed.size(), 2u);
  EXPECT_EQ(news[0].substr(6, 9), "      IN1");
  EXPECT_EQ(news[1].substr(6, 9), "      IN2");
  EXPECT_EQ(missed[0].substr(6, 9), "    NORTH");
  EXPECT_EQ(missed[1].substr(6, 9), "     EAST");
  EXPECT_NE(readText(dir / "IN.LIS").find("POINTS MISSED:  2"), std::string::npos);

  // A later run with every point on the grid leaves no .MIS behind.
  writeText(dir / "IN.DAT", "'IN1',46,15,00.00000,63,10,00.00000\r\n");
  ASSERT_EQ(run(answers(grid, dir / "IN.DAT", "IS", dir / "IN.")).code, 0);
  EXPECT_FALSE(fs::exists(dir / "IN.MIS"));
}

TEST(LumbrixRun, MissingGridFailsWithoutOutputFiles) {
  TempDir dir;
  auto r = run(answers(dir / "NONE.GSB", testdata("INPUT.DAT"), "IS", dir / "X."));
  EXPECT_NE(r.code, 0);
  EXPECT_NE(r.err.find("NONE.GSB"), std::string::npos);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
  writeText(dir / "BAD.GSB", std::string(400, 'x'));
  r = run(answers(dir / "BAD.GSB", testdata("INPUT.DAT"), "IS", dir / "X."));
  EXPECT_NE(r.code, 0);
  for (const char* ext : {"NEW", "LIS", "MIS"})
    EXPECT_FALSE(fs::exists(dir / (std::string("X.") + ext)));
}

TEST(LumbrixRun, BadRecordOrMissingInputFailsWithoutOutputFiles) {
  TempDir dir;
  const auto grid = makeGrid(dir, ntv2::Field::Ats77ToCsrs);
  writeText(dir / "IN.DAT", "'A',45,00,00.0,65,00,00.0\r\n'B',46,61,00.0,65,00,00.0\r\n");
  auto r = run(answers(grid, dir / "IN.DAT", "IS", dir / "X."));
  EXPECT_NE(r.code, 0);
  EXPECT_NE(r.err.find("line 2"), std::string::npos) << r.err;
  r = run(answers(grid, dir / "NONE.DAT", "IS", dir / "X."));
  EXPECT_NE(r.code, 0);
  // The GHOST layout named without flags is read by its columns and refused.
  r = run(answers(grid, testdata("INPUT.DAT"), "", dir / "X."));
  EXPECT_NE(r.code, 0);
  for (const char* ext : {"NEW", "LIS", "MIS"})
    EXPECT_FALSE(fs::exists(dir / (std::string("X.") + ext)));
  // No temporary files are left either.
  for (const auto& e : fs::directory_iterator(dir.path))
    EXPECT_TRUE(e.path().filename() == "IN.DAT" || e.path().filename() == "GRID.GSB") << e.path();
}

TEST(LumbrixRun, BadAnswerFailsWithOneLine) {
  auto r = run("Q\r\nG\r\n");
  EXPECT_NE(r.code, 0);
  EXPECT_EQ(r.err.rfind("LUMBRIX: ", 0), 0u);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
}

TEST(LumbrixRun, UnwritableOutputFolderFails) {
  TempDir dir;
  const auto grid = makeGrid(dir, ntv2::Field::Ats77ToCsrs);
  auto r = run(answers(grid, testdata("INPUT.DAT"), "IS", dir / "no/such/X."));
  EXPECT_NE(r.code, 0);
}

TEST(LumbrixRun, EmptyInputGivesEmptyNewFile) {
  TempDir dir;
  const auto grid = makeGrid(dir, ntv2::Field::Ats77ToCsrs);
  writeText(dir / "IN.DAT", "");
  ASSERT_EQ(run(answers(grid, dir / "IN.DAT", "IS", dir / "E.")).code, 0);
  EXPECT_TRUE(fs::exists(dir / "E.NEW"));
  EXPECT_EQ(readText(dir / "E.NEW"), "");
  EXPECT_FALSE(fs::exists(dir / "E.MIS"));
}
