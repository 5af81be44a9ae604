#pragma once
// formKEYBOARD: typing the points of a run, bound to KeyboardModel.

#include <QDialog>

#include "gui/dialog_hooks.h"
#include "keyboard/keyboard_model.h"

class QCheckBox;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kartovex::gui {

class FormKeyboard : public QDialog {
  Q_OBJECT
 public:
  FormKeyboard(FrontEndSettings& settings, MessageService& messages, Datum fromDatum,
               CoordForm fromForm, Datum toDatum, CoordForm toForm, Chooser chooser = {},
               QWidget* parent = nullptr);

  KeyboardModel& model() { return model_; }

  // The commands, as the buttons run them.
  void Commit();
  void Update();
  void Delete();
  void Cancel();
  void Ok();
  void SelectLine(int row);
  void SearchTextFile();

  QLineEdit* txtTXT_FILE;
  QPushButton* comTXT_SEARCH;
  QCheckBox* chkTXT_FILE;
  QPushButton *comUPDATE, *comDELETE, *comCOMMIT, *comCANCEL, *comOK;
  QListWidget* lstKEYBOARD;
  QLineEdit* txtPOINT;
  QGroupBox *famEastNorth, *famXY, *famLatLong;
  QLineEdit *txtZONE, *txtY, *txtX;
  QLabel *txtNSZone, *lbl19_20, *lblZONE, *lblY1, *lblX1, *lblY, *lblX;
  QLineEdit *txtMIN_LAT, *txtSEC_LON, *txtMIN_LON, *txtSEC_LAT, *txtDEG_LON, *txtDEG_LAT;
  QLabel *lblSEC_LON, *lblMIN_LON, *lblSEC_LAT, *lblMIN_LAT, *lblDEG_LAT, *lblDEG_LON, *lblLAT,
      *lblLON;
  QLabel *lblD_LAT, *lblD_LON, *lblM_LAT, *lblM_LON, *lblS_LAT, *lblS_LON;
  QLabel *lblUTM_WARNING, *lblKEYBOARD, *lblPOINT;

 protected:
  void reject() override;  // Escape and the close box act as Cancel
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void takeEntry();
  void refresh();
  void focusBox();
  // Enter in a point's box: the next box of the point, or Commit after its last.
  bool enterInPointBox();

  KeyboardModel model_;
  Chooser chooser_;
  FrontEndSettings& settings_;
};

}  // namespace kartovex::gui
