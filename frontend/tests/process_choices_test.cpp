// The enabling rules of the main window's choices.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "mainwindow/main_window_choices.h"
#include "platform_temp_dir.h"

namespace kartovex {
namespace {

using Combo = std::tuple<Datum, CoordForm, Datum, CoordForm>;

Datum datumOf(const std::string& s) {
  if (s == "ATS77") return Datum::ATS77;
  if (s == "NAD27") return Datum::NAD27;
  if (s == "NAD83") return Datum::NAD83;
  return Datum::NAD83_1989;
}
CoordForm formOf(const std::string& s) {
  if (s == "EN") return CoordForm::EN;
  if (s == "LL") return CoordForm::LL;
  return CoordForm::XY;
}
Combo combo(const std::string& from, const std::string& to) {
  auto f = from.find(' '), t = to.find(' ');
  return {datumOf(from.substr(0, f)), formOf(from.substr(f + 1)), datumOf(to.substr(0, t)),
          formOf(to.substr(t + 1))};
}

// The 64 combinations of the route table, in its order.
std::set<Combo> RouteTableCombinations() {
  const char* rows[][2] = {
      {"ATS77 EN", "NAD83 EN"},      {"ATS77 EN", "NAD83 LL"},      {"ATS77 EN", "NAD83 XY"},
      {"ATS77 LL", "NAD83 EN"},      {"ATS77 LL", "NAD83 LL"},      {"ATS77 LL", "NAD83 XY"},
      {"ATS77 XY", "NAD83 EN"},      {"ATS77 XY", "NAD83 LL"},      {"ATS77 XY", "NAD83 XY"},
      {"ATS77 EN", "ATS77 LL"},      {"ATS77 EN", "ATS77 XY"},      {"ATS77 LL", "ATS77 EN"},
      {"ATS77 LL", "ATS77 XY"},      {"ATS77 XY", "ATS77 EN"},      {"ATS77 XY", "ATS77 LL"},
      {"NAD83 EN", "ATS77 EN"},      {"NAD83 EN", "ATS77 LL"},      {"NAD83 EN", "ATS77 XY"},
      {"NAD83 LL", "ATS77 EN"},      {"NAD83 LL", "ATS77 LL"},      {"NAD83 LL", "ATS77 XY"},
      {"NAD83 XY", "ATS77 EN"},      {"NAD83 XY", "ATS77 LL"},      {"NAD83 XY", "ATS77 XY"},
      {"NAD83 EN", "NAD83 LL"},      {"NAD83 EN", "NAD83 XY"},      {"NAD83 LL", "NAD83 EN"},
      {"NAD83 LL", "NAD83 XY"},      {"NAD83 XY", "NAD83 EN"},      {"NAD83 XY", "NAD83 LL"},
      {"NAD27 EN", "NAD83_1989 LL"}, {"NAD27 LL", "NAD83_1989 LL"}, {"NAD27 EN", "NAD27 LL"},
      {"NAD27 LL", "NAD27 EN"},      {"NAD27 XY", "NAD27 EN"},      {"NAD27 XY", "NAD27 LL"},
      {"NAD27 LL", "NAD27 XY"},      {"NAD27 EN", "NAD27 XY"},      {"NAD27 EN", "ATS77 EN"},
      {"NAD27 EN", "ATS77 LL"},      {"NAD27 LL", "ATS77 EN"},      {"NAD27 LL", "ATS77 LL"},
      {"NAD27 XY", "ATS77 EN"},      {"NAD27 XY", "ATS77 LL"},      {"ATS77 EN", "NAD27 EN"},
      {"ATS77 EN", "NAD27 LL"},      {"ATS77 LL", "NAD27 EN"},      {"ATS77 LL", "NAD27 LL"},
      {"NAD27 EN", "NAD83 EN"},      {"NAD27 EN", "NAD83 LL"},      {"NAD27 EN", "NAD83 XY"},
      {"NAD27 LL", "NAD83 EN"},      {"NAD27 LL", "NAD83 LL"},      {"NAD27 LL", "NAD83 XY"},
      {"NAD27 XY", "NAD83 LL"},      {"NAD83 XY", "NAD27 EN"},      {"NAD83 XY", "NAD27 LL"},
      {"NAD83 XY", "NAD27 XY"},      {"NAD83 LL", "NAD27 LL"},      {"NAD83 LL", "NAD27 EN"},
      {"NAD83 EN", "NAD27 LL"},      {"NAD83 EN", "NAD27 EN"},      {"NAD27 XY", "NAD83 EN"},
      {"NAD83 EN", "NAD27 XY"}};
  std::set<Combo> out;
  for (auto& r : rows) out.insert(combo(r[0], r[1]));
  return out;
}

constexpr Datum kFromDatums[] = {Datum::ATS77, Datum::NAD27, Datum::NAD83};
constexpr Datum kToDatums[] = {Datum::ATS77, Datum::NAD27, Datum::NAD83, Datum::NAD83_1989};
constexpr CoordForm kForms[] = {CoordForm::EN, CoordForm::LL, CoordForm::XY};

TEST(ProcessChoices, TheRulesOfferExactlyTheRouteTable) {
  std::set<Combo> offered;
  for (Datum fd : kFromDatums)
    for (CoordForm ff : kForms)
      for (Datum td : kToDatums)
        for (CoordForm tf : kForms) {
          MainWindowChoices c;
          c.chooseFromDatum(fd);
          c.chooseFromForm(ff);
          if (!c.toDatumOption(td).enabled) continue;
          c.chooseToDatum(td);
          if (!c.toFormOption(tf).enabled) continue;
          c.chooseToForm(tf);
          ASSERT_EQ(c.toForm(), tf);
          offered.insert({fd, ff, td, tf});
        }
  std::set<Combo> table = RouteTableCombinations();
  EXPECT_EQ(table.size(), 64u);
  EXPECT_EQ(offered, table);
}

TEST(ProcessChoices, BeforeTheFirstChoiceOnlyTheFromDatumsAreEnabled) {
  MainWindowChoices c;
  EXPECT_TRUE(c.optFR_ATS77.enabled && c.optFR_NAD27.enabled && c.optFR_NAD83.enabled);
  EXPECT_FALSE(c.optFR_EN.enabled || c.optTO_ATS77.enabled || c.optTO_EN.enabled);
  EXPECT_FALSE(c.chkKEYBOARD.enabled || c.chkIN_FILE.enabled || c.chkREP_FILE.enabled);
  EXPECT_FALSE(c.comPROCESS.enabled);
  // A disabled option cannot be chosen.
  c.chooseToDatum(Datum::ATS77);
  EXPECT_EQ(c.toDatum(), Datum::None);
}

TEST(ProcessChoices, FromFormEnablesTheToDatumsByRules2And3) {
  MainWindowChoices c;
  c.chooseFromDatum(Datum::NAD27);
  c.chooseFromForm(CoordForm::EN);
  EXPECT_TRUE(c.optTO_NAD83_89.enabled);
  EXPECT_FALSE(c.optTO_EN.enabled);
  c.chooseFromDatum(Datum::ATS77);
  c.chooseFromForm(CoordForm::LL);
  EXPECT_FALSE(c.optTO_NAD83_89.enabled);
  EXPECT_TRUE(c.optTO_NAD27.enabled);
  c.chooseFromForm(CoordForm::XY);
  EXPECT_TRUE(c.optTO_ATS77.enabled);
  EXPECT_FALSE(c.optTO_NAD27.enabled);
  EXPECT_TRUE(c.optTO_NAD83.enabled);
  c.chooseFromDatum(Datum::NAD27);
  c.chooseFromForm(CoordForm::XY);
  EXPECT_TRUE(c.optTO_NAD27.enabled);
  EXPECT_FALSE(c.optTO_NAD83_89.enabled);
}

TEST(ProcessChoices, ToDatumEnablesTheToFormsByRule4) {
  struct Case {
    Datum fd;
    CoordForm ff;
    Datum td;
    bool en, ll, xy;
  };
  const Case cases[] = {
      {Datum::ATS77, CoordForm::EN, Datum::ATS77, false, true, true},
      {Datum::ATS77, CoordForm::XY, Datum::ATS77, true, true, false},
      {Datum::NAD27, CoordForm::XY, Datum::ATS77, true, true, false},
      {Datum::NAD83, CoordForm::LL, Datum::ATS77, true, true, true},
      {Datum::NAD27, CoordForm::LL, Datum::NAD27, true, false, true},
      {Datum::ATS77, CoordForm::EN, Datum::NAD27, true, true, false},
      {Datum::NAD83, CoordForm::LL, Datum::NAD27, true, true, false},
      {Datum::NAD83, CoordForm::EN, Datum::NAD27, true, true, true},
      {Datum::NAD83, CoordForm::XY, Datum::NAD83, true, true, false},
      {Datum::NAD27, CoordForm::EN, Datum::NAD83, true, true, true},
      {Datum::NAD27, CoordForm::XY, Datum::NAD83, true, true, false},
      {Datum::ATS77, CoordForm::XY, Datum::NAD83, true, true, true},
      {Datum::NAD27, CoordForm::LL, Datum::NAD83_1989, false, true, false},
  };
  for (const Case& k : cases) {
    MainWindowChoices c;
    c.chooseFromDatum(k.fd);
    c.chooseFromForm(k.ff);
    c.chooseToDatum(k.td);
    ASSERT_EQ(c.toDatum(), k.td);
    EXPECT_EQ(c.optTO_EN.enabled, k.en)
        << static_cast<int>(k.fd) << static_cast<int>(k.ff) << static_cast<int>(k.td);
    EXPECT_EQ(c.optTO_LL.enabled, k.ll)
        << static_cast<int>(k.fd) << static_cast<int>(k.ff) << static_cast<int>(k.td);
    EXPECT_EQ(c.optTO_XY.enabled, k.xy)
        << static_cast<int>(k.fd) << static_cast<int>(k.ff) << static_cast<int>(k.td);
    EXPECT_FALSE(c.chkIN_FILE.enabled);
  }
}

class ChoicesWithFile : public ::testing::Test {
 protected:
  void SetUp() override {
    c.chooseFromDatum(Datum::NAD27);
    c.chooseFromForm(CoordForm::LL);
    c.chooseToDatum(Datum::ATS77);
    c.chooseToForm(CoordForm::EN);
  }
  int keyboardRemovals = 0;
  MainWindowChoices c{[this] { ++keyboardRemovals; }};
};

TEST_F(ChoicesWithFile, ToFormEnablesTheBoxesAndDisablesProcess) {
  EXPECT_TRUE(c.chkKEYBOARD.enabled && c.chkIN_FILE.enabled && c.chkREP_FILE.enabled);
  EXPECT_FALSE(c.chkKEYBOARD.checked || c.chkIN_FILE.checked || c.chkREP_FILE.checked);
  EXPECT_FALSE(c.comPROCESS.enabled);
}

TEST_F(ChoicesWithFile, InputBoxesExcludeEachOther) {
  c.setInputFromFile(true);
  EXPECT_TRUE(c.txtIN_FILE.enabled && c.comIN_SEARCH.enabled && c.comPROCESS.enabled);
  c.typeInputFile("/x/a.txt");
  c.setInputFromKeyboard(true);
  EXPECT_FALSE(c.chkIN_FILE.checked);
  EXPECT_EQ(c.txtIN_FILE.text, "");
  EXPECT_FALSE(c.txtIN_FILE.enabled || c.comIN_SEARCH.enabled);
  EXPECT_TRUE(c.comIN_KEYBOARD.enabled);
  EXPECT_EQ(keyboardRemovals, 0);
  c.setInputFromFile(true);
  EXPECT_FALSE(c.chkKEYBOARD.checked);
  EXPECT_FALSE(c.comIN_KEYBOARD.enabled);
  EXPECT_EQ(keyboardRemovals, 1) << "unticking the keyboard box deletes the keyboard file";
  EXPECT_TRUE(c.comPROCESS.enabled);
}

TEST_F(ChoicesWithFile, InputBoxClicksClearTheResults) {
  c.lblRESULTS = "The conversion has been completed !";
  c.comVIEW.enabled = true;
  c.setInputFromFile(true);
  EXPECT_EQ(c.lblRESULTS, "");
  EXPECT_FALSE(c.comVIEW.enabled);
  c.lblRESULTS = "x";
  c.comVIEW.enabled = true;
  c.typeInputFile("/y.txt");
  EXPECT_EQ(c.lblRESULTS, "");
  EXPECT_FALSE(c.comVIEW.enabled);
}

TEST_F(ChoicesWithFile, ReportBoxEnablesDataAndAccuracy) {
  EXPECT_FALSE(c.chkTXT_FILE.enabled);
  c.setDataFile(true);
  EXPECT_FALSE(c.chkTXT_FILE.checked);
  c.setReportFile(true);
  EXPECT_TRUE(c.txtOUT_FILE.enabled && c.comOUT_SEARCH.enabled && c.chkTXT_FILE.enabled &&
              c.chkACC_FILE.enabled);
  c.typeReportFile("/o/R.REP");
  c.setDataFile(true);
  c.setAccuracyFile(true);
  c.lblRESULTS = "x";
  c.typeReportFile("/o/S.REP");
  EXPECT_EQ(c.lblRESULTS, "");
  c.setReportFile(false);
  EXPECT_EQ(c.txtOUT_FILE.text, "");
  EXPECT_FALSE(c.txtOUT_FILE.enabled || c.comOUT_SEARCH.enabled);
  EXPECT_FALSE(c.chkTXT_FILE.checked || c.chkTXT_FILE.enabled);
  EXPECT_FALSE(c.chkACC_FILE.checked || c.chkACC_FILE.enabled);
}

TEST_F(ChoicesWithFile, ChoosingAFromDatumStartsOver) {
  c.setInputFromKeyboard(true);
  c.setReportFile(true);
  c.typeReportFile("/o/R.REP");
  c.chooseFromDatum(Datum::ATS77);
  EXPECT_TRUE(c.optFR_EN.enabled && c.optFR_LL.enabled && c.optFR_XY.enabled);
  EXPECT_EQ(c.fromForm(), CoordForm::None);
  EXPECT_EQ(c.toDatum(), Datum::None);
  EXPECT_EQ(c.toForm(), CoordForm::None);
  EXPECT_FALSE(c.optTO_ATS77.enabled || c.optTO_EN.enabled);
  EXPECT_FALSE(c.chkKEYBOARD.checked || c.chkKEYBOARD.enabled);
  EXPECT_FALSE(c.chkREP_FILE.checked || c.chkREP_FILE.enabled);
  EXPECT_EQ(c.txtOUT_FILE.text, "");
  EXPECT_FALSE(c.comPROCESS.enabled);
  EXPECT_EQ(keyboardRemovals, 1);
}

TEST_F(ChoicesWithFile, ChoosingAnotherToDatumClearsTheToFormAndBoxes) {
  c.setInputFromFile(true);
  c.typeInputFile("/a.txt");
  c.chooseToDatum(Datum::NAD83);
  EXPECT_EQ(c.toForm(), CoordForm::None);
  EXPECT_TRUE(c.optTO_XY.enabled);
  EXPECT_FALSE(c.chkIN_FILE.checked || c.chkIN_FILE.enabled);
  EXPECT_EQ(c.txtIN_FILE.text, "");
  EXPECT_FALSE(c.comPROCESS.enabled);
}

}  // namespace
}  // namespace kartovex
