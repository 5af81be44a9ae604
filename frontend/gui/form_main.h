#pragma once
// formMAIN: the from/to choices, input and output boxes, PROCESS with its
// progress and Cancel, the results and the menu, bound to MainWindowModel.

#include <QMainWindow>
#include <memory>

#include "core/settings.h"
#include "gui/dialog_hooks.h"
#include "mainwindow/main_window_model.h"
#include "messages/messages.h"
#include "messages/viewer_commands.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace kartovex::gui {

class FormKeyboard;

class FormMain : public QMainWindow {
  Q_OBJECT
 public:
  FormMain(FrontEndSettings& settings, MessageService& messages,
           RouteServices services = DefaultRouteServices(), QWidget* parent = nullptr);
  ~FormMain() override;

  // The start-up sequence with KARTOVEX.INI looked for in programDir; false
  // means the program must end (its message has been shown).
  bool Load(const std::string& programDir);

  MainWindowModel& model() { return model_; }

  // Replaceable for tests: modal windows, file choosers, started programs.
  DialogRunner runDialog;
  Chooser choose;
  ProgramStarter startProgram;
  // Called with each window before it runs (screenshots, tests).
  std::function<void(QDialog&)> beforeDialog;

  QGroupBox *frmFROM, *frmFR_COORD, *frmINPUT, *frmTO, *frmTO_COORD, *frmOUTPUT, *frmRESULTS;
  QLabel *Label1, *Label2;
  QRadioButton *optFR_ATS77, *optFR_NAD27, *optFR_NAD83;
  QRadioButton *optFR_EN, *optFR_LL, *optFR_XY;
  QRadioButton *optTO_ATS77, *optTO_NAD27, *optTO_NAD83, *optTO_NAD83_89;
  QRadioButton *optTO_EN, *optTO_LL, *optTO_XY;
  QCheckBox *chkKEYBOARD, *chkIN_FILE, *chkREP_FILE, *chkTXT_FILE, *chkACC_FILE;
  QPushButton *comIN_KEYBOARD, *comIN_SEARCH, *comPROCESS, *comVIEW, *comOUT_SEARCH;
  QLineEdit *txtIN_FILE, *txtOUT_FILE;
  QLabel *lblRESULTS, *txtErrorCnt;
  QPushButton *cmdViewLog, *cmdViewError, *cmdCancelProcess, *comHELP, *comEXIT;
  QProgressBar* palProgress;
  QLabel *txtProvince, *txtUtmZome, *txtdelimintor;
  QMenu* mnuOptions;
  QAction *menuSetup, *mnuTextFile, *menuAbout, *MenuExit;

  // The commands, as the buttons and menu items run them.
  void Process();
  void CancelProcess();
  void OpenKeyboard();
  void OpenSetup();
  void OpenTextFileOptions();
  void OpenAbout();
  void Exit();
  void SearchInputFile();
  void SearchOutputFile();
  void Help();

  // Widgets from the model.
  void refresh();
  void setCaptions();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void build();
  void connectControls();
  void refreshStatus();
  void refreshRun();
  void setIdleControlsEnabled(bool enabled);
  int run(QDialog& dialog);

  FrontEndSettings& settings_;
  MessageService& messages_;
  MainWindowModel model_;
  bool exiting_ = false;
  bool processing_ = false;
};

}  // namespace kartovex::gui
