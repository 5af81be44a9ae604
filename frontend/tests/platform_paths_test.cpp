#include "platform/paths.h"

#include <gtest/gtest.h>

#include "platform_temp_dir.h"

namespace kartovex {
namespace {

using testing::Exists;
using testing::TempDir;
using testing::WriteFile;

TEST(PlatformPathsTest, DirectoryHelpers) {
  EXPECT_EQ(WithTrailingSeparator("/a/b"), "/a/b/");
  EXPECT_EQ(WithTrailingSeparator("/a/b/"), "/a/b/");
  EXPECT_EQ(WithTrailingSeparator(""), "");
  EXPECT_EQ(WithoutLastCharacter("/a/b/"), "/a/b");
  EXPECT_EQ(WithoutLastCharacter(""), "");
  EXPECT_EQ(DirectoryOf("/a/b/c.txt"), "/a/b/");
  EXPECT_EQ(DirectoryOf("c.txt"), "");
  EXPECT_EQ(FileNameOf("/a/b/c.txt"), "c.txt");
  EXPECT_EQ(ToUpper("abc.Txt"), "ABC.TXT");
  EXPECT_TRUE(EqualsIgnoringCase("trn_cord.dat", "TRN_CORD.DAT"));
  EXPECT_FALSE(EqualsIgnoringCase("trn_cord.dat", "TRN_CORD.DA"));
}

TEST(PlatformPathsTest, FilesAreFoundIgnoringCaseWithinTheirDirectory) {
  TempDir dir;
  WriteFile(dir / "TRN_CORD.DAT", "data");
  auto found = FindIgnoringCase(dir / "trn_cord.dat");
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, dir / "TRN_CORD.DAT");
  EXPECT_EQ(ResolveForReading(dir / "Trn_Cord.dat"), dir / "TRN_CORD.DAT");
  EXPECT_EQ(ResolveForReading(dir / "other.dat"), dir / "other.dat");
  EXPECT_FALSE(FindIgnoringCase(dir / "missing.dat"));
  EXPECT_FALSE(FindIgnoringCase(""));
}

TEST(PlatformPathsTest, AnExactNameWinsOverOtherSpellings) {
  TempDir dir;
  WriteFile(dir / "a.txt", "1");
  WriteFile(dir / "A.TXT", "2");
  EXPECT_EQ(*FindIgnoringCase(dir / "A.TXT"), dir / "A.TXT");
  EXPECT_EQ(*FindIgnoringCase(dir / "a.txt"), dir / "a.txt");
  EXPECT_EQ(*FindIgnoringCase(dir / "A.txt"), dir / "A.TXT");
}

TEST(PlatformPathsTest, DirectoriesAreNotFiles) {
  TempDir dir;
  std::filesystem::create_directories(dir / "Sub");
  EXPECT_FALSE(PathExists(dir / "sub"));
  EXPECT_TRUE(DirectoryExists(dir / "Sub"));
  EXPECT_FALSE(DirectoryExists(dir / "Nope"));
  EXPECT_FALSE(DirectoryExists(""));
}

TEST(PlatformPathsTest, FileExistsNeedsANonEmptyFile) {
  TempDir dir;
  WriteFile(dir / "RUNNING.TXT", "RUNNING...\r\n");
  WriteFile(dir / "EMPTY.TXT", "");
  EXPECT_TRUE(FileExists(dir / "running.txt"));
  EXPECT_FALSE(FileExists(dir / "EMPTY.TXT"));
  EXPECT_TRUE(PathExists(dir / "EMPTY.TXT"));
  EXPECT_FALSE(FileExists(dir / "NONE.TXT"));
}

TEST(PlatformPathsTest, ProgramsAreFoundWithOrWithoutExe) {
  TempDir dir;
  WriteFile(dir / "ORVANDEL", "x");
  WriteFile(dir / "Quillon27.EXE", "x");
  EXPECT_TRUE(ProgramExists(dir.path(), "orvandel.exe"));
  EXPECT_TRUE(ProgramExists(dir.path(), "orvandel"));
  EXPECT_TRUE(ProgramExists(dir.path(), "quillon27.exe"));
  EXPECT_TRUE(ProgramExists(dir.path(), "QUILLON27"));
  EXPECT_FALSE(ProgramExists(dir.path(), "vesperan.exe"));
}

}  // namespace
}  // namespace kartovex
