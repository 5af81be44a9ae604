// DATAFILE from KARTOVEX.INI's folder when the environment does not set it,
// so that an installation needs no environment set-up.

#include <gtest/gtest.h>

#include <filesystem>

#include "config_fixture.h"
#include "platform/environment.h"
#include "startup/startup.h"

namespace kartovex {
namespace {

namespace fs = std::filesystem;

class DatafileDefault : public testing::Installation {
 protected:
  bool start() { return StartUp(settings, messages, window, programDir); }
  StartupOutputs window;
};

TEST_F(DatafileDefault, TheFolderBesideTheConfigurationWhenUnset) {
  ::unsetenv("DATAFILE");
  fs::create_directories(programDir + "DATAFILE");
  ASSERT_TRUE(start()) << allTexts();
  EXPECT_TRUE(sink.messages.empty()) << allTexts();
  EXPECT_EQ(GetEnvironment("DATAFILE"), programDir + "DATAFILE/");
}

TEST_F(DatafileDefault, AnEmptyValueCountsAsUnset) {
  ::setenv("DATAFILE", "", 1);
  fs::create_directories(programDir + "DATAFILE");
  ASSERT_TRUE(start()) << allTexts();
  EXPECT_EQ(GetEnvironment("DATAFILE"), programDir + "DATAFILE/");
}

TEST_F(DatafileDefault, TheEnvironmentWins) {
  fs::create_directories(programDir + "DATAFILE");
  ::setenv("DATAFILE", (dir / "coeff").c_str(), 1);
  ASSERT_TRUE(start()) << allTexts();
  EXPECT_EQ(GetEnvironment("DATAFILE"), dir / "coeff");
}

TEST_F(DatafileDefault, WithoutTheFolderStartUpStillRefuses) {
  ::unsetenv("DATAFILE");
  EXPECT_FALSE(start());
  EXPECT_TRUE(
      hasText("The environment string 'DATAFILE' is not set. Set in autoexec.bat and try again!"))
      << allTexts();
  EXPECT_EQ(GetEnvironment("DATAFILE"), "");
}

// A configuration reached through a link: the folder beside the file itself.
TEST_F(DatafileDefault, TheFolderOfTheLinkedFile) {
  ::unsetenv("DATAFILE");
  fs::create_directories(programDir + "DATAFILE");
  fs::create_directories(dir / "link");
  fs::create_symlink(ini, dir / "link/KARTOVEX.INI");
  EXPECT_TRUE(DefaultDataFileFolder(dir / "link/KARTOVEX.INI"));
  EXPECT_EQ(GetEnvironment("DATAFILE"), programDir + "DATAFILE/");
  EXPECT_FALSE(DefaultDataFileFolder(dir / "link/KARTOVEX.INI"))
      << "set once, then the environment wins";
}

}  // namespace
}  // namespace kartovex
