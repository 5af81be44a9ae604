// The kartovex-cli program itself: --help, usage errors, Ctrl-C during a
// running console program, and the main job on the demo installation.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <proj.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <regex>
#include <sstream>
#include <thread>

#include "config_fixture.h"

extern char** environ;

namespace kartovex::testing {
namespace {

namespace fs = std::filesystem;

struct Child {
  pid_t pid = -1;
  std::string out, err;  // files of standard output and error
};

Child Spawn(const std::vector<std::string>& args, const std::string& outFile,
            const std::string& errFile) {
  Child c{-1, outFile, errFile};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  std::vector<std::string> all{KARTOVEX_CLI};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  if (posix_spawn(&c.pid, KARTOVEX_CLI, &actions, nullptr, argv.data(), environ) != 0) c.pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return c;
}

int Wait(const Child& c) {
  int status = 0;
  while (waitpid(c.pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string LastLine(const std::string& text) {
  std::string s = text;
  while (!s.empty() && s.back() == '\n') s.pop_back();
  auto nl = s.rfind('\n');
  return nl == std::string::npos ? s : s.substr(nl + 1);
}

class CliProgram : public Installation {
 public:
  int run(const std::vector<std::string>& args) {
    Child c = Spawn(args, dir / "stdout.txt", dir / "stderr.txt");
    EXPECT_GT(c.pid, 0);
    int code = Wait(c);
    out = ReadFile(c.out);
    err = ReadFile(c.err);
    return code;
  }
  std::string out, err;
};

TEST_F(CliProgram, HelpExitsZero) {
  EXPECT_EQ(run({"--help"}), 0);
  EXPECT_NE(out.find("Usage: kartovex-cli --from DATUM:FORM"), std::string::npos) << out;
  EXPECT_NE(out.find("Examples:"), std::string::npos);
}

TEST_F(CliProgram, UsageErrorExitsTwo) {
  EXPECT_EQ(run({"--from", "NAD27:LL"}), 2);
  EXPECT_NE(err.find("--to is required"), std::string::npos) << err;
  EXPECT_EQ(out, "");
}

TEST_F(CliProgram, StartUpFailureExitsThree) {
  ::unsetenv("DATAFILE");
  WriteFile(dir / "in/P.TXT", "P1,45,30,0,66,30,0\n");
  EXPECT_EQ(
      run({"--ini", ini, "--from", "NAD27:LL", "--to", "ATS77:EN", "--input", dir / "in/P.TXT"}),
      3);
  EXPECT_NE(err.find("DATAFILE"), std::string::npos) << err;
}

// ORVANDEL that never finishes: Ctrl-C must cancel it like the Cancel button.
TEST_F(CliProgram, CtrlCCancelsTheRunningProgram) {
  std::string program = dir / "bin/orvandel.exe";
  WriteFile(program, "#!/bin/sh\necho $$ > " + (dir / "bin/ORVANDEL.PID") + "\nexec sleep 60\n");
  fs::permissions(program, fs::perms::owner_all);
  WriteFile(dir / "bin/RUN1.PIF", "RUN1.BAT\n");
  WriteFile(dir / "in/P.TXT", "P1,45,30,0,66,30,0\n");
  Child c =
      Spawn({"--ini", ini, "--from", "NAD27:LL", "--to", "ATS77:EN", "--input", dir / "in/P.TXT"},
            dir / "stdout.txt", dir / "stderr.txt");
  ASSERT_GT(c.pid, 0);
  // Wait (without a time limit on the result) until the program runs.
  std::string pidFile = dir / "bin/ORVANDEL.PID";
  for (int i = 0; i < 3000 && ReadFile(pidFile).empty(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_FALSE(ReadFile(pidFile).empty()) << ReadFile(c.err);
  pid_t programPid = std::stoi(ReadFile(pidFile));
  ::kill(c.pid, SIGINT);
  EXPECT_EQ(Wait(c), 130);
  EXPECT_EQ(LastLine(ReadFile(c.out)), "The conversion was NOT completed (cancelled) !");
  EXPECT_FALSE(Exists(dir / "work/RUNNING.TXT")) << "the marker goes with the cancelled program";
  bool ended = false;
  for (int i = 0; i < 500 && !ended; ++i) {
    ended = ::kill(programPid, 0) != 0;
    if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(ended) << "the cancelled program was left running";
  if (!ended) ::kill(programPid, SIGKILL);
}

// The main job: NAD27 Lat,Long points of New Brunswick to ATS77 East,North
// on a copy of the demo installation.
class CliDemo : public ::testing::Test {
 public:
  void SetUp() override {
    root = dir.path().substr(0, dir.path().size() - 1);
    ASSERT_TRUE(testfiles::CopyDemoInstallation(KARTOVEX_DEMO_DIR, root))
        << "no demo installation in " << KARTOVEX_DEMO_DIR;
    ::setenv("DATAFILE", (root + "/DATAFILE/").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (root + "/xdg").c_str(), 1);
  }
  // The copied installation's configuration, as the program beside it would find it.
  int run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--ini", root + "/KARTOVEX.INI"});
    Child c = Spawn(args, dir / "stdout.log", dir / "stderr.log");
    EXPECT_GT(c.pid, 0);
    int code = Wait(c);
    out = ReadFile(c.out);
    err = ReadFile(c.err);
    return code;
  }
  TempDir dir;
  std::string root, out, err;
};

// NAD27 geographic to the ATS77 double stereographic grid of New Brunswick
// projected on the ATS77 ellipsoid without a datum shift: a bound on where
// each transformed point may lie.
void ExpectNearNbGrid(double latDeg, double lonWestDeg, double east, double north,
                      const std::string& id) {
  PJ_CONTEXT* ctx = proj_context_create();
  PJ* pj = proj_create(ctx,
                       "+proj=sterea +lat_0=46.5 +lon_0=-66.5 +k=0.999912 +x_0=300000 +y_0=800000 "
                       "+a=6378135 +rf=298.257 +units=m");
  ASSERT_NE(pj, nullptr);
  PJ_COORD in = proj_coord(proj_torad(-lonWestDeg), proj_torad(latDeg), 0, 0);
  PJ_COORD xy = proj_trans(pj, PJ_FWD, in);
  EXPECT_NEAR(east, xy.enu.e, 150.0) << id;
  EXPECT_NEAR(north, xy.enu.n, 150.0) << id;
  proj_destroy(pj);
  proj_context_destroy(ctx);
}

TEST_F(CliDemo, Nad27LatLongToAts77EastNorthInNewBrunswick) {
  std::string input = root + "/INPUT/NB_LL.TXT";
  std::string report = root + "/OUTPUT/NB_ATS77.REP";
  int code = run({"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", input, "--province", "NB",
                  "--report", report, "--data"});
  ASSERT_EQ(code, 0) << out << err;
  EXPECT_EQ(LastLine(out), "The conversion has been completed !");

  // Every input point, in order, in the data text file, near its place on the grid.
  std::string d;
  int n = 0;
  std::istringstream again(ReadFile(input)), out2(ReadFile(root + "/OUTPUT/NB_ATS77.TXT"));
  std::string inLine, outLine;
  while (std::getline(again, inLine) && !inLine.empty() && std::getline(out2, outLine)) {
    std::vector<std::string> a, b;
    for (std::stringstream ss(inLine); std::getline(ss, d, ',');) a.push_back(d);
    for (std::stringstream ss(outLine); std::getline(ss, d, ',');) b.push_back(d);
    ASSERT_EQ(b.size(), 3u) << outLine;
    EXPECT_EQ(b[0], a[0]);
    double lat = std::stod(a[1]) + std::stod(a[2]) / 60 + std::stod(a[3]) / 3600;
    double lon = std::stod(a[4]) + std::stod(a[5]) / 60 + std::stod(a[6]) / 3600;
    ExpectNearNbGrid(lat, lon, std::stod(b[1]), std::stod(b[2]), a[0]);
    ++n;
  }
  EXPECT_EQ(n, 5);

  std::string rep = ReadFile(report);
  EXPECT_NE(rep.find("*    Modules: ORVANDEL"), std::string::npos) << rep;
  EXPECT_NE(rep.find("Datum: ATS77"), std::string::npos);
  // ORVANDEL's files are copied to the output directory.
  for (const char* f : {"Orvandel.out", "Trn_cord.dat", "Trn_ghst.dat"})
    EXPECT_TRUE(Exists(root + "/OUTPUT/" + f)) << f;
  EXPECT_TRUE(Exists(input)) << "the input file is never deleted";
}

TEST_F(CliDemo, AccuracyFileOfALumbrixRoute) {
  std::string report = root + "/OUTPUT/CSRS.REP";
  int code = run({"--from", "ATS77:EN", "--to", "NAD83CSRS:LL", "--input",
                  root + "/INPUT/NB_EN77.TXT", "--report", report, "--data", "--accuracy"});
  ASSERT_EQ(code, 0) << out << err;
  EXPECT_TRUE(Exists(root + "/OUTPUT/CSRS.ACC"));
  EXPECT_FALSE(ReadFile(root + "/OUTPUT/CSRS.ACC").empty());
}

TEST_F(CliDemo, AccuracyFileOfAnOrvandelRouteIsExplainedNotFailed) {
  std::string report = root + "/OUTPUT/NOACC.REP";
  int code = run({"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", root + "/INPUT/NB_LL.TXT",
                  "--report", report, "--accuracy", "--french"});
  ASSERT_EQ(code, 0) << out << err;
  EXPECT_EQ(LastLine(out), "La conversion est RÉUSSIE !");
  EXPECT_FALSE(Exists(root + "/OUTPUT/NOACC.ACC"));
  EXPECT_NE(err.find("Cette conversion ne produit pas de fichier de précision"), std::string::npos)
      << err;
}

TEST_F(CliDemo, DefaultReportInTheWorkingDirectory) {
  ASSERT_EQ(run({"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", root + "/INPUT/NB_LL.TXT"}),
            0)
      << err;
  EXPECT_TRUE(Exists(root + "/WORKING/OUTPUT.REP"));
  EXPECT_TRUE(Exists(root + "/WORKING/OUTPUT.TXT"));
}

// As installed: the program beside KARTOVEX.INI finds it without --ini.
TEST_F(CliDemo, ProgramBesideTheConfigurationFindsIt) {
  std::string program = root + "/kartovex-cli";
  fs::copy_file(KARTOVEX_CLI, program, fs::copy_options::overwrite_existing);
  std::vector<std::string> all{
      program, "--from", "NAD27:LL", "--to", "ATS77:EN", "--input", root + "/INPUT/NB_LL.TXT"};
  std::vector<char*> argv;
  for (auto& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  std::string outFile = dir / "beside.out";
  posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  ASSERT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  EXPECT_EQ(Wait(Child{pid, outFile, ""}), 0);
  EXPECT_EQ(LastLine(ReadFile(outFile)), "The conversion has been completed !");
}

}  // namespace
}  // namespace kartovex::testing
