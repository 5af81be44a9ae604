#include "core/settings_types.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "config/load_extents.h"
#include "config/save_settings.h"
#include "config/startup_outputs.h"
#include "config/utm_zone.h"
#include "config_fixture.h"
#include "messages/text.h"
#include "platform/profile_file.h"
#include "routes/answer_templates.h"
#include "startup/startup.h"
#include "test_settings.h"

namespace kartovex {
namespace {

// ---- Text <-> value ----

TEST(SettingTypes, KnownTextsReadToTheirValuesAndWriteBackTheSame) {
  const std::vector<std::pair<std::string, Province>> provinces{
      {"NB", Province::NB}, {"NS", Province::NS}, {"PEI", Province::PEI}};
  for (const auto& [text, value] : provinces) {
    EXPECT_EQ(ProvinceFromText(text), value) << text;
    EXPECT_EQ(SettingText(ProvinceSetting(value)), text);
  }
  const std::vector<std::pair<std::string, Language>> languages{{"ENGLISH", Language::English},
                                                                {"FRENCH", Language::French}};
  for (const auto& [text, value] : languages) {
    EXPECT_EQ(LanguageFromText(text), value) << text;
    EXPECT_EQ(SettingText(LanguageSetting(value)), text);
  }
  const std::vector<std::pair<std::string, MtmZone>> mtm{{"4", MtmZone::Zone4},
                                                         {"5", MtmZone::Zone5}};
  for (const auto& [text, value] : mtm) {
    EXPECT_EQ(MtmZoneFromText(text), value) << text;
    EXPECT_EQ(SettingText(MtmZoneSetting(value)), text);
  }
  const std::vector<std::pair<std::string, UtmZone>> utm{{"", UtmZone::None},
                                                         {"19", UtmZone::Zone19},
                                                         {"20", UtmZone::Zone20},
                                                         {"21", UtmZone::Zone21}};
  for (const auto& [text, value] : utm) {
    EXPECT_EQ(UtmZoneFromText(text), value) << text;
    EXPECT_EQ(SettingText(UtmZoneSetting(value)), text);
  }
}

// The file may hold anything: the exact text is matched (no trimming, no
// case folding) and any other text is kept to be shown and written back.
TEST(SettingTypes, OtherTextsAreKeptExactly) {
  for (const char* text : {"-1", "QC", "nb", "NS ", " PEI", "Ns", ""}) {
    const ProvinceSetting p = ProvinceFromText(text);
    EXPECT_EQ(p, Province::Other) << text;
    EXPECT_EQ(SettingText(p), text);
  }
  for (const char* text : {"-1", "french", "English", "SPANISH", " FRENCH", ""}) {
    const LanguageSetting l = LanguageFromText(text);
    EXPECT_EQ(l, Language::Other) << text;
    EXPECT_EQ(SettingText(l), text);
  }
  for (const char* text : {"6", "04", " 4", "5 ", "-1", ""}) {
    const MtmZoneSetting z = MtmZoneFromText(text);
    EXPECT_EQ(z, MtmZone::Other) << text;
    EXPECT_EQ(SettingText(z), text);
  }
  for (const char* text : {"22", "019", " 20", "-1", "9"}) {
    const UtmZoneSetting z = UtmZoneFromText(text);
    EXPECT_EQ(z, UtmZone::Other) << text;
    EXPECT_EQ(SettingText(z), text);
  }
}

// Two settings are equal exactly when their texts are: a change from one
// unknown text to another is a change (extents are re-read on it).
TEST(SettingTypes, EqualExactlyWhenTheTextsAre) {
  EXPECT_EQ(ProvinceFromText("QC"), ProvinceFromText("QC"));
  EXPECT_NE(ProvinceFromText("QC"), ProvinceFromText("ON"));
  EXPECT_NE(ProvinceFromText("QC"), ProvinceSetting(Province::NB));
  EXPECT_NE(MtmZoneFromText("6"), MtmZoneFromText(""));
  EXPECT_NE(UtmZoneFromText("-1"), UtmZoneSetting(UtmZone::None));
  EXPECT_EQ(UtmZoneFromText(""), UtmZoneSetting(UtmZone::None));
}

// Messages are French only for "FRENCH", captions English only for
// "ENGLISH": any other text gives French captions with English messages.
TEST(SettingTypes, LanguageOtherThanBothGivesFrenchCaptionsAndEnglishMessages) {
  const Text yes{"Yes", "Oui"};
  struct Case {
    const char* text;
    const char* message;
    const char* caption;
  };
  for (const Case& c :
       {Case{"ENGLISH", "Yes", "Yes"}, Case{"FRENCH", "Oui", "Oui"}, Case{"french", "Yes", "Oui"},
        Case{"English", "Yes", "Oui"}, Case{"-1", "Yes", "Oui"}, Case{"", "Yes", "Oui"}}) {
    EXPECT_EQ(pick(yes, LanguageFromText(c.text)), c.message) << c.text;
    EXPECT_EQ(pickCaption(yes, LanguageFromText(c.text)), c.caption) << c.text;
  }
}

// ---- Texts derived from the settings ----

TEST(SettingTypes, LabelsPrefixesAndAnswersShowTheSettingText) {
  EXPECT_EQ(ProvinceLabel(Province::NS, MtmZone::Zone5), "Province = 'NS' Zone (5)");
  EXPECT_EQ(ProvinceLabel(Province::PEI, MtmZone::Zone5), "Province = 'PEI'");
  EXPECT_EQ(ProvinceLabel(ProvinceFromText("QC"), MtmZone::Zone4), "Province = 'QC'");
  EXPECT_EQ(ProvinceLabel(Province::NS, MtmZoneFromText("6")), "Province = 'NS' Zone (6)");
  EXPECT_EQ(UtmZoneLabel(UtmZone::Zone21), "UTM Zone 21");
  EXPECT_EQ(UtmZoneLabel(UtmZone::None), "UTM Zone ");
  EXPECT_EQ(UtmZoneLabel(UtmZoneFromText("22")), "UTM Zone 22");
  EXPECT_EQ(ExtentSectionPrefix(ProvinceFromText("QC"), MtmZone::Zone5), "QC ");
  EXPECT_EQ(ExtentSectionPrefix(Province::NS, MtmZoneFromText("6")), "NS 6 ");
  // An unknown province answers as New Brunswick.
  EXPECT_EQ(ProvinceNumber(ProvinceFromText("QC")), "1");
  EXPECT_EQ(ProvinceNumber(ProvinceFromText("QC"), true), "4");
}

// ---- The configuration file: read at start-up, written back at EXIT ----

class SettingsIniTest : public testing::Installation {
 protected:
  bool start() { return StartUp(settings, messages, window, programDir); }
  std::string get(const char* key) {
    return GetPrivateProfileString("SETUP", key, "<absent>", ini);
  }
  void set(const char* key, const std::string& value) {
    if (get(key) != value) setValue(key, value);
  }
  // Extents sections for a province the front end does not know, copied
  // from New Brunswick's.
  void addExtentsFor(const std::string& province) {
    std::string text = testing::ReadFile(ini);
    std::smatch m;
    std::string copy;
    for (const char* datum : {"LAT_LONG", "NAD83", "ATS77", "NAD27"}) {
      ASSERT_TRUE(
          std::regex_search(text, m, std::regex(std::string(R"(\[NB )") + datum + R"(\][^\[]*)")));
      copy += std::regex_replace(m.str(), std::regex(R"(^\[NB )"), "[" + province + " ");
    }
    testing::WriteFile(ini, text + "\n" + copy);
  }
  StartupOutputs window;
};

TEST_F(SettingsIniTest, EveryKnownCombinationReadsAndWritesBackTheSameFile) {
  struct Case {
    const char* province;
    const char* mtm;
    const char* utm;
    const char* language;
  };
  for (const Case& c : {Case{"NB", "4", "19", "ENGLISH"}, Case{"NS", "4", "20", "FRENCH"},
                        Case{"NS", "5", "21", "ENGLISH"}, Case{"PEI", "5", "20", "FRENCH"}}) {
    set("Province Code", c.province);
    set("MTM Zone", c.mtm);
    set("UTM Zone", c.utm);
    set("LANGUAGE", c.language);
    const std::string before = testing::ReadFile(ini);
    settings = FrontEndSettings{};
    settings.iniPath = ini;
    ASSERT_TRUE(start()) << c.province << allTexts();
    EXPECT_EQ(settings.province, ProvinceFromText(c.province));
    EXPECT_NE(settings.province, Province::Other);
    EXPECT_NE(settings.mtmZone, MtmZone::Other);
    EXPECT_NE(settings.utmZoneSetting, UtmZone::Other);
    EXPECT_NE(settings.language, Language::Other);
    EXPECT_EQ(SettingText(settings.mtmZone), c.mtm);
    EXPECT_EQ(SettingText(settings.utmZone), c.utm);
    EXPECT_EQ(SettingText(settings.language), c.language);
    ASSERT_TRUE(SaveSettings(settings, messages));
    EXPECT_EQ(testing::ReadFile(ini), before) << c.province << " " << c.mtm;
  }
}

TEST_F(SettingsIniTest, UnknownLanguageAndZonesBehaveAsBeforeAndWriteBackAsTheyWere) {
  setValue("LANGUAGE", "Spanish");
  setValue("MTM Zone", "6");
  setValue("UTM Zone", "22");
  ASSERT_TRUE(start()) << allTexts();
  EXPECT_EQ(settings.language, Language::Other);
  EXPECT_EQ(settings.mtmZone, MtmZone::Other);
  EXPECT_EQ(settings.utmZone, UtmZone::Other);
  // French captions, English messages.
  EXPECT_FALSE(window.captionsEnglish);
  EXPECT_FALSE(messages.french());
  EXPECT_EQ(window.delimiterLabel, "Délimité par = ','");
  EXPECT_EQ(window.utmZoneLabel, "UTM Zone 22");
  EXPECT_EQ(window.provinceLabel, "Province = 'NB'");
  ASSERT_TRUE(SaveSettings(settings, messages));
  EXPECT_EQ(get("LANGUAGE"), "Spanish");
  EXPECT_EQ(get("MTM Zone"), "6");
  EXPECT_EQ(get("UTM Zone"), "22");
}

TEST_F(SettingsIniTest, UnknownProvinceReadsItsOwnExtentsWarnsAndWritesBackAsItWas) {
  addExtentsFor("QC");
  setValue("Province Code", "QC");
  ASSERT_TRUE(start()) << allTexts();
  EXPECT_EQ(settings.province, Province::Other);
  EXPECT_EQ(SettingText(settings.province), "QC");
  EXPECT_EQ(window.provinceLabel, "Province = 'QC'");
  EXPECT_TRUE(hasText(
      "Warning: Missing QC ORVANDEL input grid files.\r\n\r\nPlease obtain these files from the QC "
      "government before running ORVANDEL transformations. !"))
      << allTexts();
  // New Brunswick's grid-shift files.
  EXPECT_EQ(settings.gridShift27to83_89, root + "/bin/NB2783.GSB");
  ASSERT_TRUE(SaveSettings(settings, messages));
  EXPECT_EQ(get("Province Code"), "QC");
}

// A blank MTM zone (the keyboard window's zone box) is saved as "4"; a
// run's emptied UTM zone leaves the chosen zone to be saved.
TEST_F(SettingsIniTest, EmptyZonesSaveTheirDefaults) {
  settings.mtmZone = MtmZoneFromText("");
  ChooseUtmZone(settings, UtmZone::Zone20);
  settings.utmZone = UtmZone::None;
  ASSERT_TRUE(SaveSettings(settings, messages));
  EXPECT_EQ(get("MTM Zone"), "4");
  EXPECT_EQ(get("UTM Zone"), "20");
  ChooseUtmZone(settings, UtmZone::None);
  ASSERT_TRUE(SaveSettings(settings, messages));
  EXPECT_EQ(get("UTM Zone"), "21");
}

}  // namespace
}  // namespace kartovex
