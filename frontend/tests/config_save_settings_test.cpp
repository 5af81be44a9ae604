#include "config/save_settings.h"

#include <gtest/gtest.h>

#include "config/check_transform_files.h"
#include "config/utm_zone.h"
#include "config_fixture.h"
#include "platform/profile_file.h"

namespace kartovex {
namespace {

class SaveSettingsTest : public testing::Installation {
 protected:
  std::string get(const char* section, const char* key) {
    return GetPrivateProfileString(section, key, "<absent>", ini);
  }
};

TEST_F(SaveSettingsTest, WritesTheChangeableKeysAndNothingElse) {
  std::string before = testing::ReadFile(ini);
  settings.inputDir = "/data/in/";
  settings.outputDir = "/data/out/";
  settings.province = Province::NS;
  settings.mtmZone = MtmZone::Zone5;
  settings.fieldOrder = "NE";
  settings.delimiter = ";";
  settings.extraText = true;
  settings.displayExtraText = false;
  settings.language = Language::French;
  settings.pdfReader = "/usr/bin/reader";
  ChooseUtmZone(settings, UtmZone::Zone20);
  settings.binDir = "/changed/";
  settings.workDir = "/changed/";
  ASSERT_TRUE(SaveSettings(settings, messages));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(get("PATH", "INPUT"), "/data/in/");
  EXPECT_EQ(get("PATH", "OUTPUT"), "/data/out/");
  EXPECT_EQ(get("SETUP", "Province Code"), "NS");
  EXPECT_EQ(get("SETUP", "MTM Zone"), "5");
  EXPECT_EQ(get("SETUP", "EN order"), "NE");
  EXPECT_EQ(get("SETUP", "Delimeter"), ";");
  EXPECT_EQ(get("SETUP", "Extra Text"), "TRUE");
  EXPECT_EQ(get("SETUP", "Display Extra Text"), "FALSE");
  EXPECT_EQ(get("SETUP", "LANGUAGE"), "FRENCH");
  EXPECT_EQ(get("PATH", "PDF READER"), "/usr/bin/reader");
  EXPECT_EQ(get("SETUP", "UTM Zone"), "20");
  EXPECT_EQ(get("PATH", "ROOT"), root + "/");
  EXPECT_EQ(get("PATH", "WORKING"), root + "/work/");
  std::string after = testing::ReadFile(ini);
  // Comments and the order of the file are kept.
  EXPECT_EQ(after.substr(0, 60), before.substr(0, 60));
  EXPECT_EQ(std::count(after.begin(), after.end(), '\n'),
            std::count(before.begin(), before.end(), '\n'));
}

TEST_F(SaveSettingsTest, BlankDelimiterIsWrittenQuotedAndReadsBackAsABlank) {
  settings.delimiter = " ";
  ASSERT_TRUE(SaveSettings(settings, messages));
  EXPECT_NE(testing::ReadFile(ini).find("\nDelimeter=' '\n"), std::string::npos);
  EXPECT_EQ(get("SETUP", "Delimeter"), " ");
}

TEST_F(SaveSettingsTest, EmptyValuesTurnIntoTheirDefaults) {
  settings.inputDir = "";
  settings.outputDir = "";
  settings.mtmZone = MtmZoneFromText("");
  ChooseUtmZone(settings, UtmZone::None);
  ASSERT_TRUE(SaveSettings(settings, messages));
  EXPECT_EQ(get("PATH", "INPUT"), root + "/in/");
  EXPECT_EQ(get("PATH", "OUTPUT"), root + "/out/");
  EXPECT_EQ(get("SETUP", "MTM Zone"), "4");
  EXPECT_EQ(get("SETUP", "UTM Zone"), "21");
}

TEST_F(SaveSettingsTest, TheRunsEmptyZoneIsNotSaved) {
  ChooseUtmZone(settings, UtmZone::Zone20);
  BeginRunUtmZone(settings, true);
  EXPECT_EQ(settings.utmZone, UtmZone::None);
  ASSERT_TRUE(SaveSettings(settings, messages));
  EXPECT_EQ(get("SETUP", "UTM Zone"), "20");
}

TEST_F(SaveSettingsTest, EveryFailedWriteShowsItsBoxAndTheRestIsTried) {
  settings.inputDir = "/in/";
  settings.outputDir = "/out/";
  settings.iniPath = ini + "/not_a_dir.ini";
  EXPECT_FALSE(SaveSettings(settings, messages));
  ASSERT_EQ(sink.messages.size(), 11u);
  for (const auto& m : sink.messages) EXPECT_EQ(m.text, "ERROR updating INI File");
}

TEST(RunUtmZoneTest, RunZoneIsKeptApartFromTheChosenZone) {
  FrontEndSettings s;
  ChooseUtmZone(s, UtmZone::Zone21);
  EXPECT_EQ(s.utmZone, UtmZone::Zone21);
  BeginRunUtmZone(s, true);
  EXPECT_EQ(s.utmZone, UtmZone::None);
  s.utmZone = UtmZone::Zone19;  // the writers took the zone of the first point
  EXPECT_EQ(UtmZoneToSave(s), "21");
  BeginRunUtmZone(s, false);
  EXPECT_EQ(s.utmZone, UtmZone::Zone21);
}

class CheckTransformFilesTest : public testing::Installation {};

TEST_F(CheckTransformFilesTest, NewBrunswickNeedsNothing) {
  settings.province = Province::NB;
  ::unsetenv("DATAFILE");
  EXPECT_TRUE(CheckTransformFiles(settings, messages));
}

TEST_F(CheckTransformFilesTest, BothFilesMustBeInDatafile) {
  settings.province = Province::NS;
  EXPECT_TRUE(CheckTransformFiles(settings, messages));
  settings.province = Province::PEI;
  EXPECT_TRUE(CheckTransformFiles(settings, messages));
  std::filesystem::remove(dir / "coeff/TRPE7727.DAT");
  EXPECT_FALSE(CheckTransformFiles(settings, messages));
}

TEST_F(CheckTransformFilesTest, NamesFoundIgnoringCase) {
  settings.province = Province::NS;
  std::filesystem::rename(dir / "coeff/TRNS2777.DAT", dir / "coeff/trns2777.dat");
  EXPECT_TRUE(CheckTransformFiles(settings, messages));
}

TEST_F(CheckTransformFilesTest, BlankOrMissingNamesFail) {
  settings.province = Province::NS;
  setValue("Transform NS 27 to 77", "' '");
  EXPECT_FALSE(CheckTransformFiles(settings, messages));
  settings.province = Province::PEI;
  removeKey("Transform PEI 77 to 27");
  EXPECT_FALSE(CheckTransformFiles(settings, messages));
  EXPECT_EQ(sink.messages.back().title, "System ERROR");
  settings.province = ProvinceFromText("XX");
  EXPECT_FALSE(CheckTransformFiles(settings, messages));
}

}  // namespace
}  // namespace kartovex
