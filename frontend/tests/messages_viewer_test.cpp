#include "messages/viewer_commands.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "messages/recording_sink.h"
#include "messages/result_texts.h"
#include "messages/stream_sink.h"
#include "platform_temp_dir.h"

namespace kartovex {
namespace {

using testing::TempDir;
using testing::WriteFile;

class ViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings.workDir = dir.path();
    settings.editor = "/usr/bin/editor";
  }
  ProgramStarter recorder(long id) {
    return [this, id](const std::string& program, const std::string& argument, WindowStyle style) {
      calls.push_back(program + " " + argument);
      styles.push_back(style);
      StartResult result;
      result.id = id;
      result.outcome = id != 0 ? StartOutcome::Running : StartOutcome::NotStarted;
      return result;
    };
  }
  TempDir dir;
  FrontEndSettings settings;
  RecordingSink sink;
  MessageService messages{settings, sink};
  std::vector<std::string> calls;
  std::vector<WindowStyle> styles;
};

TEST_F(ViewerTest, MissingReport) {
  EXPECT_FALSE(ViewReport(messages, dir / "OUT.REP", recorder(1)));
  EXPECT_TRUE(calls.empty());
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "File Not Found");
  EXPECT_EQ(sink.messages[0].text, "The report file " + dir / "OUT.REP" + " does not exist.");
  settings.language = Language::French;
  EXPECT_FALSE(ViewReport(messages, dir / "OUT.REP", recorder(1)));
  EXPECT_EQ(sink.messages[1].title, "Fichier non trouvé");
  EXPECT_EQ(sink.messages[1].text, "Le fichier rapport " + dir / "OUT.REP" + " n'existe pas.");
}

TEST_F(ViewerTest, ReportOpensMaximisedInTheEditor) {
  WriteFile(dir / "OUT.REP", "report");
  EXPECT_TRUE(ViewReport(messages, dir / "out.rep", recorder(42)));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], "/usr/bin/editor " + dir / "OUT.REP");
  EXPECT_EQ(styles[0], WindowStyle::Maximised);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ViewerTest, LogAndErrorFiles) {
  EXPECT_FALSE(ViewLog(messages, recorder(1)));
  EXPECT_EQ(sink.messages.back().text, "The file " + dir / "kartovex.log" + " does not exist.");
  settings.language = Language::French;
  EXPECT_FALSE(ViewError(messages, recorder(1)));
  EXPECT_EQ(sink.messages.back().text, "Le fichier " + dir / "kartovex.err" + " n'existe pas.");
  WriteFile(dir / "kartovex.log", "x");
  WriteFile(dir / "kartovex.err", "x");
  EXPECT_TRUE(ViewLog(messages, recorder(1)));
  EXPECT_TRUE(ViewError(messages, recorder(1)));
  EXPECT_EQ(calls, (std::vector<std::string>{"/usr/bin/editor " + dir / "kartovex.log",
                                             "/usr/bin/editor " + dir / "kartovex.err"}));
}

TEST_F(ViewerTest, EditorThatDoesNotStart) {
  WriteFile(dir / "kartovex.log", "x");
  EXPECT_FALSE(ViewLog(messages, recorder(0)));
  EXPECT_EQ(sink.messages.back().text, "Failed to launch /usr/bin/editor!");
  settings.language = Language::French;
  EXPECT_FALSE(ViewLog(messages, recorder(0)));
  EXPECT_EQ(sink.messages.back().text, "Incapable de mettre «/usr/bin/editor» en marche!");
  EXPECT_FALSE(ViewLog(messages, ProgramStarter{}));
}

TEST(StartProgramTest, StartsWithoutWaitingAndReportsFailure) {
  TempDir dir;
  std::string marker = dir / "started";
  long id = StartProgram("/bin/sh", {"-c", "echo ok > " + marker});
  EXPECT_GT(id, 0);
  for (int i = 0; i < 1000 && !testing::Exists(marker); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(testing::Exists(marker));
  EXPECT_EQ(StartProgram(dir / "no_such_program", {}), 0);
  EXPECT_EQ(StartProgram("", {}), 0);
}

// Long enough for a loaded machine to run a script that fails at once.
constexpr std::chrono::milliseconds kSlowMachineWatch{30000};

// A program written into the test's folder: a shell script with the body.
std::string FakeProgram(const TempDir& dir, const std::string& name, const std::string& body) {
  std::string path = dir / name;
  WriteFile(path, "#!/bin/sh\n" + body + "\n");
  ::chmod(path.c_str(), 0755);
  return path;
}

// A process of ours that is gone, not left as a zombie: /proc has no entry.
// Waits for the reaper as long as the process needs to end.
bool GoneWithoutZombie(long pid) {
  const std::string proc = "/proc/" + std::to_string(pid);
  for (int i = 0; i < 3000; ++i) {
    if (!testing::Exists(proc)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

// The one-letter state of a process ("Z" for a zombie), "" when it is gone.
std::string ProcessState(long pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  std::getline(in, text);
  auto close = text.rfind(')');
  return close == std::string::npos || close + 2 >= text.size() ? std::string()
                                                                : text.substr(close + 2, 1);
}

TEST(StartProgramTest, OpenerThatFailsAtOnceIsReported) {
  TempDir dir;
  std::string opener = FakeProgram(dir, "opener", "exit 1");
  // A long watch: the result comes as soon as the program ends.
  StartResult result =
      StartProgramWatched(opener, {"file.txt"}, WindowStyle::Normal, kSlowMachineWatch);
  EXPECT_EQ(result.outcome, StartOutcome::FailedAtOnce);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_FALSE(result.started());
  // Already reaped while watched.
  EXPECT_TRUE(GoneWithoutZombie(result.id));
  int status = 0;
  EXPECT_EQ(::waitpid(static_cast<pid_t>(result.id), &status, WNOHANG), -1);
}

TEST(StartProgramTest, OpenerThatSucceedsAtOnceIsStarted) {
  TempDir dir;
  std::string marker = dir / "args";
  std::string opener = FakeProgram(dir, "opener", "echo \"$1\" > " + marker);
  StartResult result = StartProgramWatched(opener, {"page one.htm"});
  EXPECT_TRUE(result.started());
  EXPECT_TRUE(GoneWithoutZombie(result.id));
  EXPECT_EQ(testing::ReadFile(marker), "page one.htm\n");
  EXPECT_TRUE(GoneWithoutZombie(result.id));
}

TEST(StartProgramTest, LongRunningOpenerIsStartedAndReapedLater) {
  TempDir dir;
  std::string opener = FakeProgram(dir, "opener", "sleep 2");
  StartResult result = StartProgramWatched(opener, {"x"});
  EXPECT_EQ(result.outcome, StartOutcome::Running);
  EXPECT_TRUE(result.started());
  EXPECT_GT(result.id, 0);
  EXPECT_TRUE(GoneWithoutZombie(result.id)) << "state " << ProcessState(result.id);
}

TEST(StartProgramTest, MissingProgramIsNotStarted) {
  TempDir dir;
  StartResult result = StartProgramWatched(dir / "no_such_opener", {"x"});
  EXPECT_EQ(result.outcome, StartOutcome::NotStarted);
  EXPECT_EQ(result.id, 0);
  // A file that is not executable does not start either.
  WriteFile(dir / "plain", "#!/bin/sh\n");
  EXPECT_EQ(StartProgramWatched(dir / "plain", {}).outcome, StartOutcome::NotStarted);
  EXPECT_EQ(StartProgramWatched("", {}).outcome, StartOutcome::NotStarted);
}

TEST(StartProgramTest, UnwatchedStartLeavesNoZombie) {
  long id = StartProgram("/bin/true", {});
  ASSERT_GT(id, 0);
  EXPECT_TRUE(GoneWithoutZombie(id)) << "state " << ProcessState(id);
}

TEST_F(ViewerTest, OpenerThatFailsAtOnceShowsAMessage) {
  WriteFile(dir / "kartovex.log", "x");
  settings.editor = FakeProgram(dir, "opener", "exit 1");
  EXPECT_FALSE(ViewLog(messages, DefaultProgramStarter(kSlowMachineWatch)));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].title, "ERROR");
  EXPECT_EQ(sink.messages[0].text,
            "Failed to launch " + settings.editor + "! It stopped at once with exit status 1.");
  settings.language = Language::French;
  WriteFile(dir / "OUT.REP", "r");
  EXPECT_FALSE(ViewReport(messages, dir / "OUT.REP", DefaultProgramStarter(kSlowMachineWatch)));
  EXPECT_EQ(sink.messages.back().text,
            "Incapable de mettre «" + settings.editor +
                "» en marche! Il s'est arrêté aussitôt (code de sortie 1).");
}

TEST_F(ViewerTest, OpenerThatKeepsRunningShowsNoMessage) {
  WriteFile(dir / "kartovex.err", "x");
  std::string marker = dir / "args";
  settings.editor = FakeProgram(dir, "opener", "echo \"$1\" > " + marker + "; sleep 2");
  EXPECT_TRUE(ViewError(messages, DefaultProgramStarter()));
  EXPECT_TRUE(sink.messages.empty());
  for (int i = 0; i < 3000 && testing::ReadFile(marker).empty(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(testing::ReadFile(marker), dir / "kartovex.err" + "\n");
}

TEST_F(ViewerTest, MissingOpenerShowsAMessage) {
  WriteFile(dir / "kartovex.log", "x");
  settings.editor = dir / "xdg-open";
  EXPECT_FALSE(ViewLog(messages, DefaultProgramStarter()));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text, "Failed to launch " + dir / "xdg-open" + "!");
}

TEST_F(ViewerTest, DefaultStarterStartsTheEditor) {
  WriteFile(dir / "kartovex.log", "x");
  settings.editor = "/bin/true";
  EXPECT_TRUE(ViewLog(messages, DefaultProgramStarter()));
  settings.editor = dir / "missing_editor";
  EXPECT_FALSE(ViewLog(messages, DefaultProgramStarter()));
}

TEST(ResultTextsTest, BothLanguages) {
  EXPECT_EQ(pick(results_label::kCompleted, Language::English) + results_label::kEnding,
            "The conversion has been completed !");
  EXPECT_EQ(pick(results_label::kNotCompleted, Language::French) + results_label::kEnding,
            "La conversion est INCOMPLÈTE !");
  EXPECT_EQ(pick(results_label::kRefused, Language::French), "La transformation est INCOMPLÈTE !");
}

TEST(StreamSinkTest, PrintsBoxesAndReadsAnswers) {
  std::ostringstream out;
  std::istringstream in("y\n  oui\nN\n");
  StreamSink sink(out, in);
  sink.critical("ERROR", "line one\r\nline two");
  EXPECT_TRUE(sink.askYesNo("FATAL ERROR", "Continue?", true));
  EXPECT_TRUE(sink.askYesNo("Q", "Again?", false));
  EXPECT_FALSE(sink.askYesNo("Q", "Third?", false));
  EXPECT_FALSE(sink.askYesNo("Q", "At end of input?", false));
  sink.information("Note", "n");
  EXPECT_EQ(
      out.str(),
      "ERROR: line one\nline two\nFATAL ERROR: Continue? [Y/N] Q: Again? [Y/N] Q: Third? [Y/N] "
      "Q: At end of input? [Y/N] Note: n\n");
}

}  // namespace
}  // namespace kartovex
