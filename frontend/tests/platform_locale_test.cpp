#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "platform/decimal_separator.h"
#include "platform/environment.h"
#include "platform/ini_location.h"
#include "platform_temp_dir.h"

namespace kartovex {
namespace {

using testing::TempDir;
using testing::WriteFile;

TEST(DecimalSeparatorTest, TestsCanFixTheSeparator) {
  SetDecimalSeparatorOverride(std::string(","));
  EXPECT_EQ(DecimalSeparator(), ",");
  SetDecimalSeparatorOverride(std::string("."));
  EXPECT_EQ(DecimalSeparator(), ".");
  SetDecimalSeparatorOverride(std::nullopt);
}

TEST(DecimalSeparatorTest, ComesFromTheEnvironmentWithoutChangingTheProcessLocale) {
  SetDecimalSeparatorOverride(std::nullopt);
  ::setenv("LC_ALL", "C", 1);
  std::string before = std::setlocale(LC_NUMERIC, nullptr);
  EXPECT_EQ(DecimalSeparator(), ".");
  EXPECT_EQ(std::string(std::setlocale(LC_NUMERIC, nullptr)), before);
  // An unknown locale falls back to the point rather than failing.
  ::setenv("LC_ALL", "xx_NOWHERE.UTF-8", 1);
  EXPECT_EQ(DecimalSeparator(), ".");
  ::unsetenv("LC_ALL");
}

TEST(PlatformEnvironmentTest, UnsetIsEmpty) {
  ::unsetenv("KARTOVEX_FE1_UNSET");
  EXPECT_EQ(GetEnvironment("KARTOVEX_FE1_UNSET"), "");
  ::setenv("KARTOVEX_FE1_SET", "v", 1);
  EXPECT_EQ(GetEnvironment("KARTOVEX_FE1_SET"), "v");
}

TEST(IniLocationTest, UserConfigurationDirectory) {
  ::setenv("XDG_CONFIG_HOME", "/x/cfg", 1);
  EXPECT_EQ(UserConfigDirectory(), "/x/cfg/kartovex/");
  ::unsetenv("XDG_CONFIG_HOME");
  ::setenv("HOME", "/home/u", 1);
  EXPECT_EQ(UserConfigDirectory(), "/home/u/.config/kartovex/");
}

TEST(IniLocationTest, BesideTheProgramFirst) {
  TempDir dir;
  WriteFile(dir / "kartovex.ini", "[SETUP]\n");
  EXPECT_EQ(LocateIniFile(dir.path()), dir / "kartovex.ini");
  EXPECT_EQ(LocateIniFile(testing::TempDir().path()), "KARTOVEX.INI");
  EXPECT_EQ(LocateIniFile(""), "KARTOVEX.INI");
}

TEST(IniLocationTest, ProgramDirectoryIsTheTestBinarysDirectory) {
  std::string dir = ProgramDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_TRUE(testing::Exists(dir + "frontend_tests"));
}

}  // namespace
}  // namespace kartovex
