// Faults a surveyor's machine really has, injected around real runs of
// kartovex-cli on a private copy of the demo installation: a folder that
// cannot be written, a missing folder, a file-size limit, a program killed
// or missing, damaged data files and two runs at once. Every one must end
// with a message, a non-zero exit and no "completed"; the user's input file
// and an earlier result of the same name must come out of it untouched.
//
// Each case prints one line "FAULT | case | exit | message | input | result"
// so that a run of this file is also the table of what the user sees.

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "cli_process.h"

namespace e2e {
namespace {

constexpr const char* kEarlierReport = "earlier report: must survive a failed run\n";
constexpr const char* kEarlierData = "earlier data: must survive a failed run\n";
// The unprivileged user a root test runs the program as, so that file
// permissions hold for it.
constexpr uid_t kNobody = 65534;

struct Child {
  pid_t pid = -1;
  fs::path out, err;
};

struct Limits {
  std::optional<rlim_t> fileSize;  // RLIMIT_FSIZE in bytes
  bool asNobody = false;
};

// fork and exec without a shell, with the limits applied in the child.
Child Start(const DemoCopy& demo, std::vector<std::string> args, const Limits& limits,
            const std::string& tag) {
  Child child;
  child.out = demo.temp() / ("fault_" + tag + ".out");
  child.err = demo.temp() / ("fault_" + tag + ".err");
  args.insert(args.begin(), {demo.root() + "kartovex-cli", "--ini", demo.ini().string()});
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::string datafile = "DATAFILE=" + demo.datafile();
  std::vector<std::string> envText;
  for (char** e = environ; *e; ++e)
    if (std::string(*e).rfind("DATAFILE=", 0) != 0) envText.emplace_back(*e);
  envText.push_back(datafile);
  std::vector<char*> envp;
  for (auto& s : envText) envp.push_back(s.data());
  envp.push_back(nullptr);
  const std::string outPath = child.out.string(), errPath = child.err.string();

  child.pid = ::fork();
  if (child.pid == 0) {
    int in = ::open("/dev/null", O_RDONLY);
    int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (in < 0 || out < 0 || err < 0) ::_exit(126);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    if (limits.fileSize) {
      rlimit r{*limits.fileSize, *limits.fileSize};
      ::setrlimit(RLIMIT_FSIZE, &r);
    }
    if (limits.asNobody && ::getuid() == 0) {
      if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(126);
    }
    ::execve(argv[0], argv.data(), envp.data());
    ::_exit(127);
  }
  return child;
}

CliRun Wait(const Child& child) {
  CliRun run;
  if (child.pid <= 0) return run;
  const auto deadline = std::chrono::steady_clock::now() + kHangGuard;
  int status = 0;
  for (;;) {
    pid_t done = ::waitpid(child.pid, &status, WNOHANG);
    if (done == child.pid) break;
    if (done < 0) return run;
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(child.pid, SIGKILL);
      ::waitpid(child.pid, &status, 0);
      run.hung = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (!run.hung && WIFEXITED(status)) run.status = WEXITSTATUS(status);
  run.out = ReadText(child.out);
  run.err = ReadText(child.err);
  return run;
}

// The pid of a running process whose program is PATH; -1 when none.
pid_t FindProcess(const fs::path& program) {
  std::error_code ec;
  for (const auto& e : fs::directory_iterator("/proc", ec)) {
    const std::string name = e.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::error_code linkEc;
    fs::path exe = fs::read_symlink(e.path() / "exe", linkEc);
    if (!linkEc && exe == program) return static_cast<pid_t>(std::stol(name));
  }
  return -1;
}

// Every file and folder of the copy handed to the unprivileged user.
void GiveToNobody(const fs::path& root) {
  ::chown(root.c_str(), kNobody, kNobody);
  for (const auto& e : fs::recursive_directory_iterator(root))
    ::lchown(e.path().c_str(), kNobody, kNobody);
}

// N points of New Brunswick, NAD27 Lat,Long, with unique names.
std::string ManyPoints(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) {
    const int minutes = 50 + (i % 10), seconds = i % 60;
    text += "P" + std::to_string(i) + ",45," + std::to_string(minutes) + "," +
            std::to_string(seconds) + ".12345,66," + std::to_string(10 + i % 40) + ",35.16000\n";
  }
  return text;
}

// What a case leaves for the table and the checks.
struct Fault {
  std::string name;
  CliRun run;
  bool inputIntact = false;
  bool resultIntact = false;
};

std::string FirstMessageLine(const CliRun& run) {
  std::istringstream in(run.err);
  std::string line, all;
  while (std::getline(in, line)) {
    if (line.empty() || line.rfind("Progress", 0) == 0) continue;
    if (!all.empty()) all += " / ";
    all += line;
    if (all.size() > 160) break;
  }
  return all;
}

void Report(const Fault& f) {
  std::cout << "FAULT | " << f.name << " | " << f.run.status << " | " << FirstMessageLine(f.run)
            << " | " << (f.inputIntact ? "intact" : "CHANGED") << " | "
            << (f.resultIntact ? "intact" : "CHANGED") << "\n";
  // FAULT_VERBOSE=1 shows everything the user was told.
  if (std::getenv("FAULT_VERBOSE")) std::cout << f.run.err << f.run.out << "\n";
}

class FaultInjection : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!DemoInstalled()) GTEST_SKIP() << "demo installation absent";
    std::string error;
    ASSERT_TRUE(demo.make(error)) << error;
    ::chmod(demo.temp().c_str(), 0755);
  }

  // An input file of the user's and an earlier result under the names the
  // run will use.
  void Prepare(const fs::path& input, const std::string& text, const fs::path& report) {
    inputPath = input;
    inputText = text;
    WriteText(input, text);
    reportPath = report;
    dataPath = fs::path(report).replace_extension(".TXT");
    if (fs::exists(report.parent_path())) {
      WriteText(reportPath, kEarlierReport);
      WriteText(dataPath, kEarlierData);
    }
  }

  std::vector<std::string> Args(const std::string& from, const std::string& to,
                                const std::string& province) {
    return {"--from",     from,
            "--to",       to,
            "--input",    inputPath.string(),
            "--province", province,
            "--report",   reportPath.string(),
            "--data"};
  }

  Fault Finish(const std::string& name, const CliRun& run) {
    Fault f;
    f.name = name;
    f.run = run;
    f.inputIntact = ReadText(inputPath) == inputText;
    const bool hadEarlier = fs::exists(reportPath.parent_path());
    f.resultIntact = !hadEarlier ||
                     (ReadText(reportPath) == kEarlierReport && ReadText(dataPath) == kEarlierData);
    Report(f);
    return f;
  }

  // What every fault must give the user.
  static void ExpectFailedClearly(const Fault& f) {
    SCOPED_TRACE(f.name);
    EXPECT_FALSE(f.run.hung) << "the run never ended";
    EXPECT_NE(f.run.status, 0) << f.run.out << f.run.err;
    EXPECT_EQ(f.run.out.find("has been completed"), std::string::npos) << f.run.out;
    EXPECT_FALSE(FirstMessageLine(f.run).empty()) << "no message on standard error";
    EXPECT_TRUE(f.inputIntact) << "the user's input file changed";
    EXPECT_TRUE(f.resultIntact) << "the earlier result was lost";
  }

  DemoCopy demo;
  fs::path inputPath, reportPath, dataPath;
  std::string inputText;
};

TEST_F(FaultInjection, ReadOnlyOutputFolder) {
  const fs::path out = demo.temp() / "readonly";
  fs::create_directories(out);
  Prepare(demo.temp() / "user_pts.TXT", ReadText(demo.input() / "NB_LL.TXT"), out / "RESULT.REP");
  if (::getuid() == 0) GiveToNobody(demo.temp());
  for (const fs::path& p : {out, reportPath, dataPath}) ::chown(p.c_str(), 0, 0);
  ::chmod(out.c_str(), 0555);
  Limits limits;
  limits.asNobody = true;
  Fault f = Finish("read-only output folder",
                   Wait(Start(demo, Args("NAD27:LL", "ATS77:EN", "NB"), limits, "ro")));
  ExpectFailedClearly(f);
  EXPECT_NE(f.run.err.find(out.string()), std::string::npos)
      << "the message names the folder or file: " << f.run.err;
}

TEST_F(FaultInjection, ReportInAMissingFolder) {
  Prepare(demo.temp() / "user_pts.TXT", ReadText(demo.input() / "NB_LL.TXT"),
          demo.temp() / "no_such_folder" / "RESULT.REP");
  Fault f = Finish("report path in a missing folder",
                   Wait(Start(demo, Args("NAD27:LL", "ATS77:EN", "NB"), {}, "missing")));
  ExpectFailedClearly(f);
  EXPECT_NE(f.run.err.find("no_such_folder"), std::string::npos) << f.run.err;
  EXPECT_FALSE(fs::exists(demo.temp() / "no_such_folder"))
      << "the folder was made behind the user's back";
}

TEST_F(FaultInjection, FileSizeLimitStopsWritesPartWay) {
  Prepare(demo.temp() / "user_pts.TXT", ManyPoints(3000), demo.output() / "RESULT.REP");
  Limits limits;
  limits.fileSize = 64 * 1024;  // the input file itself is larger than this
  Fault f = Finish("file-size limit (RLIMIT_FSIZE 64 KiB)",
                   Wait(Start(demo, Args("NAD27:LL", "ATS77:EN", "NB"), limits, "fsize")));
  ExpectFailedClearly(f);
  EXPECT_NE(f.run.status, 128 + SIGXFSZ) << "the front end was killed by SIGXFSZ";
  EXPECT_NE(f.run.err.find("could not be written (File too large)"), std::string::npos)
      << f.run.err;
}

TEST_F(FaultInjection, ProgramKilledDuringTheRun) {
  Prepare(demo.temp() / "user_pts.TXT", ManyPoints(100000), demo.output() / "RESULT.REP");
  Child child = Start(demo, Args("NAD27:LL", "ATS77:EN", "NB"), {}, "killed");
  const fs::path program = demo.bin() / "orvandel";
  pid_t victim = -1;
  for (int i = 0; i < 6000 && victim < 0; ++i) {
    victim = FindProcess(program);
    if (victim < 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  ASSERT_GT(victim, 0) << "ORVANDEL never started";
  ::kill(victim, SIGKILL);
  Fault f = Finish("program killed with SIGKILL", Wait(child));
  ExpectFailedClearly(f);
  EXPECT_NE(Upper(f.run.err).find("ORVANDEL"), std::string::npos) << f.run.err;
  EXPECT_FALSE(fs::exists(demo.working() / "RUNNING.TXT"));
}

TEST_F(FaultInjection, ProgramMissing) {
  Prepare(demo.temp() / "user_pts.TXT", ReadText(demo.input() / "NB_EN77.TXT"),
          demo.output() / "RESULT.REP");
  fs::remove(demo.bin() / "vesperan");
  Fault f = Finish("program missing (VESPERAN)",
                   Wait(Start(demo, Args("ATS77:EN", "NAD83CSRS:EN", "NB"), {}, "nofile")));
  ExpectFailedClearly(f);
  EXPECT_NE(Upper(f.run.err).find("VESPERAN"), std::string::npos) << f.run.err;
}

TEST_F(FaultInjection, ProgramNotExecutable) {
  Prepare(demo.temp() / "user_pts.TXT", ReadText(demo.input() / "NB_EN77.TXT"),
          demo.output() / "RESULT.REP");
  fs::permissions(demo.bin() / "lumbrix",
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  Fault f = Finish("program not executable (LUMBRIX)",
                   Wait(Start(demo, Args("ATS77:EN", "NAD83CSRS:EN", "NB"), {}, "noexec")));
  ExpectFailedClearly(f);
  EXPECT_NE(Upper(f.run.err).find("LUMBRIX"), std::string::npos) << f.run.err;
}

TEST_F(FaultInjection, TruncatedCoefficientFile) {
  Prepare(demo.temp() / "user_pts.TXT", ReadText(demo.input() / "NB_LL.TXT"),
          demo.output() / "RESULT.REP");
  const fs::path coefficients = demo.dir("DATAFILE") / "TRNB2777.DAT";
  fs::resize_file(coefficients, fs::file_size(coefficients) / 2);
  Fault f = Finish("truncated coefficient file (TRNB2777.DAT)",
                   Wait(Start(demo, Args("NAD27:LL", "ATS77:EN", "NB"), {}, "coef")));
  ExpectFailedClearly(f);
  EXPECT_NE(Upper(f.run.err).find("ORVANDEL"), std::string::npos) << f.run.err;
}

TEST_F(FaultInjection, TruncatedGrid) {
  Prepare(demo.temp() / "user_pts.TXT", ReadText(demo.input() / "NB_EN77.TXT"),
          demo.output() / "RESULT.REP");
  const fs::path grid = demo.bin() / "NB77CS.GSB";
  fs::resize_file(grid, fs::file_size(grid) / 2);
  Fault f = Finish("truncated grid (NB77CS.GSB)",
                   Wait(Start(demo, Args("ATS77:EN", "NAD83CSRS:EN", "NB"), {}, "grid")));
  ExpectFailedClearly(f);
  EXPECT_NE(Upper(f.run.err).find("NB77CS.GSB"), std::string::npos) << f.run.err;
}

TEST_F(FaultInjection, SecondRunAtOnceIsRefused) {
  Prepare(demo.temp() / "big.TXT", ManyPoints(100000), demo.output() / "A.REP");
  Child first = Start(demo, Args("NAD27:LL", "ATS77:EN", "NB"), {}, "first");
  // The first run is under way once its program runs.
  pid_t running = -1;
  for (int i = 0; i < 6000 && running < 0; ++i) {
    running = FindProcess(demo.bin() / "orvandel");
    if (running < 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  ASSERT_GT(running, 0) << "the first run never started ORVANDEL";
  // Held still, so that the first run certainly holds the installation while
  // the second one tries, however loaded the machine.
  ::kill(running, SIGSTOP);

  const fs::path firstInput = inputPath, firstReport = reportPath;
  const std::string firstText = inputText;
  Prepare(demo.temp() / "small.TXT", ReadText(demo.input() / "NB_EN27.TXT"),
          demo.output() / "B.REP");
  Fault second = Finish("second run while another runs",
                        Wait(Start(demo, Args("NAD27:EN", "ATS77:EN", "NB"), {}, "second")));
  ::kill(running, SIGCONT);
  ExpectFailedClearly(second);
  EXPECT_NE(Upper(second.run.err).find("BIG.TXT"), std::string::npos)
      << "the refusal names the running one: " << second.run.err;

  const CliRun firstRun = Wait(first);
  EXPECT_EQ(firstRun.status, 0) << firstRun.err;
  EXPECT_NE(firstRun.out.find("has been completed"), std::string::npos) << firstRun.out;
  EXPECT_EQ(ReadText(firstInput), firstText);
  const auto data = ReadLines(fs::path(firstReport).replace_extension(".TXT"));
  EXPECT_EQ(data.size(), 100000u) << "the first run's result is not its own";
  if (!data.empty()) {
    EXPECT_EQ(data.front().rfind("P0,", 0), 0u) << data.front();
  }
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

// A program killed while writing leaves its output under name + ".PART";
// the next run clears those with the other work files.
TEST_F(FaultInjection, HalfWrittenOutputsOfAKilledProgramAreCleared) {
  Prepare(demo.temp() / "user_pts.TXT", ReadText(demo.input() / "NB_LL.TXT"),
          demo.output() / "RESULT.REP");
  for (const char* part :
       {"TRN_CORD.DAT.PART", "TRN_GHST.DAT.PART", "QUILLON27.OUT.PART", "XY_MAP.DAT.PART"})
    WriteText(demo.bin() / part, "half");
  const CliRun run = Wait(Start(demo, Args("NAD27:LL", "ATS77:EN", "NB"), {}, "parts"));
  EXPECT_EQ(run.status, 0) << run.err;
  for (const char* part :
       {"TRN_CORD.DAT.PART", "TRN_GHST.DAT.PART", "QUILLON27.OUT.PART", "XY_MAP.DAT.PART"})
    EXPECT_FALSE(fs::exists(demo.bin() / part)) << part;
}

}  // namespace
}  // namespace e2e
