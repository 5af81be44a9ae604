#include "platform/paths.h"

#include <gtest/gtest.h>

#include "platform/remove_matching_files.h"
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

TEST(PlatformPathsTest, WildcardsMatchIgnoringCase) {
  EXPECT_TRUE(MatchesPattern("run1.bat", "*.BAT"));
  EXPECT_TRUE(MatchesPattern("RUN1.BAT", "*.bat"));
  EXPECT_FALSE(MatchesPattern("RUN1.BAT1", "*.BAT"));
  EXPECT_FALSE(MatchesPattern("kartovex.log", "*.TXT"));
  EXPECT_TRUE(MatchesPattern("IN_RUN1.TXT", "IN_RUN?.TXT"));
  EXPECT_FALSE(MatchesPattern("IN_RUN12.TXT", "IN_RUN?.TXT"));
  EXPECT_TRUE(MatchesPattern("a.b.c", "*.*"));
  EXPECT_TRUE(MatchesPattern("", "*"));
  EXPECT_FALSE(MatchesPattern("abc", ""));
  EXPECT_TRUE(MatchesPattern("aXbXc", "a*b*c"));
}

TEST(RemoveMatchingFilesTest, RemovesEveryMatchAndKeepsTheRest) {
  TempDir dir;
  for (const char* name : {"RUN1.BAT", "in_run1.txt", "INPUT.DAT", "QUILLON27.OUT", "x.new", "y.LIS",
                           "z.mis", "RUN1.PIF", "kartovex.log", "kartovex.err", "KARTOVEX.INI"})
    WriteFile(dir / name, "x");
  EXPECT_EQ(RemoveMatchingFiles("*.BAT;*.TXT;*.DAT;*.OUT;*.NEW;*.LIS;*.MIS", dir.path()), kRemoveOk);
  for (const char* gone : {"RUN1.BAT", "in_run1.txt", "INPUT.DAT", "QUILLON27.OUT", "x.new", "y.LIS", "z.mis"})
    EXPECT_FALSE(Exists(dir / gone)) << gone;
  for (const char* kept : {"RUN1.PIF", "kartovex.log", "kartovex.err", "KARTOVEX.INI"})
    EXPECT_TRUE(Exists(dir / kept)) << kept;
}

TEST(RemoveMatchingFilesTest, ProtectedPathsAreNeverDeleted) {
  TempDir dir;
  WriteFile(dir / "POINTS.TXT", "1");
  WriteFile(dir / "OTHER.TXT", "1");
  EXPECT_EQ(RemoveMatchingFiles("*.TXT", dir.path(), {dir / "points.txt"}), kRemoveOk);
  EXPECT_TRUE(Exists(dir / "POINTS.TXT"));
  EXPECT_FALSE(Exists(dir / "OTHER.TXT"));
  // The same file named through another spelling of its directory.
  EXPECT_EQ(RemoveMatchingFiles("*.TXT", dir.path(), {dir.path() + "./POINTS.TXT"}), kRemoveOk);
  EXPECT_TRUE(Exists(dir / "POINTS.TXT"));
}

TEST(RemoveMatchingFilesTest, NothingMatchingIsSuccessAndSubdirectoriesStay) {
  TempDir dir;
  std::filesystem::create_directories(dir / "KEEP.DAT");
  EXPECT_EQ(RemoveMatchingFiles("*.DAT", dir.path()), kRemoveOk);
  EXPECT_TRUE(Exists(dir / "KEEP.DAT"));
  EXPECT_EQ(RemoveMatchingFiles("", dir.path()), kRemoveOk);
}

TEST(RemoveMatchingFilesTest, MissingDirectoryIsError76) {
  TempDir dir;
  EXPECT_EQ(RemoveMatchingFiles("*.DAT", dir / "none/"), kRemoveDirNotFound);
  EXPECT_EQ(RemoveMatchingFiles("*.DAT", ""), kRemoveDirNotFound);
  WriteFile(dir / "file", "x");
  EXPECT_EQ(RemoveMatchingFiles("*.DAT", dir / "file"), kRemoveDirNotFound);
}

TEST(RemoveMatchingFilesTest, DirectoryWithoutTrailingSeparatorWorks) {
  TempDir dir;
  WriteFile(dir / "A.REP", "x");
  EXPECT_EQ(RemoveMatchingFiles(" *.REP ; *.DAT", WithoutLastCharacter(dir.path())), kRemoveOk);
  EXPECT_FALSE(Exists(dir / "A.REP"));
}

}  // namespace
}  // namespace kartovex
