// kartovex-cli --init: a working installation laid out from the installed
// data, and a conversion run there with no DATAFILE in the environment.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/cli_init.h"
#include "cli/cli_run.h"
#include "config_fixture.h"

namespace kartovex::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTemplateRoot = "/opt/template/demo/";

class CliInit : public ::testing::Test {
 public:
  void SetUp() override {
    share = dir / "usr/share/kartovex/demo";
    lib = dir / "usr/lib/kartovex";
    WriteFile(
        share + "/KARTOVEX.INI",
        "[PATH]\r\nROOT=/opt/template/demo/\r\nBIN=BIN/\r\nWORKING=/opt/template/demo/WORKING/\r\n"
        "[FILE]\r\nHELP=KARTOVEX_EN.HTM\r\n");
    WriteFile(share + "/BIN/RUN1.PIF", "RUN1.BAT\n");
    WriteFile(share + "/BIN/KARTOVEX_EN.HTM", "<html></html>");
    WriteFile(share + "/DATAFILE/TRNB2777.DAT", "coefficients");
    WriteFile(share + "/INPUT/NB_LL.TXT", "P1,45,30,0,66,30,0\n");
    for (const char* sub : {"/WORKING", "/OUTPUT"}) fs::create_directories(share + sub);
    for (const char* program : {"quillon27", "vesperan", "lumbrix"})
      WriteFile(lib + "/" + program, program);
    WriteFile(dir / "usr/bin/orvandel", "orvandel");
    data = cli::InstalledDataBeside(dir / "usr/bin/");
    target = dir / "inst";
  }
  int init(const std::string& where) { return cli::InitInstallation(where, data, err); }

  TempDir dir;
  std::string share, lib, target;
  cli::InstalledData data;
  std::ostringstream err;
};

TEST_F(CliInit, InstalledDataIsFoundBesideTheProgram) {
  EXPECT_EQ(data.templateDir, share);
  EXPECT_EQ(data.programDirs[0], lib);
  EXPECT_EQ(data.programDirs[1], dir / "usr/bin/");
}

TEST_F(CliInit, LaysOutAnInstallationWithItsOwnPaths) {
  ASSERT_EQ(init(target), cli::kExitCompleted) << err.str();
  std::string ini = ReadFile(target + "/KARTOVEX.INI");
  EXPECT_EQ(ini, "[PATH]\r\nROOT=" + target + "/\r\nBIN=BIN/\r\nWORKING=" + target +
                     "/WORKING/\r\n"
                     "[FILE]\r\nHELP=KARTOVEX_EN.HTM\r\n");
  EXPECT_EQ(ini.find(kTemplateRoot), std::string::npos);
  EXPECT_EQ(ReadFile(target + "/BIN/RUN1.PIF"), "RUN1.BAT\n");
  EXPECT_EQ(ReadFile(target + "/DATAFILE/TRNB2777.DAT"), "coefficients");
  EXPECT_EQ(ReadFile(target + "/INPUT/NB_LL.TXT"), "P1,45,30,0,66,30,0\n");
  for (const char* sub : {"/WORKING", "/OUTPUT"})
    EXPECT_TRUE(fs::is_directory(target + sub)) << sub;
  for (const char* program : {"orvandel", "quillon27", "vesperan", "lumbrix"}) {
    fs::path p = target + "/BIN/" + program;
    ASSERT_TRUE(fs::is_regular_file(p)) << program;
    EXPECT_EQ(ReadFile(p), program);
    EXPECT_NE(fs::status(p).permissions() & fs::perms::owner_exec, fs::perms::none) << program;
  }
}

TEST_F(CliInit, EditorIsTheDesktopOpenerFoundOnThePath) {
  WriteFile(share + "/KARTOVEX.INI",
            "[PATH]\r\nROOT=/opt/template/demo/\r\nBIN=BIN/\r\nEDITOR=/usr/bin/\r\n"
            "[FILE]\r\nEDITOR=editor\r\nHELP=KARTOVEX_EN.HTM\r\n");
  std::string openerDir = dir / "desktop/bin";
  WriteFile(openerDir + "/xdg-open", "#!/bin/sh\n");
  fs::permissions(openerDir + "/xdg-open", fs::perms::owner_all);
  const char* old = std::getenv("PATH");
  std::string saved = old ? old : "";
  ::setenv("PATH", (dir / "nowhere:" + openerDir + ":" + saved).c_str(), 1);
  int status = init(target);
  ::setenv("PATH", saved.c_str(), 1);
  ASSERT_EQ(status, cli::kExitCompleted) << err.str();
  EXPECT_EQ(ReadFile(target + "/KARTOVEX.INI"),
            "[PATH]\r\nROOT=" + target + "/\r\nBIN=BIN/\r\nEDITOR=" + openerDir +
                "/\r\n"
                "[FILE]\r\nEDITOR=xdg-open\r\nHELP=KARTOVEX_EN.HTM\r\n");
}

TEST_F(CliInit, EditorFolderIsUsrBinWithoutAnOpenerOnThePath) {
  WriteFile(share + "/KARTOVEX.INI",
            "[PATH]\r\nROOT=/opt/template/demo/\r\nEDITOR=/opt/x/\r\n[FILE]\r\nEDITOR=editor\r\n");
  const char* old = std::getenv("PATH");
  std::string saved = old ? old : "";
  ::setenv("PATH", (dir / "nowhere").c_str(), 1);
  int status = init(target);
  ::setenv("PATH", saved.c_str(), 1);
  ASSERT_EQ(status, cli::kExitCompleted) << err.str();
  EXPECT_EQ(ReadFile(target + "/KARTOVEX.INI"),
            "[PATH]\r\nROOT=" + target + "/\r\nEDITOR=/usr/bin/\r\n[FILE]\r\nEDITOR=xdg-open\r\n");
}

TEST_F(CliInit, ReadOnlyInstalledDataGivesAWritableInstallation) {
  for (const auto& e : fs::recursive_directory_iterator(share))
    if (e.is_regular_file())
      fs::permissions(e.path(), fs::perms::owner_read | fs::perms::group_read);
  ASSERT_EQ(init(target), cli::kExitCompleted) << err.str();
  for (const char* file : {"/BIN/RUN1.PIF", "/KARTOVEX.INI", "/DATAFILE/TRNB2777.DAT"})
    EXPECT_NE(fs::status(target + file).permissions() & fs::perms::owner_write, fs::perms::none)
        << file;
  EXPECT_NE(fs::status(target + "/BIN").permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(CliInit, AnEmptyFolderIsUsed) {
  fs::create_directories(target);
  EXPECT_EQ(init(target + "/"), cli::kExitCompleted) << err.str();
  EXPECT_NE(ReadFile(target + "/KARTOVEX.INI").find("ROOT=" + target + "/\r\n"), std::string::npos);
}

TEST_F(CliInit, RefusesAFolderThatIsNotEmpty) {
  WriteFile(target + "/mine.txt", "keep");
  EXPECT_EQ(init(target), cli::kExitUsage);
  EXPECT_NE(err.str().find("not an empty folder"), std::string::npos) << err.str();
  EXPECT_FALSE(fs::exists(target + "/KARTOVEX.INI"));
  EXPECT_EQ(ReadFile(target + "/mine.txt"), "keep");
}

TEST_F(CliInit, RefusesAFile) {
  WriteFile(target, "a file");
  EXPECT_EQ(init(target), cli::kExitUsage);
  EXPECT_EQ(ReadFile(target), "a file");
}

TEST_F(CliInit, MissingInstalledDataLaysOutNothing) {
  fs::remove(lib + "/lumbrix");
  EXPECT_EQ(init(target), cli::kExitStartupFailed);
  EXPECT_NE(err.str().find("lumbrix"), std::string::npos) << err.str();
  EXPECT_FALSE(fs::exists(target));
  fs::remove(share + "/KARTOVEX.INI");
  err.str("");
  EXPECT_EQ(init(target), cli::kExitStartupFailed);
  EXPECT_NE(err.str().find("KARTOVEX.INI"), std::string::npos) << err.str();
}

TEST_F(CliInit, ThroughTheCommandLine) {
  std::ostringstream out;
  cli::CliEnvironment env;
  env.programDir = dir / "usr/bin/";
  env.out = &out;
  env.err = &err;
  EXPECT_EQ(cli::CliMain({"--init", target}, "kartovex-cli", env), cli::kExitCompleted)
      << err.str();
  EXPECT_TRUE(fs::exists(target + "/BIN/orvandel"));
  EXPECT_EQ(out.str(), "Installation laid out in " + target + "/\n");
  EXPECT_EQ(err.str(), "");
  out.str("");
  EXPECT_EQ(cli::CliMain({"--init", target + "2", "--quiet"}, "kartovex-cli", env),
            cli::kExitCompleted);
  EXPECT_EQ(out.str(), "");
  EXPECT_TRUE(fs::exists(target + "2/BIN/orvandel"));
  EXPECT_EQ(cli::CliMain({"--init", target}, "kartovex-cli", env), cli::kExitUsage);
  err.str("");
  EXPECT_EQ(cli::CliMain({"--french", "--init", target}, "kartovex-cli", env), cli::kExitUsage);
  EXPECT_EQ(err.str(),
            "kartovex-cli: '" + target +
                "' existe et n'est pas un répertoire vide; --init en demande un nouveau\n");
}

// The tests' demo installation as the installed template: the laid-out
// installation converts with no DATAFILE in the environment.
TEST(CliInitDemo, ConvertsWithoutDatafileInTheEnvironment) {
  std::string demo = KARTOVEX_DEMO_DIR;
  if (!fs::exists(demo + "/KARTOVEX.INI")) GTEST_SKIP() << "no demo installation";
  TempDir dir;
  cli::InstalledData data;
  data.templateDir = demo;
  data.programDirs[0] = demo + "/BIN";
  std::ostringstream out, err;
  std::string target = dir / "inst";
  ASSERT_EQ(cli::InitInstallation(target, data, err), cli::kExitCompleted) << err.str();
  EXPECT_EQ(ReadFile(target + "/KARTOVEX.INI").find(demo), std::string::npos);

  ::unsetenv("DATAFILE");
  ::setenv("XDG_CONFIG_HOME", (dir / "xdg").c_str(), 1);
  cli::CliEnvironment env;
  env.programDir = dir / "elsewhere/";
  env.out = &out;
  env.err = &err;
  int code = cli::CliMain({"--ini", target + "/KARTOVEX.INI", "--from", "NAD27:LL", "--to",
                           "ATS77:EN", "--input", target + "/INPUT/NB_LL.TXT", "--province", "NB",
                           "--report", target + "/OUTPUT/NB.REP", "--data"},
                          "kartovex-cli", env);
  EXPECT_EQ(code, cli::kExitCompleted) << out.str() << err.str();
  EXPECT_EQ(out.str(), "The conversion has been completed !\n");
  std::string txt = ReadFile(target + "/OUTPUT/NB.TXT");
  EXPECT_EQ(txt.rfind("FREDTN,", 0), 0u) << txt;
  ::unsetenv("DATAFILE");
}

}  // namespace
}  // namespace kartovex::testing
