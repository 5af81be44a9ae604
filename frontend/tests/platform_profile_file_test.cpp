#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform_temp_dir.h"

namespace kartovex {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

class ProfileFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file = dir / "sample.ini";
    WriteFile(file,
              ReadFile(std::string(KARTOVEX_TESTDATA) + "/frontend/config/profile_sample.ini"));
  }
  std::string get(const std::string& section, const std::string& key,
                  const std::string& def = "<none>") {
    return GetPrivateProfileString(section, key, def, file);
  }
  TempDir dir;
  std::string file;
};

TEST_F(ProfileFileTest, SectionsAndKeysIgnoreCaseAndBlanksAreTrimmed) {
  EXPECT_EQ(get("First", "Key One"), "value one");
  EXPECT_EQ(get("FIRST", "key one"), "value one");
  EXPECT_EQ(get("Second", "KEY"), "second value");
}

TEST_F(ProfileFileTest, MatchingQuotesAreRemovedKeepingWhatIsInside) {
  EXPECT_EQ(get("first", "quoted"), "  padded  ");
  EXPECT_EQ(get("first", "single"), " ");
  EXPECT_EQ(get("first", "mismatched"), "'abc\"");
}

TEST_F(ProfileFileTest, AbsentKeySectionOrFileGivesTheDefault) {
  EXPECT_EQ(get("First", "nothing"), "<none>");
  EXPECT_EQ(get("Third", "key"), "<none>");
  EXPECT_EQ(get("First", "empty"), "");
  EXPECT_EQ(GetPrivateProfileString("First", "Key One", "d", dir / "missing.ini"), "d");
}

TEST_F(ProfileFileTest, OnlyTheFirstSectionOfANameCounts) {
  EXPECT_EQ(get("First", "late"), "<none>");
}

TEST_F(ProfileFileTest, CommentLinesAreNotKeys) {
  WriteFile(file, "[s]\n;k=commented\nk2=v\n");
  EXPECT_EQ(get("s", ";k"), "<none>");
  EXPECT_EQ(get("s", "k2"), "v");
}

TEST_F(ProfileFileTest, ValuesAreCutAt255Characters) {
  std::string longValue(300, 'x');
  WriteFile(file, "[s]\nk=" + longValue + "\n");
  EXPECT_EQ(get("s", "k"), std::string(255, 'x'));
  EXPECT_EQ(GetPrivateProfileString("s", "k", "", file, 10), std::string(10, 'x'));
}

TEST_F(ProfileFileTest, CrLfFilesReadLikeLfFiles) {
  WriteFile(file, "[s]\r\nk = v \r\n");
  EXPECT_EQ(get("s", "k"), "v");
}

TEST_F(ProfileFileTest, NameFoundIgnoringCase) {
  WriteFile(dir / "KARTOVEX.INI", "[s]\nk=v\n");
  EXPECT_EQ(GetPrivateProfileString("s", "k", "", dir / "kartovex.ini"), "v");
}

TEST_F(ProfileFileTest, WriteReplacesInPlaceAndKeepsEveryOtherLine) {
  std::string before = ReadFile(file);
  ASSERT_TRUE(WritePrivateProfileString("FIRST", "KEY ONE", "new", file));
  std::string after = ReadFile(file);
  std::string expected = before;
  expected.replace(expected.find("  Key One  =  value one  "), 25, "  Key One=new");
  EXPECT_EQ(after, expected);
  EXPECT_EQ(get("First", "Key One"), "new");
}

TEST_F(ProfileFileTest, WriteAppendsAKeyToItsSection) {
  ASSERT_TRUE(WritePrivateProfileString("second", "added", "1", file));
  std::string after = ReadFile(file);
  EXPECT_NE(after.find("key=second value\nadded=1\n[First]"), std::string::npos) << after;
  EXPECT_EQ(get("second", "added"), "1");
}

TEST_F(ProfileFileTest, WriteAppendsANewSectionAfterTheLastKeyOfTheFirst) {
  ASSERT_TRUE(WritePrivateProfileString("First", "newkey", "x", file));
  std::string after = ReadFile(file);
  // Inserted after the section's last entry, before the comment and blank lines that follow.
  EXPECT_NE(after.find("empty=\nnewkey=x\n\n; comment inside First"), std::string::npos) << after;
  ASSERT_TRUE(WritePrivateProfileString("Fresh", "k", "v", file));
  after = ReadFile(file);
  EXPECT_EQ(after.substr(after.size() - 12), "[Fresh]\nk=v\n");
}

TEST_F(ProfileFileTest, QuotedBlankSurvivesARoundTrip) {
  ASSERT_TRUE(WritePrivateProfileString("s", "Delimeter", "' '", file));
  EXPECT_EQ(get("s", "Delimeter"), " ");
}

TEST_F(ProfileFileTest, CrLfFileStaysCrLf) {
  WriteFile(file, "[s]\r\nk=v\r\n");
  ASSERT_TRUE(WritePrivateProfileString("s", "k", "w", file));
  ASSERT_TRUE(WritePrivateProfileString("s", "j", "x", file));
  EXPECT_EQ(ReadFile(file), "[s]\r\nk=w\r\nj=x\r\n");
}

TEST_F(ProfileFileTest, WriteCreatesAMissingFile) {
  std::string fresh = dir / "sub/new.ini";
  ASSERT_TRUE(WritePrivateProfileString("A", "b", "c", fresh));
  EXPECT_EQ(ReadFile(fresh), "[A]\nb=c\n");
}

TEST_F(ProfileFileTest, WriteFailsWhenTheFileCannotBeWritten) {
  WriteFile(dir / "plain", "x");
  EXPECT_FALSE(WritePrivateProfileString("A", "b", "c", dir / "plain/inside.ini"));
  EXPECT_FALSE(WritePrivateProfileString("A", "b", "c", dir.path()));
}

TEST_F(ProfileFileTest, ValueLineBreaksCannotSplitTheFile) {
  ASSERT_TRUE(WritePrivateProfileString("s", "k", "a\nb=c", file));
  EXPECT_EQ(get("s", "k"), "a b=c");
  EXPECT_EQ(get("s", "b"), "<none>");
}

TEST(ProfilePathTest, BareNamesGoToTheUserConfigurationDirectory) {
  TempDir dir;
  ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
  EXPECT_EQ(ResolveProfilePath("KARTOVEX.INI"), dir / "kartovex/KARTOVEX.INI");
  EXPECT_EQ(ResolveProfilePath("/etc/x.ini"), "/etc/x.ini");
  ASSERT_TRUE(WritePrivateProfileString("SETUP", "LANGUAGE", "FRENCH", "KARTOVEX.INI"));
  EXPECT_EQ(GetPrivateProfileString("setup", "language", "", "KARTOVEX.INI"), "FRENCH");
  EXPECT_TRUE(testing::Exists(dir / "kartovex/KARTOVEX.INI"));
}

}  // namespace
}  // namespace kartovex

namespace kartovex {
namespace {

TEST(ProfileOddFilesTest, MalformedLinesNeitherCrashNorMatch) {
  testing::TempDir dir;
  std::string file = dir / "odd.ini";
  testing::WriteFile(file, std::string("[unclosed\n=novalue\nkey\n[]\n=x\n[S]\nk=v\n\0bin\n", 42) +
                               "[T]\nk='\nq=\"\"\nr=''\n");
  EXPECT_EQ(GetPrivateProfileString("S", "k", "d", file), "v");
  EXPECT_EQ(GetPrivateProfileString("unclosed", "key", "d", file), "d");
  EXPECT_EQ(GetPrivateProfileString("T", "k", "d", file), "'");
  EXPECT_EQ(GetPrivateProfileString("T", "q", "d", file), "");
  EXPECT_EQ(GetPrivateProfileString("T", "r", "d", file), "");
  EXPECT_FALSE(WritePrivateProfileString("", "k", "v", file));
  EXPECT_FALSE(WritePrivateProfileString("S", "", "v", file));
}

TEST(ProfileOddFilesTest, ByteOrderMarkIsSkippedAndKept) {
  testing::TempDir dir;
  std::string file = dir / "bom.ini";
  testing::WriteFile(file, "\xEF\xBB\xBF[SETUP]\r\nLANGUAGE=FRENCH\r\n");
  EXPECT_EQ(GetPrivateProfileString("SETUP", "LANGUAGE", "", file), "FRENCH");
  ASSERT_TRUE(WritePrivateProfileString("SETUP", "LANGUAGE", "ENGLISH", file));
  EXPECT_EQ(testing::ReadFile(file), "\xEF\xBB\xBF[SETUP]\r\nLANGUAGE=ENGLISH\r\n");
}

}  // namespace
}  // namespace kartovex
