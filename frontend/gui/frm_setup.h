#pragma once
// frmSetup: province, zones, language and directories, bound to SetupModel.

#include <QDialog>

#include "config/setup_model.h"
#include "gui/dialog_hooks.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kartovex::gui {

class FrmSetup : public QDialog {
  Q_OBJECT
 public:
  FrmSetup(FrontEndSettings& settings, MessageService& messages, Chooser chooser = {},
           QWidget* parent = nullptr);

  SetupModel& model() { return model_; }

  QGroupBox *fraProvince, *fraMTMZones, *fraUTMZones, *fraLanguage, *fraDirectories;
  QRadioButton *optNB, *optNS, *optPEI;
  QRadioButton *optMTMZone4, *optMTMZone5;
  QRadioButton *optZone19, *optZone20, *optZone21;
  QRadioButton *optEnglish, *optFrench;
  QLabel *lblRoot, *lblBin, *lblWorking, *lblInput, *lblOutput, *lblReader;
  QLabel *lblRootValue, *lblBinValue;
  QLineEdit *edtWorkingDir, *edtInputDir, *edtOutputDir, *edtReader;
  QPushButton *cmdWorkDir, *cmdInputDir, *cmdOutputDir, *cmdReader;
  QPushButton *comOK, *comCANCEL;

 private:
  void refresh();
  void setCaptions();
  void browseDirectory(QLineEdit* box, void (SetupModel::*chosen)(const std::string&));
  void browseReader();
  void takeTexts();

  MessageService& messages_;
  SetupModel model_;
  Chooser chooser_;
};

}  // namespace kartovex::gui
