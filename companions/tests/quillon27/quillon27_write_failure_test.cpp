// QUILLON27 when its outputs cannot be written or its input cannot be read:
// one line naming the program and the file, a non-zero status, and no output
// under its final name.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "program_runner.h"
#include "record_layouts.h"

namespace {

using namespace companion_test;

class Quillon27WriteFailure : public ::testing::Test {
 protected:
  TempDir work;  // the front end's working directory (INPUT.DAT)
  TempDir bin;   // the program directory, QUILLON27's current directory

  std::filesystem::path answers(const std::string& src) {
    writeText(work / "IN_RUN1.TXT", answerFile({"1", "1", "69.0", "N", "Y", src, "Y"}));
    return work / "IN_RUN1.TXT";
  }

  std::string input() {
    std::string text;
    for (int i = 0; i < 20; ++i)
      text += intoQuillon27LL("P" + std::to_string(i), 46.5, 66.5) + "\r\n";
    writeText(work / "INPUT.DAT", text);
    return (work / "INPUT.DAT").string();
  }

  void expectOneLine(const RunResult& result, const std::string& start) {
    EXPECT_EQ(result.status, 1) << "ended by a signal?";
    EXPECT_EQ(result.errorText.rfind(start, 0), 0u) << result.errorText;
    EXPECT_EQ(std::count(result.errorText.begin(), result.errorText.end(), '\n'), 1)
        << result.errorText;
    EXPECT_TRUE(std::filesystem::is_empty(bin.path()));
  }
};

// Under a file-size limit QUILLON27 used to die by SIGXFSZ without a word.
TEST_F(Quillon27WriteFailure, FileSizeLimitIsReportedWithTheFileAndReason) {
  const auto src = input();
  ASSERT_EQ(runProgram(QUILLON27_EXE, bin.path(), answers(src)).status, 0);  // fits without a limit
  const RunResult result =
      runProgramWithFileSizeLimit(QUILLON27_EXE, bin.path(), answers(src), 200);
  expectOneLine(result, "QUILLON27: cannot write " + (bin / "QUILLON27.").string());
  EXPECT_NE(result.errorText.find("File too large"), std::string::npos) << result.errorText;
}

TEST_F(Quillon27WriteFailure, UnreadableInputIsNamed) {
  std::filesystem::create_directories(work / "FOLDER.DAT");
  const RunResult result =
      runProgram(QUILLON27_EXE, bin.path(), answers((work / "FOLDER.DAT").string()));
  expectOneLine(result, "QUILLON27: ");
  EXPECT_NE(result.errorText.find((work / "FOLDER.DAT").string()), std::string::npos)
      << result.errorText;
}

// A record with a CR inside is quoted in the reason, which must stay one line
// of the console log.
TEST_F(Quillon27WriteFailure, ReasonQuotingARecordStaysOneLine) {
  writeText(work / "INPUT.DAT", "4630xx.00000\r663000.00000P2\r\n");
  const RunResult result =
      runProgram(QUILLON27_EXE, bin.path(), answers((work / "INPUT.DAT").string()));
  expectOneLine(result, "QUILLON27: " + (work / "INPUT.DAT").string() + " line 1");
  EXPECT_EQ(result.errorText.find('\r'), std::string::npos) << result.errorText;
}

}  // namespace
