// Committing, checking, selecting, updating and deleting typed points.

#include "keyboard_fixture.h"

namespace kartovex::testing {
namespace {

using KeyboardEntry = KeyboardTest;

TEST_F(KeyboardEntry, LoadSetsTheModeFramesAndCaptions) {
  model.Load(Datum::NAD27, CoordForm::EN, Datum::ATS77, CoordForm::LL);
  EXPECT_EQ(model.mode(), KeyboardMode::Grid);
  EXPECT_EQ(model.caption("formKEYBOARD"), "Input From Keyboard (East,North)");
  EXPECT_EQ(model.caption("lblX"), "Easting (ft):");
  EXPECT_EQ(model.caption("lblKEYBOARD"), "POINT    EASTING (ft)    NORTHING (ft)");
  EXPECT_TRUE(model.famEastNorthVisible);
  EXPECT_FALSE(model.famXYVisible);  // NB: no zone box
  EXPECT_FALSE(model.famLatLongVisible);

  model.Load(Datum::NAD27, CoordForm::XY, Datum::ATS77, CoordForm::EN);
  EXPECT_EQ(model.mode(), KeyboardMode::Utm);
  EXPECT_TRUE(model.famXYVisible);
  EXPECT_TRUE(model.lbl19_20Visible);
  EXPECT_FALSE(model.txtNSZoneVisible);
  EXPECT_EQ(model.caption("lbl19_20"), "(19 or 20)");
  EXPECT_EQ(model.caption("lblUTM_WARNING"),
            "NOTE: Extra care should be taken when entering UTM coordinates!  (They are not being "
            "validated by "
            "the system.) NAD27 (UTM)-> ATS77 only one zone allowed!");

  settings.language = Language::French;
  settings.province = Province::NS;
  model.Load(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::LL);
  EXPECT_EQ(model.caption("formKEYBOARD"), "Entrée au clavier (EST,NORD)");
  EXPECT_EQ(model.caption("lblX"), "EST (m):");
  EXPECT_EQ(model.caption("lblKEYBOARD"), "POINT    EST (m)        NORD (m)");
  EXPECT_EQ(model.caption("comCANCEL"), "&Abandon");
  EXPECT_TRUE(model.famXYVisible);
  EXPECT_TRUE(model.txtNSZoneVisible);
  EXPECT_FALSE(model.lbl19_20Visible);
  EXPECT_EQ(model.entry.txtZONE, "4");

  model.Load(Datum::ATS77, CoordForm::LL, Datum::NAD83, CoordForm::EN);
  EXPECT_EQ(model.caption("formKEYBOARD"), "Entrée au clavier (Lat,Long.)");
  EXPECT_EQ(model.caption("lblLON"), "Long (O):");
  EXPECT_TRUE(model.famLatLongVisible);
  EXPECT_FALSE(model.famEastNorthVisible);
}

TEST_F(KeyboardEntry, CommitNeedsEveryFieldOfTheMode) {
  model.Load(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::LL);
  grid("P1", "2500000", "");
  EXPECT_FALSE(model.Commit());
  EXPECT_EQ(lastTitle(), "Required Info Missing");
  EXPECT_EQ(lastText(), "All the input fields must be populated before committing!");
  EXPECT_EQ(model.focus, KeyboardFocus::txtPOINT);
  EXPECT_TRUE(model.rows().empty());
  EXPECT_EQ(model.entry.txtX, "2500000");  // left as typed

  model.Load(Datum::ATS77, CoordForm::XY, Datum::NAD83, CoordForm::LL);
  grid("U1", "500000", "5000000");
  EXPECT_FALSE(model.Commit());  // no zone

  settings.language = Language::French;
  model.Load(Datum::ATS77, CoordForm::LL, Datum::NAD83, CoordForm::EN);
  geo("G1", "45", "5", "", "66", "7", "12");
  EXPECT_FALSE(model.Commit());
  EXPECT_EQ(lastTitle(), "L'information nécessaire n'est pas disponible");
  EXPECT_EQ(lastText(), "Tous les champs doivent être remplis avant de soumettre!");
}

TEST_F(KeyboardEntry, GridPointsAreCheckedAgainstTheFromDatumLimits) {
  model.Load(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::LL);
  grid("P1", "2700000", "7400000");  // the boundary is outside
  EXPECT_FALSE(model.Commit());
  EXPECT_EQ(lastTitle(), "Invalid Easting");
  EXPECT_EQ(lastText(), "The Easting is outside of NB!");
  EXPECT_EQ(model.focus, KeyboardFocus::txtX);
  grid("P1", "2500000", "7250000");
  EXPECT_FALSE(model.Commit());
  EXPECT_EQ(lastTitle(), "Invalid Northing");
  EXPECT_EQ(model.focus, KeyboardFocus::txtY);

  settings.language = Language::French;
  settings.province = Province::PEI;
  grid("P1", "100", "7400000");
  EXPECT_FALSE(model.Commit());
  EXPECT_EQ(lastTitle(), "Valeur en EST non conforme");
  EXPECT_EQ(lastText(), "La valeur en EST se trouve à l'extérieur du Nouveau-Brunswick!");

  grid("P1", "2500000", "7400000");
  EXPECT_TRUE(model.Commit());
  ASSERT_EQ(model.rows().size(), 1u);
  EXPECT_EQ(model.listLines()[0], "P1   2500000   7400000");
  EXPECT_EQ(model.entry.txtX, "");  // boxes cleared
}

TEST_F(KeyboardEntry, GeographicPointsChecksInOrder) {
  model.Load(Datum::NAD27, CoordForm::LL, Datum::ATS77, CoordForm::EN);
  geo("G1", "45", "60", "61", "66", "7", "12");
  EXPECT_FALSE(model.Commit());
  EXPECT_EQ(lastTitle(), "Invalid Minutes");
  EXPECT_EQ(lastText(), "Minutes must be less than 60!");
  EXPECT_EQ(model.focus, KeyboardFocus::txtMIN_LAT);
  geo("G1", "45", "5", "60", "66", "7", "12");
  EXPECT_FALSE(model.Commit());
  EXPECT_EQ(lastText(), "Seconds must be less than 60!");
  EXPECT_EQ(model.focus, KeyboardFocus::txtSEC_LAT);
  geo("G1", "45", "5", "3", "66", "7", "60.0");
  EXPECT_FALSE(model.Commit());
  EXPECT_EQ(model.focus, KeyboardFocus::txtSEC_LON);
  geo("G1", "49", "5", "3", "66", "7", "12");
  EXPECT_FALSE(model.Commit());
  EXPECT_EQ(lastTitle(), "Invalid Latitude");
  EXPECT_EQ(lastText(), "The Latitude is outside of NB!");
  geo("G1", "45", "5", "3", "70", "7", "12");
  EXPECT_FALSE(model.Commit());
  EXPECT_EQ(lastTitle(), "Invalid Longitude");
  EXPECT_EQ(model.focus, KeyboardFocus::txtDEG_LON);

  geo("P2", "45", "5", "3.2", "66", "7", "12");
  EXPECT_TRUE(model.Commit());
  EXPECT_EQ(model.listLines()[0], "P2   45 5 3.2   66 7 12");
}

TEST_F(KeyboardEntry, ATextThatIsNotANumberIsTheCommitError) {
  model.Load(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::LL);
  grid("P1", "25OOOOO", "7400000");
  EXPECT_FALSE(model.Commit());
  EXPECT_EQ(lastTitle(), "ERROR");
  EXPECT_EQ(lastText(), "comCOMMIT: An error occurred while committing the entry!");
  EXPECT_TRUE(model.rows().empty());
}

TEST_F(KeyboardEntry, DecimalCommaReplacesThePointOfTheCoordinates) {
  SetDecimalSeparatorOverride(std::string(","));
  settings.decimalSeparator = ",";
  model.Load(Datum::ATS77, CoordForm::EN, Datum::NAD83, CoordForm::LL);
  grid("P1", "2500000.5", "7400000,25");
  EXPECT_TRUE(model.Commit());
  EXPECT_EQ(model.rows()[0].first, "2500000,5");
  EXPECT_EQ(model.rows()[0].second, "7400000,25");
}

TEST_F(KeyboardEntry, SelectUpdateAndDeleteRows) {
  model.Load(Datum::ATS77, CoordForm::LL, Datum::NAD83, CoordForm::EN);
  geo("A", "45", "5", "3.2", "66", "7", "12");
  ASSERT_TRUE(model.Commit());
  geo("B", "46", "1", "2", "65", "3", "4");
  ASSERT_TRUE(model.Commit());
  model.SelectRow(0);
  EXPECT_EQ(model.selected(), 0);
  EXPECT_EQ(model.entry.txtSEC_LAT, "3.2");
  EXPECT_EQ(model.entry.txtDEG_LON, "66");
  EXPECT_FALSE(model.comCOMMITEnabled);
  EXPECT_TRUE(model.comUPDATEEnabled);
  EXPECT_TRUE(model.comDELETEEnabled);

  model.entry.txtMIN_LAT = "";
  EXPECT_FALSE(model.Update());
  EXPECT_EQ(lastText(), "All the input fields must be populated before updating!");
  model.entry.txtMIN_LAT = "61";
  EXPECT_FALSE(model.Update());
  EXPECT_EQ(lastText(), "Minutes must be less than 60!");
  model.entry.txtMIN_LAT = "6";
  EXPECT_TRUE(model.Update());
  EXPECT_EQ(model.listLines()[0], "A   45 6 3.2   66 7 12");
  EXPECT_TRUE(model.comCOMMITEnabled);
  EXPECT_FALSE(model.comUPDATEEnabled);

  model.SelectRow(0);
  sink.answers = {false};
  EXPECT_FALSE(model.Delete());
  EXPECT_EQ(lastTitle(), "DELETE?");
  EXPECT_EQ(lastText(), "Are you sure you want to delete this point (A).");
  EXPECT_EQ(model.rows().size(), 2u);
  sink.answers = {true};
  EXPECT_TRUE(model.Delete());
  ASSERT_EQ(model.rows().size(), 1u);
  EXPECT_EQ(model.rows()[0].point, "B");  // later rows move up
  EXPECT_EQ(model.entry.txtPOINT, "");
  EXPECT_EQ(model.selected(), -1);
  EXPECT_FALSE(model.comDELETEEnabled);

  // Out-of-range selections are ignored.
  model.SelectRow(5);
  EXPECT_EQ(model.selected(), -1);
  EXPECT_FALSE(model.Update());
  EXPECT_FALSE(model.Delete());
}

}  // namespace
}  // namespace kartovex::testing
