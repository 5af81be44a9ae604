#pragma once
// formKEYBOARD without widgets: the points table, commit / update / delete /
// cancel / OK, the checks of a typed point, the zone locks and the input
// text file that OK writes for the run.

#include <string>
#include <utility>
#include <vector>

#include "core/settings.h"
#include "input/run_state.h"
#include "messages/messages.h"

namespace kartovex {

enum class KeyboardMode { Grid, Utm, Geographic };

// One committed point: identifier, first and second value, zone. Geographic
// values are degrees, minutes and seconds joined by single blanks.
struct KeyboardRow {
  std::string point;
  std::string first;
  std::string second;
  std::string zone;
};

// The entry boxes of the window.
struct KeyboardEntry {
  std::string txtPOINT, txtX, txtY, txtZONE;
  std::string txtDEG_LAT, txtMIN_LAT, txtSEC_LAT;
  std::string txtDEG_LON, txtMIN_LON, txtSEC_LON;
};

// The box that receives the focus after an operation.
enum class KeyboardFocus {
  None,
  txtPOINT,
  txtX,
  txtY,
  txtZONE,
  txtDEG_LAT,
  txtMIN_LAT,
  txtSEC_LAT,
  txtDEG_LON,
  txtMIN_LON,
  txtSEC_LON
};

class KeyboardModel {
 public:
  KeyboardModel(FrontEndSettings& settings, MessageService& messages);

  // Window load: empties the table and sets the mode from the main window's
  // choices.
  void Load(Datum fromDatum, CoordForm fromForm, Datum toDatum, CoordForm toForm);

  KeyboardMode mode() const { return mode_; }
  // NAD27 UTM to ATS77: one zone for all points.
  bool singleUtmZone() const;

  // (control name, caption) in the caption language; "formKEYBOARD" is the
  // window caption.
  const std::vector<std::pair<std::string, std::string>>& captions() const { return captions_; }
  std::string caption(const std::string& control) const;

  // The operations. Each returns true when it did what was asked.
  bool Commit();
  void SelectRow(int index);  // clicking a list line
  bool Update();
  bool Delete();  // asks first; false for No or nothing selected
  // Cancel and OK return true when the window closes.
  bool Cancel();
  bool Ok();
  // comTXT_SEARCH result: the chosen path ("" when cancelled).
  void TextFileChosen(const std::string& directory, const std::string& fileName);

  // ValidateGridPoint and ValidateGeoPoint on the entry boxes.
  bool ValidateGridPoint(double easting, double northing);
  bool ValidateGeoPoint(double degLat, double minLat, double secLat, double degLon, double minLon,
                        double secLon);

  const std::vector<KeyboardRow>& rows() const { return rows_; }
  int selected() const { return selected_; }
  // lstKEYBOARD's lines.
  std::vector<std::string> listLines() const;
  static std::string ListLine(const KeyboardRow& row, KeyboardMode mode);

  // The run's input file that OK wrote ("" before).
  const std::string& inputFile() const { return inputFile_; }

  KeyboardEntry entry;
  bool chkTXT_FILE = false;
  std::string txtTXT_FILE;
  bool txtZONEEnabled = true;
  bool comCOMMITEnabled = true;
  bool comDELETEEnabled = false;
  bool comUPDATEEnabled = false;
  KeyboardFocus focus = KeyboardFocus::None;

  // Frames and labels shown in the mode.
  bool famEastNorthVisible = false;
  bool famXYVisible = false;
  bool txtNSZoneVisible = false;
  bool lbl19_20Visible = false;
  bool lblUTM_WARNINGVisible = false;
  bool famLatLongVisible = false;

 private:
  bool fieldsFilled() const;
  void useDecimalSeparator();
  void clearEntry();
  bool checkPoint();
  bool reloadMtmZone();
  KeyboardRow rowFromEntry() const;
  void setCaptions();
  bool writeInputFile(const std::string& path);

  FrontEndSettings& settings_;
  MessageService& messages_;
  KeyboardMode mode_ = KeyboardMode::Grid;
  Datum fromDatum_ = Datum::None;
  CoordForm fromForm_ = CoordForm::None;
  Datum toDatum_ = Datum::None;
  CoordForm toForm_ = CoordForm::None;
  std::vector<KeyboardRow> rows_;
  int selected_ = -1;
  std::string inputFile_;
  std::vector<std::pair<std::string, std::string>> captions_;
};

}  // namespace kartovex
