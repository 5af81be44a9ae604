// VESPERAN when its outputs cannot be written or its input cannot be read:
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

class VesperanWriteFailure : public ::testing::Test {
 protected:
  TempDir work;  // the front end's working directory (INPUT.DAT)
  TempDir bin;   // the program directory, VESPERAN's current directory

  std::filesystem::path answers(const std::string& src) {
    writeText(work / "IN_RUN1.TXT", answerFile({"", "2", "N", "Y", "1", "1", "2", src, "1", "N"}));
    return work / "IN_RUN1.TXT";
  }

  std::string input() {
    std::string text;
    for (int i = 0; i < 20; ++i)
      text += intoVesperanLL("P" + std::to_string(i), 46.5, 66.5) + "\r\n";
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

// Under a file-size limit VESPERAN used to die by SIGXFSZ without a word.
TEST_F(VesperanWriteFailure, FileSizeLimitIsReportedWithTheFileAndReason) {
  const auto src = input();
  ASSERT_EQ(runProgram(VESPERAN_EXE, bin.path(), answers(src)).status, 0);  // fits without a limit
  const RunResult result = runProgramWithFileSizeLimit(VESPERAN_EXE, bin.path(), answers(src), 200);
  expectOneLine(result, "VESPERAN: cannot write " + bin.path().string() + "/");
  EXPECT_NE(result.errorText.find("File too large"), std::string::npos) << result.errorText;
}

// A failure while the run is still writing (the buffer full long before
// the end) is kept and reported when the files are finished.
TEST_F(VesperanWriteFailure, FileSizeLimitHitWhileWritingIsReported) {
  std::string text;
  for (int i = 0; i < 20000; ++i)
    text += intoVesperanLL("P" + std::to_string(i), 46.5, 66.5) + "\r\n";
  writeText(work / "INPUT.DAT", text);
  const std::string src = (work / "INPUT.DAT").string();
  const RunResult result =
      runProgramWithFileSizeLimit(VESPERAN_EXE, bin.path(), answers(src), 300000);
  expectOneLine(result, "VESPERAN: cannot write " + bin.path().string() + "/");
  EXPECT_NE(result.errorText.find("File too large"), std::string::npos) << result.errorText;
}

TEST_F(VesperanWriteFailure, UnreadableInputIsNamed) {
  std::filesystem::create_directories(work / "FOLDER.DAT");
  const RunResult result =
      runProgram(VESPERAN_EXE, bin.path(), answers((work / "FOLDER.DAT").string()));
  expectOneLine(result, "VESPERAN: ");
  EXPECT_NE(result.errorText.find((work / "FOLDER.DAT").string()), std::string::npos)
      << result.errorText;
}

}  // namespace
