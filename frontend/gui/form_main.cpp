#include "gui/form_main.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "config/save_settings.h"
#include "gui/file_choosers.h"
#include "gui/form_keyboard.h"
#include "gui/form_options.h"
#include "gui/frm_about.h"
#include "gui/frm_setup.h"
#include "gui/path_line_edit.h"
#include "gui/widget_helpers.h"
#include "gui/window_layout.h"
#include "mainwindow/main_window_captions.h"
#include "messages/help_command.h"
#include "platform/paths.h"
#include "platform/profile_file.h"
#include "startup/startup.h"

namespace kartovex::gui {

namespace {

void bind(QLineEdit* box, const TextField& field) {
  setPathBox(box, field.text);
  box->setEnabled(field.enabled);
}

constexpr Text kCancelCaption{"&Cancel", "&Annuler"};

}  // namespace

FormMain::FormMain(FrontEndSettings& settings, MessageService& messages, RouteServices services,
                   QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      messages_(messages),
      model_(settings, messages, std::move(services)) {
  setObjectName("formMAIN");
  setWindowTitle("KARTOVEX - Version 3.0");
  runDialog = DefaultDialogRunner();
  choose = DefaultChooser(this);
  startProgram = DefaultProgramStarter();
  build();
  connectControls();
  // A run's first step also clears what the previous run left on show.
  model_.setProgressObserver([this](int) { refreshRun(); });
  // The wait loop of a run keeps the window alive; only Cancel acts then.
  model_.setEventPump([this] {
    refreshRun();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  });
  setCaptions();
  refresh();
}

FormMain::~FormMain() = default;

void FormMain::build() {
  auto* central = new QWidget(this);
  setCentralWidget(central);

  frmFROM = named(new QGroupBox(central), "frmFROM");
  Label1 = named(new QLabel(frmFROM), "Label1");
  optFR_ATS77 = option(frmFROM, "optFR_ATS77");
  optFR_NAD27 = option(frmFROM, "optFR_NAD27");
  optFR_NAD83 = option(frmFROM, "optFR_NAD83");
  frmFR_COORD = named(new QGroupBox(frmFROM), "frmFR_COORD");
  optFR_EN = option(frmFR_COORD, "optFR_EN");
  optFR_LL = option(frmFR_COORD, "optFR_LL");
  optFR_XY = option(frmFR_COORD, "optFR_XY");
  auto* frCoord = new QVBoxLayout(frmFR_COORD);
  for (auto* b : {optFR_EN, optFR_LL, optFR_XY}) frCoord->addWidget(b);
  auto* from = new QGridLayout(frmFROM);
  from->addWidget(Label1, 0, 0);
  from->addWidget(optFR_ATS77, 1, 0);
  from->addWidget(optFR_NAD27, 2, 0);
  from->addWidget(optFR_NAD83, 3, 0);
  from->setRowStretch(4, 1);
  from->addWidget(frmFR_COORD, 0, 1, 5, 1);

  frmTO = named(new QGroupBox(central), "frmTO");
  Label2 = named(new QLabel(frmTO), "Label2");
  optTO_ATS77 = option(frmTO, "optTO_ATS77");
  optTO_NAD27 = option(frmTO, "optTO_NAD27");
  optTO_NAD83 = option(frmTO, "optTO_NAD83");
  optTO_NAD83_89 = option(frmTO, "optTO_NAD83_89");
  frmTO_COORD = named(new QGroupBox(frmTO), "frmTO_COORD");
  optTO_EN = option(frmTO_COORD, "optTO_EN");
  optTO_LL = option(frmTO_COORD, "optTO_LL");
  optTO_XY = option(frmTO_COORD, "optTO_XY");
  auto* toCoord = new QVBoxLayout(frmTO_COORD);
  for (auto* b : {optTO_EN, optTO_LL, optTO_XY}) toCoord->addWidget(b);
  auto* to = new QGridLayout(frmTO);
  to->addWidget(Label2, 0, 0);
  to->addWidget(optTO_ATS77, 1, 0);
  to->addWidget(optTO_NAD27, 2, 0);
  to->addWidget(optTO_NAD83, 3, 0);
  to->addWidget(optTO_NAD83_89, 4, 0);
  to->setRowStretch(5, 1);
  to->addWidget(frmTO_COORD, 0, 1, 6, 1);

  frmINPUT = named(new QGroupBox(central), "frmINPUT");
  chkKEYBOARD = named(new QCheckBox(frmINPUT), "chkKEYBOARD");
  comIN_KEYBOARD = named(new QPushButton(frmINPUT), "comIN_KEYBOARD");
  chkIN_FILE = named(new QCheckBox(frmINPUT), "chkIN_FILE");
  txtIN_FILE = named(new PathLineEdit(frmINPUT), "txtIN_FILE");
  comIN_SEARCH = named(new QPushButton(frmINPUT), "comIN_SEARCH");
  comPROCESS = named(new QPushButton(frmINPUT), "comPROCESS");
  auto* input = new QGridLayout(frmINPUT);
  input->addWidget(chkKEYBOARD, 0, 0);
  input->addWidget(comIN_KEYBOARD, 0, 1, 1, 2);
  input->addWidget(chkIN_FILE, 1, 0, 1, 3);
  input->addWidget(txtIN_FILE, 2, 0, 1, 2);
  input->addWidget(comIN_SEARCH, 2, 2);
  input->addWidget(comPROCESS, 3, 0, 1, 3);
  txtIN_FILE->setMinimumWidth(280);

  frmOUTPUT = named(new QGroupBox(central), "frmOUTPUT");
  comVIEW = named(new QPushButton(frmOUTPUT), "comVIEW");
  chkREP_FILE = named(new QCheckBox(frmOUTPUT), "chkREP_FILE");
  txtOUT_FILE = named(new PathLineEdit(frmOUTPUT), "txtOUT_FILE");
  comOUT_SEARCH = named(new QPushButton(frmOUTPUT), "comOUT_SEARCH");
  chkTXT_FILE = named(new QCheckBox(frmOUTPUT), "chkTXT_FILE");
  chkACC_FILE = named(new QCheckBox(frmOUTPUT), "chkACC_FILE");
  auto* output = new QGridLayout(frmOUTPUT);
  output->addWidget(chkREP_FILE, 0, 0, 1, 2);
  output->addWidget(txtOUT_FILE, 1, 0);
  output->addWidget(comOUT_SEARCH, 1, 1);
  output->addWidget(chkTXT_FILE, 2, 0, 1, 2);
  output->addWidget(chkACC_FILE, 3, 0, 1, 2);
  output->addWidget(comVIEW, 4, 0, 1, 2);
  txtOUT_FILE->setMinimumWidth(280);
  for (QPushButton* b : {comIN_SEARCH, comOUT_SEARCH}) b->setMaximumWidth(40);

  frmRESULTS = named(new QGroupBox(central), "frmRESULTS");
  lblRESULTS = named(new QLabel(frmRESULTS), "lblRESULTS");
  lblRESULTS->setWordWrap(true);
  QFont bold = lblRESULTS->font();
  bold.setBold(true);
  lblRESULTS->setFont(bold);
  txtErrorCnt = named(new QLabel(frmRESULTS), "txtErrorCnt");
  cmdViewLog = named(new QPushButton(frmRESULTS), "cmdViewLog");
  cmdViewError = named(new QPushButton(frmRESULTS), "cmdViewError");
  palProgress = named(new QProgressBar(frmRESULTS), "palProgress");
  palProgress->setRange(0, 100);
  palProgress->setValue(0);
  cmdCancelProcess = named(new QPushButton(frmRESULTS), "cmdCancelProcess");
  auto* results = new QGridLayout(frmRESULTS);
  results->addWidget(lblRESULTS, 0, 0, 1, 3);
  results->addWidget(txtErrorCnt, 1, 0);
  results->addWidget(cmdViewLog, 1, 1);
  results->addWidget(cmdViewError, 1, 2);
  results->addWidget(palProgress, 2, 0, 1, 2);
  results->addWidget(cmdCancelProcess, 2, 2);
  results->setColumnStretch(0, 1);

  comHELP = named(new QPushButton(central), "comHELP");
  comEXIT = named(new QPushButton(central), "comEXIT");
  auto* buttons = buttonRow({comHELP, comEXIT});

  auto* grid = new QGridLayout(central);
  grid->addWidget(frmFROM, 0, 0);
  grid->addWidget(frmTO, 0, 1);
  grid->addWidget(frmINPUT, 1, 0);
  grid->addWidget(frmOUTPUT, 1, 1);
  grid->addWidget(frmRESULTS, 2, 0, 1, 2);
  grid->addLayout(buttons, 3, 0, 1, 2);

  txtProvince = named(new QLabel(this), "txtProvince");
  txtUtmZome = named(new QLabel(this), "txtUtmZome");
  txtdelimintor = named(new QLabel(this), "txtdelimintor");
  for (QLabel* l : {txtProvince, txtUtmZome, txtdelimintor}) statusBar()->addWidget(l, 1);
  statusBar()->setSizeGripEnabled(false);

  mnuOptions = named(menuBar()->addMenu(QString()), "mnuOptions");
  menuSetup = named(mnuOptions->addAction(QString()), "menuSetup");
  mnuTextFile = named(mnuOptions->addAction(QString()), "mnuTextFile");
  mnuOptions->addSeparator();
  menuAbout = named(mnuOptions->addAction(QString()), "menuAbout");
  MenuExit = named(mnuOptions->addAction(QString()), "MenuExit");
}

void FormMain::connectControls() {
  MainWindowChoices& c = model_.choices();
  auto onClick = [this](QAbstractButton* b, std::function<void()> action) {
    connect(b, &QAbstractButton::clicked, this, [this, action = std::move(action)] {
      action();
      refresh();
    });
  };
  onClick(optFR_ATS77, [&c] { c.chooseFromDatum(Datum::ATS77); });
  onClick(optFR_NAD27, [&c] { c.chooseFromDatum(Datum::NAD27); });
  onClick(optFR_NAD83, [&c] { c.chooseFromDatum(Datum::NAD83); });
  onClick(optFR_EN, [&c] { c.chooseFromForm(CoordForm::EN); });
  onClick(optFR_LL, [&c] { c.chooseFromForm(CoordForm::LL); });
  onClick(optFR_XY, [&c] { c.chooseFromForm(CoordForm::XY); });
  onClick(optTO_ATS77, [&c] { c.chooseToDatum(Datum::ATS77); });
  onClick(optTO_NAD27, [&c] { c.chooseToDatum(Datum::NAD27); });
  onClick(optTO_NAD83, [&c] { c.chooseToDatum(Datum::NAD83); });
  onClick(optTO_NAD83_89, [&c] { c.chooseToDatum(Datum::NAD83_1989); });
  onClick(optTO_EN, [&c] { c.chooseToForm(CoordForm::EN); });
  onClick(optTO_LL, [&c] { c.chooseToForm(CoordForm::LL); });
  onClick(optTO_XY, [&c] { c.chooseToForm(CoordForm::XY); });
  onClick(chkIN_FILE, [this, &c] { c.setInputFromFile(chkIN_FILE->isChecked()); });
  onClick(chkKEYBOARD, [this, &c] { c.setInputFromKeyboard(chkKEYBOARD->isChecked()); });
  onClick(chkREP_FILE, [this, &c] { c.setReportFile(chkREP_FILE->isChecked()); });
  onClick(chkTXT_FILE, [this, &c] { c.setDataFile(chkTXT_FILE->isChecked()); });
  onClick(chkACC_FILE, [this, &c] { c.setAccuracyFile(chkACC_FILE->isChecked()); });
  connect(txtIN_FILE, &QLineEdit::textEdited, this, [this, &c](const QString& t) {
    c.typeInputFile(ss(t));
    refresh();
  });
  connect(txtOUT_FILE, &QLineEdit::textEdited, this, [this, &c](const QString& t) {
    c.typeReportFile(ss(t));
    refresh();
  });

  connect(comPROCESS, &QPushButton::clicked, this, [this] { Process(); });
  connect(cmdCancelProcess, &QPushButton::clicked, this, [this] { CancelProcess(); });
  connect(comIN_KEYBOARD, &QPushButton::clicked, this, [this] { OpenKeyboard(); });
  connect(comIN_SEARCH, &QPushButton::clicked, this, [this] { SearchInputFile(); });
  connect(comOUT_SEARCH, &QPushButton::clicked, this, [this] { SearchOutputFile(); });
  connect(comVIEW, &QPushButton::clicked, this,
          [this] { ViewReport(messages_, model_.reportFile(), startProgram); });
  connect(cmdViewLog, &QPushButton::clicked, this, [this] { ViewLog(messages_, startProgram); });
  connect(cmdViewError, &QPushButton::clicked, this,
          [this] { ViewError(messages_, startProgram); });
  connect(comHELP, &QPushButton::clicked, this, [this] { Help(); });
  connect(comEXIT, &QPushButton::clicked, this, [this] { Exit(); });
  connect(menuSetup, &QAction::triggered, this, [this] { OpenSetup(); });
  connect(mnuTextFile, &QAction::triggered, this, [this] { OpenTextFileOptions(); });
  connect(menuAbout, &QAction::triggered, this, [this] { OpenAbout(); });
  connect(MenuExit, &QAction::triggered, this, [this] { Exit(); });
}

bool FormMain::Load(const std::string& programDir) {
  StartupOutputs outputs;
  if (!StartUp(settings_, messages_, outputs, programDir)) return false;
  model_.Loaded(outputs);
  if (outputs.captionsEnglish)
    model_.SetEnglish();
  else
    model_.SetFrench();
  setCaptions();
  refresh();
  messages_.setBusyPointer(true);
  bool laidOut = SetDeviceIndependentWindow(*this, messages_);
  messages_.setBusyPointer(false);
  return laidOut;
}

void FormMain::setCaptions() {
  for (const auto& [name, text] : model_.captions()) {
    if (name == "formMAIN") {
      if (!text.empty()) setWindowTitle(qs(text));
      continue;
    }
    QString n = qs(name);
    if (auto* a = findChild<QAction*>(n)) {
      a->setText(qs(text));
    } else if (auto* m = findChild<QMenu*>(n)) {
      m->setTitle(qs(text));
    } else if (auto* w = findChild<QWidget*>(n)) {
      if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(qs(text));
      else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(qs(DisplayCaption(text)));
      else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(qs(text));
    }
  }
  cmdCancelProcess->setText(qs(pickCaption(kCancelCaption, settings_.language)));
  refreshStatus();
}

void FormMain::refreshStatus() {
  txtProvince->setText(qs(model_.provinceLabel()));
  txtUtmZome->setText(qs(model_.utmZoneLabel()));
  txtdelimintor->setText(qs(model_.delimiterLabel()));
}

void FormMain::refresh() {
  const MainWindowChoices& c = model_.choices();
  bind(optFR_ATS77, c.optFR_ATS77);
  bind(optFR_NAD27, c.optFR_NAD27);
  bind(optFR_NAD83, c.optFR_NAD83);
  bind(optFR_EN, c.optFR_EN);
  bind(optFR_LL, c.optFR_LL);
  bind(optFR_XY, c.optFR_XY);
  bind(optTO_ATS77, c.optTO_ATS77);
  bind(optTO_NAD27, c.optTO_NAD27);
  bind(optTO_NAD83, c.optTO_NAD83);
  bind(optTO_NAD83_89, c.optTO_NAD83_89);
  bind(optTO_EN, c.optTO_EN);
  bind(optTO_LL, c.optTO_LL);
  bind(optTO_XY, c.optTO_XY);
  bind(chkKEYBOARD, c.chkKEYBOARD);
  bind(comIN_KEYBOARD, c.comIN_KEYBOARD);
  bind(chkIN_FILE, c.chkIN_FILE);
  bind(comIN_SEARCH, c.comIN_SEARCH);
  bind(txtIN_FILE, c.txtIN_FILE);
  bind(chkREP_FILE, c.chkREP_FILE);
  bind(comOUT_SEARCH, c.comOUT_SEARCH);
  bind(txtOUT_FILE, c.txtOUT_FILE);
  bind(chkTXT_FILE, c.chkTXT_FILE);
  bind(chkACC_FILE, c.chkACC_FILE);
  bind(comPROCESS, c.comPROCESS);
  bind(comVIEW, c.comVIEW);
  refreshRun();
  refreshStatus();
}

void FormMain::refreshRun() {
  if (lblRESULTS->text() != qs(model_.resultsLabel()))
    lblRESULTS->setText(qs(model_.resultsLabel()));
  txtErrorCnt->setText(qs(model_.errorCountText()));
  palProgress->setValue(model_.progress());
  cmdCancelProcess->setVisible(model_.cancelVisible());
  comVIEW->setEnabled(model_.choices().comVIEW.enabled);
  cmdViewLog->setEnabled(!processing_ && model_.viewLogEnabled());
  cmdViewError->setEnabled(!processing_ && model_.viewErrorEnabled());
  comHELP->setEnabled(!processing_ && model_.helpEnabled());
}

// While a route runs only Cancel acts.
void FormMain::setIdleControlsEnabled(bool enabled) {
  for (QWidget* w : std::initializer_list<QWidget*>{frmFROM, frmTO, frmINPUT, frmOUTPUT, comEXIT})
    w->setEnabled(enabled);
  menuBar()->setEnabled(enabled);
}

void FormMain::Process() {
  if (processing_) return;
  processing_ = true;
  setIdleControlsEnabled(false);
  model_.Process();
  processing_ = false;
  setIdleControlsEnabled(true);
  refresh();
}

void FormMain::CancelProcess() {
  model_.CancelProcess();
  refreshRun();
}

int FormMain::run(QDialog& dialog) {
  if (beforeDialog) beforeDialog(dialog);
  return runDialog(dialog);
}

void FormMain::OpenKeyboard() {
  messages_.setBusyPointer(true);
  model_.OpenKeyboard();
  refresh();
  const MainWindowChoices& c = model_.choices();
  FormKeyboard keyboard(settings_, messages_, c.fromDatum(), c.fromForm(), c.toDatum(), c.toForm(),
                        choose, this);
  messages_.setBusyPointer(false);
  if (run(keyboard) == QDialog::Accepted) model_.KeyboardSaved(keyboard.model().inputFile());
  refresh();
}

void FormMain::OpenSetup() {
  FrmSetup setup(settings_, messages_, choose, this);
  run(setup);
  if (setup.result() == QDialog::Accepted) {
    model_.SetupClosed(setup.model().languageChanged());
    if (setup.model().languageChanged()) setCaptions();
  }
  refresh();
}

void FormMain::OpenTextFileOptions() {
  FormOptions options(settings_, messages_, this);
  run(options);
  model_.TextFileOptionsClosed();
  refreshStatus();
}

void FormMain::OpenAbout() {
  FrmAbout about(messages_, this);
  run(about);
}

void FormMain::Exit() {
  SaveSettings(settings_, messages_);
  exiting_ = true;
  close();
}

void FormMain::closeEvent(QCloseEvent* event) {
  if (processing_) {
    // Leaving during a run stops the run first.
    model_.CancelProcess();
    event->ignore();
    return;
  }
  event->accept();
}

void FormMain::SearchInputFile() {
  std::string pattern =
      GetPrivateProfileString("SETUP", "Input file extension", "", settings_.iniPath);
  FileChooserText t = InputFileChooser(settings_, pattern);
  ChooserRequest r;
  r.kind = ChooserRequest::Kind::OpenFile;
  r.caption = qs(t.caption);
  r.cancelText = qs(t.cancel);
  for (const std::string& p : t.patterns) r.patterns << qs(p);
  r.directory = qs(settings_.inputDir);
  ChooserResult result = choose(r);
  if (result.path.isEmpty()) return;
  ChosenFile chosen = ChosenInputFile(ss(result.path), ss(result.pattern));
  settings_.inputDir = chosen.directory;
  model_.choices().typeInputFile(chosen.path);
  refresh();
}

void FormMain::SearchOutputFile() {
  std::string pattern =
      GetPrivateProfileString("SETUP", "Report file extension", "", settings_.iniPath);
  FileChooserText t = OutputFileChooser(settings_, pattern);
  ChooserRequest r;
  r.kind = ChooserRequest::Kind::SaveFile;
  r.caption = qs(t.caption);
  r.cancelText = qs(t.cancel);
  for (const std::string& p : t.patterns) r.patterns << qs(p);
  r.directory = qs(settings_.outputDir);
  r.fileName = qs(FileNameOf(model_.choices().txtOUT_FILE.text));
  ChooserResult result = choose(r);
  if (result.path.isEmpty()) return;
  ChosenFile chosen = ChosenReportFile(ss(result.path));
  settings_.outputDir = chosen.directory;
  model_.choices().typeReportFile(chosen.path);
  refresh();
}

void FormMain::Help() { LaunchHelp(settings_, messages_, startProgram); }

}  // namespace kartovex::gui
