#include "config/setup_model.h"

#include <gtest/gtest.h>

#include "config/utm_zone.h"
#include "config_fixture.h"
#include "startup/startup.h"

namespace kartovex {
namespace {

class SetupModelTest : public testing::Installation {
 protected:
  void SetUp() override {
    Installation::SetUp();
    StartupOutputs window;
    ASSERT_TRUE(StartUp(settings, messages, window, programDir)) << allTexts();
    sink.clear();
  }
  SetupModel setup{settings, messages};
};

TEST_F(SetupModelTest, OpeningForNewBrunswick) {
  setup.open();
  EXPECT_TRUE(setup.isOpen());
  EXPECT_TRUE(setup.optNB.checked);
  EXPECT_FALSE(setup.optNS.checked);
  EXPECT_FALSE(setup.optPEI.checked);
  EXPECT_FALSE(setup.optMTMZone4.checked);
  EXPECT_FALSE(setup.optMTMZone4.enabled);
  EXPECT_FALSE(setup.optMTMZone5.enabled);
  EXPECT_TRUE(setup.optZone19.checked);
  EXPECT_TRUE(setup.optEnglish.checked);
  EXPECT_FALSE(setup.optFrench.checked);
  EXPECT_EQ(setup.edtWorkingDir, root + "/work/");
  EXPECT_EQ(setup.edtInputDir, root + "/in/");
  EXPECT_EQ(setup.edtOutputDir, root + "/out/");
  EXPECT_EQ(setup.edtReader, root + "/bin/reader");
  EXPECT_EQ(setup.lblRootValue, root + "/");
  EXPECT_EQ(setup.lblBinValue, "bin/");
}

TEST_F(SetupModelTest, OpeningForNovaScotiaEnablesTheMtmZones) {
  settings.province = Province::NS;
  settings.mtmZone = MtmZone::Zone5;
  ChooseUtmZone(settings, UtmZone::Zone21);
  setup.open();
  EXPECT_TRUE(setup.optNS.checked);
  EXPECT_TRUE(setup.optMTMZone4.enabled);
  EXPECT_TRUE(setup.optMTMZone5.checked);
  EXPECT_FALSE(setup.optMTMZone4.checked);
  EXPECT_TRUE(setup.optZone21.checked);
  EXPECT_FALSE(setup.optZone20.checked);
}

TEST_F(SetupModelTest, OpeningWithAnUnknownZoneSelects21) {
  ChooseUtmZone(settings, UtmZoneFromText("-1"));
  setup.open();
  EXPECT_TRUE(setup.optZone21.checked);
}

TEST_F(SetupModelTest, OpeningWithAnEmptyZoneStoresTheProvinceDefault) {
  settings.province = Province::PEI;
  ChooseUtmZone(settings, UtmZone::None);
  setup.open();
  EXPECT_TRUE(setup.optPEI.checked);
  EXPECT_TRUE(setup.optZone20.checked);
  EXPECT_EQ(settings.utmZoneSetting, UtmZone::Zone20);
  settings.province = Province::NB;
  ChooseUtmZone(settings, UtmZone::None);
  setup.open();
  EXPECT_EQ(settings.utmZoneSetting, UtmZone::Zone19);
}

TEST_F(SetupModelTest, OpeningShowsTheChosenZoneNotTheRunsEmptyOne) {
  ChooseUtmZone(settings, UtmZone::Zone21);
  BeginRunUtmZone(settings, true);
  setup.open();
  EXPECT_TRUE(setup.optZone21.checked);
}

TEST_F(SetupModelTest, ProvinceClicks) {
  setup.open();
  setup.clickNS();
  EXPECT_TRUE(setup.optNS.checked);
  EXPECT_FALSE(setup.optNB.checked);
  EXPECT_TRUE(setup.optMTMZone4.enabled);
  EXPECT_FALSE(setup.optMTMZone4.checked);
  EXPECT_TRUE(setup.optZone20.checked);
  setup.clickMTMZone5();
  EXPECT_TRUE(setup.optMTMZone5.checked);
  setup.clickPEI();
  EXPECT_FALSE(setup.optMTMZone5.checked);
  EXPECT_FALSE(setup.optMTMZone5.enabled);
  EXPECT_TRUE(setup.optZone20.checked);
  setup.clickMTMZone4();  // disabled: no effect
  EXPECT_FALSE(setup.optMTMZone4.checked);
  setup.clickNB();
  EXPECT_TRUE(setup.optZone19.checked);
  EXPECT_FALSE(setup.optZone20.checked);
}

TEST_F(SetupModelTest, SwitchingToNovaScotiaRereadsTheExtentsOfItsZone) {
  setup.open();
  setup.clickNS();
  setup.clickMTMZone5();
  setup.clickZone21();
  ASSERT_TRUE(setup.ok());
  EXPECT_FALSE(setup.isOpen());
  EXPECT_EQ(settings.province, Province::NS);
  EXPECT_EQ(settings.mtmZone, MtmZone::Zone5);
  EXPECT_EQ(settings.utmZone, UtmZone::Zone21);
  EXPECT_EQ(settings.utmZoneSetting, UtmZone::Zone21);
  EXPECT_DOUBLE_EQ(settings.extents.latLong.SW_LON, 66.5);
  EXPECT_EQ(settings.gridShift27to83_89, root + "/bin/NS2783.GSB");
  EXPECT_EQ(settings.gridShift77toCsrs, root + "/bin/NS77CSRS.GSB");
}

TEST_F(SetupModelTest, NovaScotiaWithoutAnMtmChoiceIsZone4) {
  setup.open();
  setup.clickNS();
  ASSERT_TRUE(setup.ok());
  EXPECT_EQ(settings.mtmZone, MtmZone::Zone4);
  EXPECT_DOUBLE_EQ(settings.extents.latLong.SW_LON, 63.0);
}

TEST_F(SetupModelTest, SameProvinceDoesNotRereadTheExtents) {
  setup.open();
  settings.extents.latLong.NE_LAT = 1.0;
  setup.clickZone20();
  ASSERT_TRUE(setup.ok());
  EXPECT_DOUBLE_EQ(settings.extents.latLong.NE_LAT, 1.0);
  EXPECT_EQ(settings.utmZone, UtmZone::Zone20);
}

TEST_F(SetupModelTest, FailedExtentsAreReported) {
  setValue("NE_LAT", "-1");  // NB's, read again only on a change back to NB
  settings.province = Province::PEI;
  setup.open();
  setup.clickNB();
  EXPECT_FALSE(setup.ok());
  EXPECT_EQ(sink.messages.back().text, "LoadExtents: An error occurred while reading the extents!");
}

TEST_F(SetupModelTest, DirectoriesLanguageAndReaderOnOk) {
  setup.open();
  setup.workDirChosen(root + "/in");
  setup.inputDirChosen(root + "/out/");
  setup.outputDirChosen("");  // dialog cancelled
  setup.readerChosen("/opt/Reader/bin/acroread");
  setup.clickFrench();
  ASSERT_TRUE(setup.ok());
  EXPECT_EQ(settings.workDir, root + "/in/");
  EXPECT_EQ(settings.runningMarker, root + "/in/RUNNING.TXT");
  EXPECT_EQ(settings.inputDir, root + "/out/");
  EXPECT_EQ(settings.outputDir, root + "/out/");
  EXPECT_EQ(settings.pdfReader, "/opt/Reader/bin/acroread");
  EXPECT_EQ(settings.language, Language::French);
  EXPECT_TRUE(setup.languageChanged());
}

TEST_F(SetupModelTest, EnterInTheReaderBoxStoresItAtOnce) {
  setup.open();
  setup.edtReader = "/usr/bin/okular";
  setup.readerEnter();
  EXPECT_EQ(settings.pdfReader, "/usr/bin/okular");
}

TEST_F(SetupModelTest, CancelChangesNothing) {
  FrontEndSettings before = settings;
  setup.open();
  setup.clickPEI();
  setup.clickFrench();
  setup.workDirChosen("/elsewhere/");
  setup.cancel();
  EXPECT_FALSE(setup.isOpen());
  EXPECT_EQ(settings.province, before.province);
  EXPECT_EQ(settings.language, before.language);
  EXPECT_EQ(settings.workDir, before.workDir);
  EXPECT_EQ(settings.utmZone, before.utmZone);
}

TEST_F(SetupModelTest, EnglishCaptions) {
  setup.open();
  EXPECT_EQ(setup.caption("frmSetup"), "Kartovex Setup");
  EXPECT_EQ(setup.caption("optNB"), "New Brunswick");
  EXPECT_EQ(setup.caption("optNS"), "Nova Scotia");
  EXPECT_EQ(setup.caption("optPEI"), "PEI");
  EXPECT_EQ(setup.caption("optZone21"), "Zone 21");
  EXPECT_EQ(setup.caption("lblReader"), "PDF Reader");
  EXPECT_EQ(setup.caption("comOK"), "&OK");
  EXPECT_EQ(setup.caption("comCANCEL"), "&Cancel");
  EXPECT_EQ(setup.caption("nothing"), "");
  EXPECT_EQ(setup.directoryDialog().caption, "Select Directory");
  EXPECT_EQ(setup.directoryDialog().cancel, "Cancel");
  EXPECT_EQ(setup.readerDialog().caption, "Input File Name");
  EXPECT_EQ(setup.readerDialog().cancel, "&Cancel");
  EXPECT_EQ(setup.readerDialog().patterns, "*.exe;*.*");
}

TEST_F(SetupModelTest, FrenchCaptions) {
  settings.language = Language::French;
  setup.open();
  EXPECT_TRUE(setup.optFrench.checked);
  const std::pair<const char*, const char*> expected[] = {{"fraProvince", "Province"},
                                                          {"optNB", "Nouveau-Brunswick"},
                                                          {"optNS", "Nouvelle-Écosse"},
                                                          {"optPEI", "Île-du-Prince-Édouard"},
                                                          {"fraMTMZones", "MTM Zones"},
                                                          {"optMTMZone4", "MTM Zone 4"},
                                                          {"optMTMZone5", "MTM Zone 5"},
                                                          {"optZone19", "Zone 19"},
                                                          {"optZone21", "    Zone 21"},
                                                          {"fraLanguage", "Langue"},
                                                          {"optEnglish", "Anglais"},
                                                          {"optFrench", "Français"},
                                                          {"fraDirectories", "Répertoires"},
                                                          {"lblRoot", "Racine"},
                                                          {"lblBin", "Logiciel"},
                                                          {"lblWorking", "Répertoire de travail"},
                                                          {"comCANCEL", "&Abandon"},
                                                          {"lblInput", "Entrée"},
                                                          {"lblOutput", "Sortie"},
                                                          {"lblReader", "Lecteur PDF"},
                                                          {"frmSetup", "Kartovex Setup"}};
  for (const auto& [control, text] : expected) EXPECT_EQ(setup.caption(control), text) << control;
  EXPECT_EQ(setup.directoryDialog().caption, "Choisir un répertoire");
  EXPECT_EQ(setup.directoryDialog().cancel, "&Annuler");
  EXPECT_EQ(setup.readerDialog().caption, "Nom du fichier");
  EXPECT_EQ(setup.readerDialog().cancel, "&Abandon");
}

TEST_F(SetupModelTest, OtherLanguageValuesGiveFrenchCaptionsAndTheFrenchOption) {
  settings.language = LanguageFromText("-1");
  setup.open();
  EXPECT_EQ(setup.caption("optNB"), "Nouveau-Brunswick");
  EXPECT_TRUE(setup.optFrench.checked);
  ASSERT_TRUE(setup.ok());
  EXPECT_EQ(settings.language, Language::French);
}

}  // namespace
}  // namespace kartovex
