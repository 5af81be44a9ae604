// LUMBRIX as the front end runs it, on damaged grid files and failing
// writes: every run ends, with one line that names LUMBRIX and the file, a
// non-zero status and no output file under its final name.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>

#include "lumbrix_test_support.h"
#include "program_runner.h"

namespace fs = std::filesystem;
using lumbrix_test::TempDir;

namespace {

constexpr size_t kNumFile = 2, kGsCount = 21, kFirstNode = 22;

struct LumbrixRun {
  int status = -1;
  std::string err;
};

LumbrixRun runLumbrix(const TempDir& dir, const std::string& grid, const std::string& base = "X.") {
  fs::copy_file(lumbrix_test::testdata("INPUT.DAT"), dir / "INPUT.DAT",
                fs::copy_options::overwrite_existing);
  lumbrix_test::writeText(dir / "IN_RUN1.TXT",
                          lumbrix_test::answers(grid, dir / "INPUT.DAT", "IS", dir / base));
  const auto r = companion_test::runProgram(LUMBRIX_EXE, dir.path, dir / "IN_RUN1.TXT");
  return {r.status, r.errorText};
}

std::string gridBytes(const TempDir& dir) {
  return lumbrix_test::readText(
      lumbrix_test::makeGrid(dir, ntv2::Field::Ats77ToCsrs, "NS77CS.GSB"));
}

void writeGrid(const TempDir& dir, const std::string& bytes) {
  lumbrix_test::writeText(dir / "NS77CS.GSB", bytes);
}

void putU32(std::string& bytes, size_t offset, uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void expectRefusedGrid(const TempDir& dir, const LumbrixRun& r, const std::string& why) {
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_EQ(r.err.rfind("LUMBRIX: grid-shift file: " + (dir / "NS77CS.GSB"), 0), 0u) << r.err;
  EXPECT_NE(r.err.find(why), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  for (const char* ext : {"NEW", "LIS", "MIS"})
    EXPECT_FALSE(fs::exists(dir / (std::string("X.") + ext))) << ext;
}

}  // namespace

// Once a grid with an infinite or huge shift made LUMBRIX loop for ever.
TEST(LumbrixDamagedGrid, InfiniteOrHugeShiftIsRefusedAtOpen) {
  TempDir dir;
  const std::string good = gridBytes(dir);
  const float values[] = {std::numeric_limits<float>::infinity(),
                          -std::numeric_limits<float>::infinity(),
                          std::numeric_limits<float>::quiet_NaN(), 1e30f, 3.0e38f};
  const size_t nodes = good.size() / 16 - kFirstNode - 1;
  for (float v : values) {
    // Every node, so the points of INPUT.DAT fall on damaged cells.
    std::string bytes = good;
    for (size_t node = 0; node < nodes; ++node)
      putU32(bytes, (kFirstNode + node) * 16 + 4, std::bit_cast<uint32_t>(v));  // longitude shift
    writeGrid(dir, bytes);
    expectRefusedGrid(dir, runLumbrix(dir, dir / "NS77CS.GSB"), "longitude shift");
    // One node only.
    bytes = good;
    putU32(bytes, (kFirstNode + nodes / 2) * 16 + 4, std::bit_cast<uint32_t>(v));
    writeGrid(dir, bytes);
    expectRefusedGrid(dir, runLumbrix(dir, dir / "NS77CS.GSB"), "longitude shift");
  }
}

TEST(LumbrixDamagedGrid, TruncatedGridIsRefused) {
  TempDir dir;
  const std::string good = gridBytes(dir);
  for (size_t cut : {size_t(0), size_t(5), size_t(16 * 11 + 3), size_t(16 * 22), good.size() / 2,
                     good.size() - 17, good.size() - 16, good.size() - 1}) {
    writeGrid(dir, good.substr(0, cut));
    const LumbrixRun r = runLumbrix(dir, dir / "NS77CS.GSB");
    expectRefusedGrid(dir, r, "NS77CS.GSB");
  }
}

TEST(LumbrixDamagedGrid, AbsurdHeaderCountsAreRefused) {
  TempDir dir;
  const std::string good = gridBytes(dir);
  for (uint32_t v : {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0u}) {
    std::string bytes = good;
    putU32(bytes, kNumFile * 16 + 8, v);
    writeGrid(dir, bytes);
    expectRefusedGrid(dir, runLumbrix(dir, dir / "NS77CS.GSB"), "NUM_FILE");
    bytes = good;
    putU32(bytes, kGsCount * 16 + 8, v);
    writeGrid(dir, bytes);
    expectRefusedGrid(dir, runLumbrix(dir, dir / "NS77CS.GSB"), "GS_COUNT");
  }
}

// The reason the front end quotes from the console log when a grid is gone.
TEST(LumbrixDamagedGrid, MissingGridNamesProgramAndFileAndRemovesAnEarlierRunsOutputs) {
  TempDir dir;
  for (const char* ext : {"NEW", "LIS", "MIS"})
    lumbrix_test::writeText(dir / (std::string("X.") + ext), "old\r\n");
  const LumbrixRun r = runLumbrix(dir, dir / "NS77CS.GSB");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "LUMBRIX: grid-shift file: cannot open " + (dir / "NS77CS.GSB") + "\n");
  for (const char* ext : {"NEW", "LIS", "MIS"})
    EXPECT_FALSE(fs::exists(dir / (std::string("X.") + ext))) << ext;
}

TEST(LumbrixDamagedGrid, AnOutputNamedLikeTheGridIsRefusedAndTheGridKept) {
  TempDir dir;
  const std::string good = gridBytes(dir);
  fs::copy_file(lumbrix_test::testdata("INPUT.DAT"), dir / "INPUT.DAT");
  std::string answers =
      lumbrix_test::answers(dir / "NS77CS.GSB", dir / "INPUT.DAT", "IS", dir / "X.");
  const std::string lis = dir / "X.LIS";
  answers.replace(answers.find(lis), lis.size(), dir / "NS77CS.GSB");
  lumbrix_test::writeText(dir / "IN_RUN1.TXT", answers);
  const auto r = companion_test::runProgram(LUMBRIX_EXE, dir.path, dir / "IN_RUN1.TXT");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.errorText.find("grid-shift file"), std::string::npos) << r.errorText;
  EXPECT_EQ(lumbrix_test::readText(dir / "NS77CS.GSB"), good);
}

// Under a file-size limit LUMBRIX used to die by SIGXFSZ without a word.
TEST(LumbrixDamagedGrid, WriteFailureUnderAFileSizeLimitIsReported) {
  TempDir dir;
  lumbrix_test::makeGrid(dir, ntv2::Field::Ats77ToCsrs, "NS77CS.GSB");
  fs::copy_file(lumbrix_test::testdata("INPUT.DAT"), dir / "INPUT.DAT");
  lumbrix_test::writeText(dir / "X.NEW", "old\r\n");
  lumbrix_test::writeText(
      dir / "IN_RUN1.TXT",
      lumbrix_test::answers(dir / "NS77CS.GSB", dir / "INPUT.DAT", "IS", dir / "X."));
  const auto r =
      companion_test::runProgramWithFileSizeLimit(LUMBRIX_EXE, dir.path, dir / "IN_RUN1.TXT", 120);
  EXPECT_EQ(r.status, 1) << "ended by a signal?";
  EXPECT_EQ(r.errorText.rfind("LUMBRIX: cannot write " + (dir / "X."), 0), 0u) << r.errorText;
  EXPECT_NE(r.errorText.find("File too large"), std::string::npos) << r.errorText;
  // Neither a short file nor an earlier run's file under a final name, and no
  // temporary left behind.
  for (const auto& e : fs::directory_iterator(dir.path)) {
    const std::string name = e.path().filename().string();
    EXPECT_TRUE(name == "NS77CS.GSB" || name == "INPUT.DAT" || name == "IN_RUN1.TXT") << name;
  }
}

TEST(LumbrixDamagedGrid, MissingOrUnreadableInputIsNamed) {
  TempDir dir;
  lumbrix_test::makeGrid(dir, ntv2::Field::Ats77ToCsrs, "NS77CS.GSB");
  fs::create_directories(dir / "FOLDER.DAT");
  for (const std::string& input : {dir / "NONE.DAT", dir / "FOLDER.DAT"}) {
    lumbrix_test::writeText(dir / "IN_RUN1.TXT",
                            lumbrix_test::answers(dir / "NS77CS.GSB", input, "IS", dir / "X."));
    const auto r = companion_test::runProgram(LUMBRIX_EXE, dir.path, dir / "IN_RUN1.TXT");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.errorText, "LUMBRIX: cannot open input file " + input + "\n");
    for (const char* ext : {"NEW", "LIS", "MIS"})
      EXPECT_FALSE(fs::exists(dir / (std::string("X.") + ext))) << ext;
  }
}

// A record with a CR inside is quoted in the reason, which must stay one line
// of the console log.
TEST(LumbrixDamagedGrid, ReasonQuotingARecordStaysOneLine) {
  TempDir dir;
  lumbrix_test::makeGrid(dir, ntv2::Field::Ats77ToCsrs, "NS77CS.GSB");
  lumbrix_test::writeText(dir / "IN.DAT", "'P1',45,05,0\r3.2,66,07,12.0\r\n");
  lumbrix_test::writeText(
      dir / "IN_RUN1.TXT",
      lumbrix_test::answers(dir / "NS77CS.GSB", dir / "IN.DAT", "IS", dir / "X."));
  const auto r = companion_test::runProgram(LUMBRIX_EXE, dir.path, dir / "IN_RUN1.TXT");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.errorText.rfind("LUMBRIX: " + (dir / "IN.DAT") + " line 1", 0), 0u) << r.errorText;
  EXPECT_EQ(r.errorText.find('\r'), std::string::npos) << r.errorText;
  EXPECT_EQ(std::count(r.errorText.begin(), r.errorText.end(), '\n'), 1) << r.errorText;
}
