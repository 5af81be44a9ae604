#pragma once
// formOPTIONS: delimiter, field order and extra text of input text files,
// bound to OptionsModel.

#include <QDialog>

#include "core/settings.h"
#include "input/options_model.h"
#include "messages/messages.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kartovex::gui {

class FormOptions : public QDialog {
  Q_OBJECT
 public:
  FormOptions(FrontEndSettings& settings, MessageService& messages, QWidget* parent = nullptr);

  OptionsModel& model() { return model_; }

  QGroupBox* frmEastNorth;
  QGroupBox* frmDelimeter;
  QRadioButton* optTabDeliminter;
  QLineEdit* txtDelimeter;
  QRadioButton* optOther;
  QRadioButton* optComma;
  QRadioButton* optSpace;
  QGroupBox* frmText;
  QGroupBox* famDisplayInreport;
  QRadioButton* optDisplayNo;
  QRadioButton* optDisplayYes;
  QRadioButton* optTextYES;
  QRadioButton* optTextNO;
  QLabel* Label1;
  QGroupBox* frmORDER;
  QRadioButton* optNE;
  QRadioButton* optEN;
  QPushButton* comCANCEL;
  QPushButton* comOK;

 private:
  void refresh();
  void ok();

  FrontEndSettings& settings_;
  MessageService& messages_;
  OptionsModel model_;
};

}  // namespace kartovex::gui
