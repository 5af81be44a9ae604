// The run protocol: answer, batch and marker files, starting a batch file
// through its PIF, the wait loop, cancel and programs that cannot start.

#include <sys/stat.h>

#include <filesystem>

#include "routes_test_support.h"
#include "runner/run_protocol.h"

namespace kartovex {
namespace {

using routestest::CrLfLines;
using routestest::Exists;
using routestest::ProcessAlive;
using routestest::ReadFile;
using routestest::WriteFile;

class RunProtocolTest : public routestest::RoutesTest {
 protected:
  // A one-program chain in position n: VESPERAN with two answers.
  void PrepareVesperan(int n, const std::string& fileName = "vesperan") {
    Install(fileName);
    ASSERT_TRUE(WriteAnswerFile(settings.binDir + AnswerFileName(n), {"1", "", "N"}));
    ASSERT_TRUE(WriteBatchFile(settings, n, "VESPERAN.EXE", AnswerFileName(n)));
  }
  RunResult Run(int n, const std::string& program = "VESPERAN") {
    return RunProgram(settings, messages, control, n, program);
  }
};

// --- Files of the protocol ---------------------------------------------

TEST_F(RunProtocolTest, FileNamesOfEachPosition) {
  EXPECT_EQ(AnswerFileName(2), "IN_RUN2.TXT");
  EXPECT_EQ(BatchFileName(3), "RUN3.BAT");
  EXPECT_EQ(PifFileName(1), "RUN1.PIF");
  EXPECT_EQ(ConsoleFileName(2), "RUN2.CON");
  EXPECT_STREQ(kOrvandelAnswerFile, "TRAN_IN.TXT");
}

TEST_F(RunProtocolTest, AnswerFileHasOneCrLfLinePerAnswerAndIsReplaced) {
  const std::string path = settings.binDir + "IN_RUN1.TXT";
  WriteFile(path, "old content that must go\r\nmore\r\nand more\r\n");
  ASSERT_TRUE(WriteAnswerFile(path, {"", "1", " ", "N"}));
  EXPECT_EQ(ReadFile(path), "\r\n1\r\n \r\nN\r\n");
}

TEST_F(RunProtocolTest, AnswerFileInMissingDirectoryFails) {
  EXPECT_FALSE(WriteAnswerFile(root + "nowhere/IN_RUN1.TXT", {"1"}));
}

TEST_F(RunProtocolTest, BatchFileHasExactlyTheTwoLines) {
  ASSERT_TRUE(WriteBatchFile(settings, 2, "LUMBRIX.EXE", "IN_RUN2.TXT"));
  EXPECT_EQ(CrLfLines(settings.binDir + "RUN2.BAT"),
            (std::vector<std::string>{
                settings.binDir + "LUMBRIX.EXE < " + settings.binDir + "IN_RUN2.TXT",
                "DEL " + settings.workDir + "RUNNING.TXT"}));
  EXPECT_EQ(BatchLine1(settings, "ORVANDEL.EXE", "TRAN_IN.TXT"),
            settings.binDir + "ORVANDEL.EXE < " + settings.binDir + "TRAN_IN.TXT");
}

TEST_F(RunProtocolTest, MarkerHoldsItsOneLine) {
  ASSERT_TRUE(WriteRunningMarker(settings));
  EXPECT_EQ(ReadFile(Marker()), "RUNNING...\r\n");
  EXPECT_TRUE(FileExists(Marker()));
}

TEST_F(RunProtocolTest, MarkerPathFallsBackToWorkDir) {
  settings.runningMarker.clear();
  EXPECT_EQ(MarkerPath(settings), settings.workDir + "RUNNING.TXT");
}

TEST_F(RunProtocolTest, FileExistsIsFalseForEmptyOrMissingFiles) {
  WriteFile(root + "EMPTY.TXT", "");
  WriteFile(root + "FULL.TXT", "x");
  EXPECT_FALSE(FileExists(root + "EMPTY.TXT"));
  EXPECT_FALSE(FileExists(root + "NONE.TXT"));
  EXPECT_TRUE(FileExists(root + "full.txt"));
}

TEST_F(RunProtocolTest, MakeDirectoryCreatesOrAcceptsExisting) {
  EXPECT_TRUE(MakeDirectory(messages, root + "new/"));
  EXPECT_TRUE(std::filesystem::is_directory(root + "new"));
  EXPECT_TRUE(MakeDirectory(messages, root + "new/"));
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(RunProtocolTest, MakeDirectoryFailureShowsNumberAndDescription) {
  EXPECT_FALSE(MakeDirectory(messages, root + "missing/parent/dir"));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "ERROR");
  EXPECT_NE(sink.messages[0].text.find("MakeDirectory: " + std::to_string(ENOENT)),
            std::string::npos);
}

TEST_F(RunProtocolTest, MakeDirectoryOnAFileFails) {
  WriteFile(root + "plain", "x");
  EXPECT_FALSE(MakeDirectory(messages, root + "plain"));
  EXPECT_EQ(sink.messages.size(), 1u);
}

// --- Running a program -------------------------------------------------

TEST_F(RunProtocolTest, ProgramRunsWithAnswerFileAsInputInBinDir) {
  PrepareVesperan(1);
  ASSERT_EQ(Run(1), RunResult::Finished);
  // Found without ".EXE" and ignoring case; the answers were its input and
  // it ran in binDir (its files are there).
  EXPECT_EQ(StdinOf("vesperan"), "1\r\n\r\nN\r\n");
  EXPECT_FALSE(Exists(Marker()));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_GE(pumps, 1);
}

TEST_F(RunProtocolTest, ConsoleOutputIsKeptInRunCon) {
  PrepareVesperan(2);
  ASSERT_EQ(Run(2), RunResult::Finished);
  std::string console = ReadFile(settings.binDir + "RUN2.CON");
  EXPECT_NE(console.find("vesperan: console output"), std::string::npos);
  EXPECT_NE(console.find("vesperan: error output"), std::string::npos);
}

TEST_F(RunProtocolTest, ProgramWithExeSuffixAndOtherCaseIsFound) {
  PrepareVesperan(1, "Vesperan.exe");
  EXPECT_EQ(Run(1), RunResult::Finished);
}

TEST_F(RunProtocolTest, MarkerExistsWhileTheProgramRuns) {
  PrepareVesperan(1);
  Makes("vesperan", Marker() + " SEEN.TXT\n");
  ASSERT_EQ(Run(1), RunResult::Finished);
  EXPECT_EQ(ReadFile(settings.binDir + "SEEN.TXT"), "RUNNING...\r\n");
  EXPECT_FALSE(Exists(Marker()));
}

TEST_F(RunProtocolTest, FailingProgramStillEndsTheWait) {
  PrepareVesperan(1);
  WriteFile(settings.binDir + "vesperan.EXIT", "3");
  EXPECT_EQ(Run(1), RunResult::Finished);
  EXPECT_FALSE(Exists(Marker()));
}

TEST_F(RunProtocolTest, WaitWorksWithoutAPump) {
  PrepareVesperan(1);
  Sleeps("vesperan", 50);
  control.pumpEvents = nullptr;
  EXPECT_EQ(Run(1), RunResult::Finished);
}

TEST_F(RunProtocolTest, CancelEndsTheRunningProgramAndRemovesTheMarker) {
  PrepareVesperan(1);
  Sleeps("vesperan", 600000);
  onPump = [this] {
    if (PidOf("vesperan") > 0) control.Cancel();
  };
  ASSERT_EQ(Run(1), RunResult::Cancelled);
  long pid = PidOf("vesperan");
  EXPECT_GT(pid, 0);
  EXPECT_FALSE(ProcessAlive(pid));
  EXPECT_FALSE(Exists(Marker()));
  ASSERT_FALSE(progressValues.empty());
  EXPECT_EQ(progressValues.back(), 0);
}

TEST_F(RunProtocolTest, CancelBeforeTheFirstLookStillEndsTheProgram) {
  PrepareVesperan(1);
  Sleeps("vesperan", 600000);
  control.Cancel();
  EXPECT_EQ(Run(1), RunResult::Cancelled);
  EXPECT_FALSE(Exists(Marker()));
}

// --- Programs that cannot be started ------------------------------------

class StartFailureTest : public RunProtocolTest {
 protected:
  void ExpectFailureNaming(int n, const std::string& file) {
    ASSERT_EQ(Run(n), RunResult::StartFailed);
    EXPECT_FALSE(Exists(Marker()));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].title, "ERROR");
    const std::string& text = sink.messages[0].text;
    EXPECT_NE(text.find("VESPERAN"), std::string::npos) << text;
    EXPECT_NE(text.find(file), std::string::npos) << text;
  }
};

TEST_F(StartFailureTest, MissingPif) {
  PrepareVesperan(2);
  std::filesystem::remove(settings.binDir + "RUN2.PIF");
  ExpectFailureNaming(2, settings.binDir + "RUN2.PIF");
  EXPECT_EQ(sink.messages[0].text, "RunProgram: Could not start VESPERAN, file not found: " +
                                       settings.binDir + "RUN2.PIF.");
}

TEST_F(StartFailureTest, EmptyPif) {
  PrepareVesperan(1);
  WriteFile(settings.binDir + "RUN1.PIF", "\n");
  ExpectFailureNaming(1, "RUN1.PIF");
}

TEST_F(StartFailureTest, MissingBatchFile) {
  PrepareVesperan(1);
  std::filesystem::remove(settings.binDir + "RUN1.BAT");
  ExpectFailureNaming(1, settings.binDir + "RUN1.BAT");
}

TEST_F(StartFailureTest, BatchFileThatIsNotTwoLines) {
  PrepareVesperan(1);
  WriteFile(settings.binDir + "RUN1.BAT", "echo hello\r\n");
  ExpectFailureNaming(1, "RUN1.BAT");
}

TEST_F(StartFailureTest, MissingProgram) {
  PrepareVesperan(1);
  std::filesystem::remove(settings.binDir + "vesperan");
  ExpectFailureNaming(1, settings.binDir + "VESPERAN.EXE");
}

TEST_F(StartFailureTest, MissingAnswerFile) {
  PrepareVesperan(1);
  std::filesystem::remove(settings.binDir + "IN_RUN1.TXT");
  ExpectFailureNaming(1, settings.binDir + "IN_RUN1.TXT");
}

TEST_F(StartFailureTest, ProgramTheSystemCannotStart) {
  PrepareVesperan(1);
  std::filesystem::remove(settings.binDir + "vesperan");
  WriteFile(settings.binDir + "vesperan", "this is not a program");
  ::chmod((settings.binDir + "vesperan").c_str(), 0755);
  ExpectFailureNaming(1, settings.binDir + "vesperan");
}

TEST_F(StartFailureTest, FrenchMessage) {
  settings.language = Language::French;
  PrepareVesperan(3);
  std::filesystem::remove(settings.binDir + "RUN3.PIF");
  ASSERT_EQ(Run(3), RunResult::StartFailed);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "ERREUR");
  EXPECT_EQ(sink.messages[0].text,
            "RunProgram: Impossible de démarrer VESPERAN, fichier "
            "introuvable: " +
                settings.binDir + "RUN3.PIF.");
}

}  // namespace
}  // namespace kartovex

namespace kartovex {
namespace {

TEST_F(StartFailureTest, MarkerThatCannotBeWrittenIsAStartFailure) {
  PrepareVesperan(1);
  settings.runningMarker = root + "no/such/dir/RUNNING.TXT";
  ASSERT_EQ(Run(1), RunResult::StartFailed);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text, "RunProgram: Could not start VESPERAN (" +
                                       settings.runningMarker + ": cannot be written).");
  EXPECT_FALSE(Exists(settings.binDir + "vesperan.PID"));
}

TEST_F(StartFailureTest, InvalidBatchFileIsNamedInTheMessage) {
  PrepareVesperan(1);
  WriteFile(settings.binDir + "RUN1.BAT", "VESPERAN.EXE\r\nDEL X\r\n");
  ASSERT_EQ(Run(1), RunResult::StartFailed);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text, "RunProgram: Could not start VESPERAN (" + settings.binDir +
                                       "RUN1.BAT: not a batch file of two lines).");
}

}  // namespace
}  // namespace kartovex
