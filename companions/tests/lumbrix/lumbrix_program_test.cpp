#include <gtest/gtest.h>

#include <cstdlib>

#include "lumbrix_test_support.h"

namespace fs = std::filesystem;
using namespace lumbrix_test;

namespace {

// Single-quoted for the shell.
std::string q(const std::string& s) {
  std::string r(1, '\'');
  r += s;
  r += '\'';
  return r;
}

// Runs a program the way a batch file does: answers on standard input, the
// program folder as current directory.
int runIn(const TempDir& dir, const std::string& command, const std::string& answerFile) {
  std::string cmd = "cd ";
  cmd += q(dir.path.string()) + " && " + q(command) + " < " + q(answerFile) + " 2> " +
         q(dir / "stderr.txt");
  const int status = std::system(cmd.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(LumbrixProgram, RunsFromItsAnswerFile) {
  TempDir dir;
  const std::string grid = dir / "NB2783.GSB";
  const std::string write = q(NTV2_WRITE_EXE) + " 27-83 44.0 48.5 63.5 69.5 300 NB2783 " + q(grid);
  ASSERT_EQ(std::system(write.c_str()), 0);
  fs::copy_file(testdata("INPUT.DAT"), dir / "INPUT.DAT");
  writeText(dir / "IN_RUN1.TXT", answers(grid, dir / "INPUT.DAT", "IS", dir / "INPUT."));
  ASSERT_EQ(runIn(dir, LUMBRIX_EXE, dir / "IN_RUN1.TXT"), 0) << readText(dir / "stderr.txt");
  // Sydney (Cape Breton) lies east of the New Brunswick grid.
  EXPECT_EQ(readLines(dir / "INPUT.NEW").size(), 2u);
  EXPECT_TRUE(fs::exists(dir / "INPUT.LIS"));
  const auto missed = readLines(dir / "INPUT.MIS");
  ASSERT_EQ(missed.size(), 1u);
  EXPECT_NE(missed[0].find("SYDNEY"), std::string::npos);
  EXPECT_EQ(readText(dir / "stderr.txt"), "");
}

// Rows 52 to 54: the front end's input2.dat, copied from ORVANDEL's
// TRN_GHST.DAT columns with their blank padding.
TEST(LumbrixProgram, RunsOnTheFrontEndCopyOfOrvandelOutput) {
  TempDir dir;
  const std::string grid = dir / "NB77CS.GSB";
  const std::string write =
      q(NTV2_WRITE_EXE) + " 77-csrs 44.0 48.5 63.0 69.5 300 NB77CS " + q(grid);
  ASSERT_EQ(std::system(write.c_str()), 0);
  fs::copy_file(testdata("input2.dat"), dir / "input2.dat");
  writeText(dir / "IN_RUN1.TXT", answers(grid, dir / "input2.dat", "IS", dir / "NB_LL."));
  ASSERT_EQ(runIn(dir, LUMBRIX_EXE, dir / "IN_RUN1.TXT"), 0) << readText(dir / "stderr.txt");
  EXPECT_EQ(readText(dir / "stderr.txt"), "");
  const auto news = readLines(dir / "NB_LL.NEW");
  ASSERT_EQ(news.size(), 5u);
  EXPECT_EQ(news[1].substr(6, 9), "  MONCTON");
  EXPECT_EQ(news[1].substr(40, 2), "46");
  EXPECT_EQ(news[1].substr(43, 2), "05");
  EXPECT_FALSE(fs::exists(dir / "NB_LL.MIS"));
}

TEST(LumbrixProgram, MissingGridExitsNonZeroWithAMessage) {
  TempDir dir;
  writeText(dir / "IN_RUN1.TXT",
            answers(dir / "NB2783.GSB", testdata("INPUT.DAT"), "IS", dir / "INPUT."));
  EXPECT_NE(runIn(dir, LUMBRIX_EXE, dir / "IN_RUN1.TXT"), 0);
  const auto err = readText(dir / "stderr.txt");
  EXPECT_NE(err.find("NB2783.GSB"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "INPUT.NEW"));
  EXPECT_FALSE(fs::exists(dir / "INPUT.LIS"));
}

TEST(LumbrixProgram, EmptyStandardInputExitsNonZero) {
  TempDir dir;
  writeText(dir / "EMPTY.TXT", "");
  EXPECT_NE(runIn(dir, LUMBRIX_EXE, dir / "EMPTY.TXT"), 0);
  EXPECT_NE(readText(dir / "stderr.txt").find("LUMBRIX:"), std::string::npos);
}

TEST(Ntv2WriteProgram, RefusesBadArgumentsWithoutWritingAFile) {
  TempDir dir;
  const std::string out = q(dir / "A.GSB");
  const std::string bad[] = {
      " 27-83 44 48 63 69 300 NB " + out + " extra",  // one argument too many
      " 27-99 44 48 63 69 300 NB " + out,             // unknown field
      " 27-83 48 44 63 69 300 NB " + out,             // south above north
      " 27-83 44 4x 63 69 300 NB " + out,             // not a number
  };
  for (const auto& args : bad) {
    const std::string cmd = q(NTV2_WRITE_EXE) + args + " 2>/dev/null";
    EXPECT_NE(std::system(cmd.c_str()), 0) << args;
  }
  EXPECT_FALSE(fs::exists(dir / "A.GSB"));
}
