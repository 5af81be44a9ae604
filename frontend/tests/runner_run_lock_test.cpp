// One run at a time per installation: PROCESS holds the lock of the working
// directory for its whole length; a second PROCESS is refused before it
// touches a file, with a message that names the running one.

#include "process_fixture.h"
#include "runner/run_lock.h"

namespace kartovex::testing {
namespace {

class RunLockTest : public ProcessTest {
 protected:
  std::string LockPath() const { return settings.workDir + "KARTOVEX.LCK"; }
};

TEST_F(RunLockTest, NoteAndMessageNameTheRunningOne) {
  const std::string note = RunLockNote(4242, "kartovex-cli", "/data/BIG.TXT");
  EXPECT_EQ(note, "pid=4242\nprogram=kartovex-cli\ninput=/data/BIG.TXT\n");
  EXPECT_EQ(
      RunLockBusyText(false, note),
      "comPROCESS: Another conversion is running in this installation (process 4242, kartovex-cli, "
      "input file /data/BIG.TXT). Wait until it has ended, then try again.");
  EXPECT_EQ(
      RunLockBusyText(true, note),
      "comPROCESS: Une autre conversion est en cours dans cette installation (processus 4242, "
      "kartovex-cli, fichier d'entrée /data/BIG.TXT). Attendez qu'elle soit terminée, puis "
      "recommencez.");
  EXPECT_EQ(RunLockBusyText(false, ""),
            "comPROCESS: Another conversion is running in this installation. Wait until it has "
            "ended, then "
            "try again.");
}

TEST_F(RunLockTest, SecondProcessIsRefusedBeforeItTouchesAFile) {
  chooseTypicalRun();
  InstallationLock other;
  ASSERT_EQ(other.Acquire(LockPath(), RunLockNote(777, "kartovex", "/x/OTHER.TXT")),
            LockResult::Acquired);
  for (const char* f : {"RUNNING.TXT", "INPUT.DAT"})
    WriteFile(settings.workDir + f, "the running one's");
  WriteFile(settings.binDir + "IN_RUN1.TXT", "the running one's");

  EXPECT_EQ(model().Process(), ProcessResult::Refused);
  EXPECT_EQ(dispatchCalls, 0);
  EXPECT_TRUE(
      hasMessage("ERROR",
                 "comPROCESS: Another conversion is running in this installation (process 777, "
                 "kartovex, input file /x/OTHER.TXT). Wait until it has ended, then try again."))
      << allMessages();
  EXPECT_EQ(model().resultsLabel(), "The conversion was NOT completed !");
  EXPECT_TRUE(model().choices().comPROCESS.enabled);
  for (const char* f : {"RUNNING.TXT", "INPUT.DAT"})
    EXPECT_EQ(ReadFile(settings.workDir + f), "the running one's");
  EXPECT_EQ(ReadFile(settings.binDir + "IN_RUN1.TXT"), "the running one's");
  EXPECT_EQ(ReadFile(LockPath()), RunLockNote(777, "kartovex", "/x/OTHER.TXT"));

  // Once the other run has ended, PROCESS goes ahead.
  other.Release();
  sink.clear();
  EXPECT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
  EXPECT_EQ(dispatchCalls, 1);
}

TEST_F(RunLockTest, RefusalInFrench) {
  settings.language = Language::French;
  chooseTypicalRun();
  InstallationLock other;
  ASSERT_EQ(other.Acquire(LockPath(), RunLockNote(9, "kartovex-cli", "/x/A.TXT")),
            LockResult::Acquired);
  EXPECT_EQ(model().Process(), ProcessResult::Refused);
  EXPECT_TRUE(hasMessage(
      "ERREUR",
      "comPROCESS: Une autre conversion est en cours dans cette installation (processus 9, "
      "kartovex-cli, fichier d'entrée /x/A.TXT). Attendez qu'elle soit terminée, puis "
      "recommencez."))
      << allMessages();
  EXPECT_EQ(model().resultsLabel(), "La transformation est INCOMPLÈTE !");
}

TEST_F(RunLockTest, HeldDuringTheRunAndReleasedAfterIt) {
  const std::string input = chooseTypicalRun();
  std::string noteDuringRun;
  LockResult tryDuringRun = LockResult::Acquired;
  script = [&](RunContext&, RunControl&) {
    noteDuringRun = ReadFile(LockPath());
    InstallationLock probe;
    tryDuringRun = probe.Acquire(LockPath(), "probe");
    return DispatchOutcome{DispatchResult::Failed, &row};
  };
  EXPECT_EQ(model().Process(), ProcessResult::NotCompleted);
  EXPECT_EQ(tryDuringRun, LockResult::Busy);
  EXPECT_NE(noteDuringRun.find("pid=" + std::to_string(CurrentProcessId()) + "\n"),
            std::string::npos);
  EXPECT_NE(noteDuringRun.find("input=" + model().fileNames().inputFile + "\n"), std::string::npos)
      << noteDuringRun;
  InstallationLock after;
  EXPECT_EQ(after.Acquire(LockPath(), "after"), LockResult::Acquired);
  (void)input;
}

TEST_F(RunLockTest, LockFileThatCannotBeMadeRefusesTheRun) {
  chooseTypicalRun();
  std::filesystem::create_directories(LockPath());  // a directory where the file should be
  EXPECT_EQ(model().Process(), ProcessResult::Refused);
  EXPECT_EQ(dispatchCalls, 0);
  ASSERT_FALSE(sink.messages.empty());
  EXPECT_EQ(sink.messages[0].text.rfind(
                "comPROCESS: Could not lock the installation (" + LockPath() + ": ", 0),
            0u)
      << allMessages();
}

}  // namespace
}  // namespace kartovex::testing
