// kartovex-cli on a private copy of the demo installation, with real
// processes: leftovers of an earlier run, a failing program, a killed or
// missing program, two runs at once, signals to the front end, a file-size
// limit, and a working folder that holds the user's own files.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <thread>

#include "platform/installation_lock.h"
#include "platform_temp_dir.h"

extern char** environ;

namespace kartovex::testing {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;  // exit status, or 128 + signal
  std::string out, err;
  std::string label() const {
    std::string s = out;
    while (!s.empty() && s.back() == '\n') s.pop_back();
    auto nl = s.rfind('\n');
    return nl == std::string::npos ? s : s.substr(nl + 1);
  }
};

int StatusOf(int wstatus) {
  return WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
}

class CliRunProtocol : public ::testing::Test {
 protected:
  void SetUp() override {
    root = dir.path().substr(0, dir.path().size() - 1);
    ASSERT_TRUE(testfiles::CopyDemoInstallation(KARTOVEX_DEMO_DIR, root))
        << "no demo installation in " << KARTOVEX_DEMO_DIR;
    ::setenv("DATAFILE", (root + "/DATAFILE/").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (root + "/xdg").c_str(), 1);
  }

  std::vector<std::string> Args(std::vector<std::string> args) {
    args.insert(args.begin(), {KARTOVEX_CLI, "--ini", root + "/KARTOVEX.INI", "--yes"});
    return args;
  }

  pid_t Start(const std::vector<std::string>& args, const std::string& tag) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    const std::string out = dir / (tag + ".out"), err = dir / (tag + ".err");
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> all = Args(args);
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, KARTOVEX_CLI, &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
  }

  Outcome Finish(pid_t pid, const std::string& tag) {
    Outcome o;
    int wstatus = 0;
    while (waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
    }
    o.status = StatusOf(wstatus);
    o.out = ReadFile(dir / (tag + ".out"));
    o.err = ReadFile(dir / (tag + ".err"));
    return o;
  }

  Outcome Run(const std::vector<std::string>& args) {
    static int n = 0;
    const std::string tag = "run" + std::to_string(++n);
    pid_t pid = Start(args, tag);
    EXPECT_GT(pid, 0);
    return Finish(pid, tag);
  }

  // Waits, without a limit on the result, until path holds text.
  static bool WaitForText(const std::string& path, const std::string& text) {
    for (int i = 0; i < 60000; ++i) {
      if (ReadFile(path).find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }

  static bool ProcessGone(pid_t pid) {
    for (int i = 0; i < 5000; ++i) {
      if (::kill(pid, 0) != 0) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
  }

  // A console program in BIN replaced by a script.
  void Script(const std::string& program, const std::string& body) {
    const std::string path = root + "/BIN/" + program;
    fs::remove(path);
    WriteFile(path, "#!/bin/sh\n" + body);
    fs::permissions(path, fs::perms::owner_all);
  }

  TempDir dir;
  std::string root;
};

std::string WithoutPaths(std::string text, const std::string& root) {
  for (auto at = text.find(root); at != std::string::npos; at = text.find(root))
    text.erase(at, root.size());
  return text;
}

// The same request gives the same outcome on a fresh installation and after
// an earlier run has left its files.
TEST_F(CliRunProtocol, LeftoversOfAnEarlierRunNeverChangeTheOutcome) {
  WriteFile(root + "/z.txt", "HALIFAX,454388.005,4943881.772,2\n");
  const std::vector<std::string> request{"--from",   "NAD27:XY",      "--to",       "NAD83CSRS:LL",
                                         "--input",  root + "/z.txt", "--province", "NS",
                                         "--report", root + "/o.REP", "--data"};
  Outcome fresh = Run(request);
  const std::string freshText = ReadFile(root + "/O.TXT");
  // Earlier runs that leave every kind of work file behind.
  Outcome earlier = Run({"--from", "NAD27:EN", "--to", "NAD83CSRS:LL", "--input",
                         root + "/INPUT/NS4_EN27.TXT", "--province", "NS"});
  Run({"--from", "ATS77:LL", "--to", "NAD83CSRS:EN", "--input", root + "/INPUT/NS4_LL.TXT",
       "--province", "NS"});
  Outcome again = Run(request);
  EXPECT_EQ(again.status, fresh.status) << fresh.err << "\n---\n" << again.err;
  EXPECT_EQ(again.label(), fresh.label());
  EXPECT_EQ(WithoutPaths(again.err, root), WithoutPaths(fresh.err, root));
  EXPECT_EQ(ReadFile(root + "/O.TXT"), freshText);
  (void)earlier;
}

TEST_F(CliRunProtocol, FailingProgramIsNamedWithItsOwnReason) {
  fs::remove(root + "/BIN/NS77CS.GSB");
  Outcome o = Run({"--from", "ATS77:LL", "--to", "NAD83CSRS:LL", "--input",
                   root + "/INPUT/NS4_LL.TXT", "--province", "NS"});
  EXPECT_EQ(o.status, 1) << o.err;
  EXPECT_EQ(o.label(), "The conversion was NOT completed !");
  EXPECT_NE(o.err.find("step 1 of 1: LUMBRIX"), std::string::npos) << o.err;
  EXPECT_NE(o.err.find("cannot open"), std::string::npos) << o.err;
  EXPECT_NE(o.err.find("NS77CS.GSB"), std::string::npos) << o.err;
  EXPECT_EQ(o.err.find("WriteOutText"), std::string::npos) << o.err;
}

TEST_F(CliRunProtocol, FailingProgramInFrench) {
  fs::remove(root + "/BIN/NS77CS.GSB");
  Outcome o = Run({"--from", "ATS77:LL", "--to", "NAD83CSRS:LL", "--input",
                   root + "/INPUT/NS4_LL.TXT", "--province", "NS", "--french"});
  EXPECT_EQ(o.status, 1) << o.err;
  EXPECT_NE(
      o.err.find("ERREUR: RunProgram: étape 1 de 1: LUMBRIX s'est terminé avec le code de sortie"),
      std::string::npos)
      << o.err;
  EXPECT_NE(o.err.find("Dernières lignes de"), std::string::npos) << o.err;
}

// A program that writes part of its output and is then killed.
TEST_F(CliRunProtocol, KilledProgramIsNeverCompleted) {
  Script(
      "orvandel",
      "echo 'STATION FREDTN' > TRN_CORD.DAT\necho 'STATION MONCTON' >> TRN_CORD.DAT\nkill -9 $$\n");
  WriteFile(root + "/OUTPUT/K.TXT", "earlier result\n");
  Outcome o = Run({"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", root + "/INPUT/NB_LL.TXT",
                   "--report", root + "/OUTPUT/K.REP", "--data"});
  EXPECT_EQ(o.status, 1) << o.err;
  EXPECT_EQ(o.label(), "The conversion was NOT completed !");
  EXPECT_NE(o.err.find("step 1 of 1: ORVANDEL was killed by signal 9"), std::string::npos) << o.err;
  EXPECT_EQ(ReadFile(root + "/OUTPUT/K.TXT"), "earlier result\n");
  EXPECT_FALSE(fs::exists(root + "/WORKING/RUNNING.TXT"));
}

TEST_F(CliRunProtocol, MissingProgramIsNamed) {
  fs::remove(root + "/BIN/orvandel");
  Outcome o = Run({"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", root + "/INPUT/NB_LL.TXT"});
  EXPECT_EQ(o.status, 1) << o.err;
  EXPECT_EQ(o.label(), "The conversion was NOT completed !");
  EXPECT_NE(o.err.find("Could not start ORVANDEL, file not found: " + root + "/BIN/ORVANDEL.EXE"),
            std::string::npos)
      << o.err;
}

TEST_F(CliRunProtocol, ProgramThatIsNotExecutableIsNamed) {
  fs::permissions(root + "/BIN/orvandel", fs::perms::owner_read | fs::perms::owner_write);
  Outcome o = Run({"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", root + "/INPUT/NB_LL.TXT"});
  EXPECT_EQ(o.status, 1) << o.err;
  EXPECT_EQ(o.label(), "The conversion was NOT completed !");
  EXPECT_NE(
      o.err.find("Could not start ORVANDEL (" + root + "/BIN/orvandel: not an executable program)"),
      std::string::npos)
      << o.err;
}

// Two runs at once in one installation: the second is refused and names the
// first, which completes as if alone.
TEST_F(CliRunProtocol, SecondRunAtOnceIsRefusedAndTheFirstCompletes) {
  std::string big;
  const std::string sample = ReadFile(root + "/INPUT/NB_LL.TXT");
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < sample.size();) {
    auto nl = sample.find('\n', at);
    std::string line = sample.substr(at, nl == std::string::npos ? std::string::npos : nl - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line.substr(line.find(',')));
    at = nl == std::string::npos ? sample.size() : nl + 1;
  }
  ASSERT_FALSE(lines.empty());
  const int points = 3000;
  for (int i = 0; i < points; ++i) big += "P" + std::to_string(i) + lines[i % lines.size()] + "\n";
  WriteFile(root + "/big.TXT", big);

  pid_t a = Start({"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", root + "/big.TXT",
                   "--report", root + "/A.REP", "--data"},
                  "a");
  ASSERT_GT(a, 0);
  const std::string lock = root + "/WORKING/KARTOVEX.LCK";
  // Once the first run's PROCESS holds the installation (start-up takes the
  // lock for a moment too, with no input file), it is held still while the
  // second one tries.
  ASSERT_TRUE(WaitForText(lock, "input=" + root + "/big.TXT")) << ReadFile(dir / "a.err");
  ASSERT_EQ(::kill(a, SIGSTOP), 0);
  Outcome b = Run({"--from", "NAD27:EN", "--to", "ATS77:EN", "--input", root + "/INPUT/NB_EN27.TXT",
                   "--report", root + "/B.REP", "--data"});
  ASSERT_EQ(::kill(a, SIGCONT), 0);
  Outcome first = Finish(a, "a");

  EXPECT_NE(b.status, 0);
  EXPECT_EQ(b.label(), "The conversion was NOT completed !");
  EXPECT_NE(b.err.find("Another conversion is running in this installation (process " +
                       std::to_string(a) + ", kartovex-cli, input file " + root + "/big.TXT)"),
            std::string::npos)
      << b.err;
  EXPECT_FALSE(fs::exists(root + "/B.REP"));
  EXPECT_FALSE(fs::exists(root + "/B.TXT"));

  EXPECT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.label(), "The conversion has been completed !");
  const std::string result = ReadFile(root + "/A.TXT");
  EXPECT_EQ(static_cast<int>(std::count(result.begin(), result.end(), '\n')), points);
  EXPECT_EQ(result.rfind("P0,", 0), 0u) << result.substr(0, 80);
  // The lock went with the run.
  InstallationLock again;
  EXPECT_EQ(again.Acquire(lock, "test"), LockResult::Acquired);
}

class CliSignal : public CliRunProtocol, public ::testing::WithParamInterface<int> {};

// SIGTERM and SIGHUP cancel like Ctrl-C: the running program ends, the
// marker goes, the run is not completed and the installation is free again.
TEST_P(CliSignal, CancelsTheRun) {
  Script("orvandel", "echo $$ > ORVANDEL.PID\nexec sleep 60\n");
  pid_t cli = Start(
      {"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", root + "/INPUT/NB_LL.TXT"}, "sig");
  ASSERT_GT(cli, 0);
  const std::string pidFile = root + "/BIN/ORVANDEL.PID";
  ASSERT_TRUE(WaitForText(pidFile, "\n")) << ReadFile(dir / "sig.err");
  const pid_t program = static_cast<pid_t>(std::stol(ReadFile(pidFile)));
  ::kill(cli, GetParam());
  Outcome o = Finish(cli, "sig");
  EXPECT_EQ(o.status, 130);
  EXPECT_EQ(o.label(), "The conversion was NOT completed (cancelled) !");
  EXPECT_FALSE(fs::exists(root + "/WORKING/RUNNING.TXT"));
  EXPECT_TRUE(ProcessGone(program)) << "the program was left running";
  if (::kill(program, 0) == 0) ::kill(program, SIGKILL);
  InstallationLock again;
  EXPECT_EQ(again.Acquire(root + "/WORKING/KARTOVEX.LCK", "test"), LockResult::Acquired);
}

INSTANTIATE_TEST_SUITE_P(TermAndHangUp, CliSignal, ::testing::Values(SIGTERM, SIGHUP));

// A file-size limit makes a write fail; the front end reports it and ends
// normally instead of being killed by SIGXFSZ.
TEST_F(CliRunProtocol, FileSizeLimitIsAFailedWrite) {
  std::string big;
  for (int i = 0; i < 400; ++i) big += "P" + std::to_string(i) + ",45,57,48.96000,66,38,35.16000\n";
  WriteFile(root + "/big.TXT", big);
  std::vector<std::string> all =
      Args({"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", root + "/big.TXT"});
  std::vector<char*> argv;
  for (auto& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  const std::string out = dir / "fsize.out";
  const std::string err = dir / "fsize.err";
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    // Standard output and error go to a pipe, which the limit does not touch.
    ::dup2(fds[1], 1);
    ::dup2(fds[1], 2);
    ::close(fds[0]);
    ::close(fds[1]);
    struct rlimit limit {
      4096, 4096
    };
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::execv(KARTOVEX_CLI, argv.data());
    ::_exit(127);
  }
  ::close(fds[1]);
  std::string text;
  char buf[4096];
  for (;;) {
    ssize_t n = ::read(fds[0], buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    text.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fds[0]);
  int wstatus = 0;
  while (waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
  }
  EXPECT_TRUE(WIFEXITED(wstatus)) << "ended by signal "
                                  << (WIFSIGNALED(wstatus) ? WTERMSIG(wstatus) : 0);
  EXPECT_EQ(StatusOf(wstatus), 1) << text;
  EXPECT_NE(text.find("The conversion was NOT completed !"), std::string::npos) << text;
  EXPECT_NE(text.find("ERROR: "), std::string::npos) << text;
}

// WORKING pointed at a folder of the user's: neither start-up nor PROCESS
// deletes the user's files there, whatever their extension.
TEST_F(CliRunProtocol, UsersFilesInTheWorkingFolderSurvive) {
  const std::string mine = root + "/MINE/";
  fs::create_directories(mine);
  for (const char* f : {"survey.TXT", "old.REP", "ctl.DAT", "notes.OUT"}) WriteFile(mine + f, f);
  for (const char* f : {"bin.TXT", "keep.DAT", "x.NEW"}) WriteFile(root + "/BIN/" + f, f);
  std::string ini = ReadFile(root + "/KARTOVEX.INI");
  ini = std::regex_replace(ini, std::regex("\nWORKING=[^\r\n]*"), "\nWORKING=" + mine);
  WriteFile(root + "/KARTOVEX.INI", ini);
  Outcome o = Run({"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", root + "/INPUT/NB_LL.TXT",
                   "--report", root + "/OUTPUT/R.REP", "--data"});
  EXPECT_EQ(o.status, 0) << o.err;
  for (const char* f : {"survey.TXT", "old.REP", "ctl.DAT", "notes.OUT"})
    EXPECT_EQ(ReadFile(mine + f), f) << f;
  for (const char* f : {"bin.TXT", "keep.DAT", "x.NEW"})
    EXPECT_EQ(ReadFile(root + "/BIN/" + f), f) << f;
}

}  // namespace
}  // namespace kartovex::testing
