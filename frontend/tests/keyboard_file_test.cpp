// The zone locks, Cancel and the input text file that OK writes.

#include "keyboard_fixture.h"

namespace kartovex::testing {
namespace {

using KeyboardZoneLocks = KeyboardTest;
using KeyboardOkCancel = KeyboardTest;

TEST_F(KeyboardZoneLocks, FirstNovaScotiaGridPointNamesTheMtmZoneAndLocksIt) {
  settings.province = Province::NS;
  settings.mtmZone = MtmZone::Zone4;
  model.Load(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::LL);
  EXPECT_EQ(model.entry.txtZONE, "4");
  model.entry.txtZONE = "5";
  grid("N1", "400000", "5000000");  // inside zone 5, outside zone 4
  ASSERT_TRUE(model.Commit()) << lastText();
  EXPECT_EQ(settings.mtmZone, MtmZone::Zone5);
  EXPECT_DOUBLE_EQ(settings.extents.ats77.NE_EAST, 500000);
  EXPECT_FALSE(model.txtZONEEnabled);
  EXPECT_EQ(model.entry.txtZONE, "5");  // the locked zone stays shown
  grid("N2", "5000000", "5000000");     // a zone 4 easting is now outside
  EXPECT_FALSE(model.Commit());
  EXPECT_EQ(lastText(), "The Easting is outside of NS!");
}

TEST_F(KeyboardZoneLocks, AnUnknownZoneKeepsTheFormerExtents) {
  settings.province = Province::NS;
  settings.mtmZone = MtmZone::Zone4;
  settings.extents.ats77 = {5700000, 5250000, 4250000, 4750000};
  model.Load(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::LL);
  model.entry.txtZONE = "7";
  grid("N1", "5000000", "5000000");
  EXPECT_FALSE(model.Commit());
  EXPECT_EQ(settings.mtmZone, MtmZone::Zone4);
  EXPECT_DOUBLE_EQ(settings.extents.ats77.NE_EAST, 5700000);
  EXPECT_TRUE(model.txtZONEEnabled);
  EXPECT_EQ(model.focus, KeyboardFocus::txtZONE);
}

TEST_F(KeyboardZoneLocks, Nad27UtmToAts77TakesOneZone) {
  settings.utmZone = UtmZone::Zone19;
  model.Load(Datum::NAD27, CoordForm::XY, Datum::ATS77, CoordForm::EN);
  model.entry.txtZONE = "20";
  grid("U1", "500000", "5000000");
  ASSERT_TRUE(model.Commit());
  EXPECT_EQ(settings.utmZone, UtmZone::Zone20);
  EXPECT_FALSE(model.txtZONEEnabled);
  EXPECT_EQ(model.entry.txtZONE, "20");
  grid("U2", "510000", "5010000");
  ASSERT_TRUE(model.Commit());
  EXPECT_EQ(model.listLines()[1], "U2   510000   5010000   20");
}

TEST_F(KeyboardZoneLocks, OtherUtmRunsKeepTheZoneFree) {
  model.Load(Datum::ATS77, CoordForm::XY, Datum::NAD83, CoordForm::LL);
  model.entry.txtZONE = "19";
  grid("U1", "1", "2");  // UTM points are not checked
  ASSERT_TRUE(model.Commit());
  EXPECT_TRUE(model.txtZONEEnabled);
  EXPECT_EQ(model.entry.txtZONE, "");
}

TEST_F(KeyboardOkCancel, OkRefusesAnEmptyListAndAMissingFileName) {
  model.Load(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::LL);
  EXPECT_FALSE(model.Ok());
  EXPECT_EQ(lastTitle(), "Required Info Missing");
  EXPECT_EQ(lastText(), "Input must first be entered/committed!");
  grid("P1", "2500000", "7400000");
  ASSERT_TRUE(model.Commit());
  model.chkTXT_FILE = true;
  EXPECT_FALSE(model.Ok());
  EXPECT_EQ(lastText(), "Input Text File must first be defined!");
  EXPECT_EQ(model.inputFile(), "");

  // Deleting the only row leaves nothing to save.
  model.SelectRow(0);
  ASSERT_TRUE(model.Delete());
  model.chkTXT_FILE = false;
  EXPECT_FALSE(model.Ok());
  EXPECT_EQ(lastText(), "Input must first be entered/committed!");
}

TEST_F(KeyboardOkCancel, GridPointsFollowTheFieldOrderAndDelimiter) {
  settings.fieldOrder = "NE";
  model.Load(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::LL);
  grid("P1", "2500000", "7400000");
  ASSERT_TRUE(model.Commit());
  ASSERT_TRUE(model.Ok());
  EXPECT_EQ(model.inputFile(), dir / "INPUT.TXT");
  EXPECT_EQ(ReadFile(dir / "INPUT.TXT"), "P1,7400000,2500000\r\n");

  settings.fieldOrder = "EN";
  settings.delimiter = "\t";
  ASSERT_TRUE(model.Ok());  // replaces the earlier file
  EXPECT_EQ(ReadFile(dir / "INPUT.TXT"), "P1\t2500000\t7400000\r\n");
}

TEST_F(KeyboardOkCancel, UtmAndGeographicLines) {
  settings.utmZone = UtmZone::None;
  model.Load(Datum::ATS77, CoordForm::XY, Datum::NAD83, CoordForm::LL);
  model.entry.txtZONE = "20";
  grid("U1", "500000", "5000000");
  ASSERT_TRUE(model.Commit());
  ASSERT_TRUE(model.Ok());
  EXPECT_EQ(ReadFile(dir / "INPUT.TXT"), "U1,500000,5000000,20\r\n");
  EXPECT_EQ(settings.utmZone, UtmZone::Zone20);  // the first zone met

  model.Load(Datum::NAD27, CoordForm::LL, Datum::ATS77, CoordForm::EN);
  geo("P2", "45", "5", "3.2", "66", "7", "12");
  ASSERT_TRUE(model.Commit());
  model.chkTXT_FILE = true;
  model.TextFileChosen(dir.path(), "points.txt");
  EXPECT_EQ(model.txtTXT_FILE, dir / "points.txt") << "named as chosen";
  ASSERT_TRUE(model.Ok());
  EXPECT_EQ(model.inputFile(), dir / "points.txt");
  EXPECT_EQ(ReadFile(dir / "points.txt"), "P2,45,5,3.2,66,7,12\r\n");
}

TEST_F(KeyboardOkCancel, AFileThatCannotBeWrittenIsAnError) {
  model.Load(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::LL);
  grid("P1", "2500000", "7400000");
  ASSERT_TRUE(model.Commit());
  model.chkTXT_FILE = true;
  model.txtTXT_FILE = dir / "missing/dir/X.TXT";
  EXPECT_FALSE(model.Ok());
  EXPECT_EQ(lastTitle(), "ERROR");
  EXPECT_EQ(model.inputFile(), "");
}

TEST_F(KeyboardOkCancel, CancelAsksOnlyWithPointsAndRemovesTheKeyboardFile) {
  WriteFile(dir / "INPUT.TXT", "old\r\n");
  model.Load(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::LL);
  EXPECT_TRUE(model.Cancel());
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "INPUT.TXT"));

  WriteFile(dir / "INPUT.TXT", "old\r\n");
  grid("P1", "2500000", "7400000");
  ASSERT_TRUE(model.Commit());
  sink.answers = {false};
  EXPECT_FALSE(model.Cancel());
  EXPECT_EQ(lastTitle(), "CANCEL?");
  EXPECT_EQ(lastText(), "Any input already entered will be lost.  Do you really want to cancel?");
  EXPECT_TRUE(std::filesystem::exists(dir / "INPUT.TXT"));
  settings.language = Language::French;
  sink.answers = {true};
  EXPECT_TRUE(model.Cancel());
  EXPECT_EQ(lastTitle(), "ABANDON?");
  EXPECT_FALSE(std::filesystem::exists(dir / "INPUT.TXT"));
}

}  // namespace
}  // namespace kartovex::testing
