#include "gui/frm_setup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/widget_helpers.h"
#include "gui/window_layout.h"

namespace kartovex::gui {

FrmSetup::FrmSetup(FrontEndSettings& settings, MessageService& messages, Chooser chooser,
                   QWidget* parent)
    : QDialog(parent),
      messages_(messages),
      model_(settings, messages),
      chooser_(std::move(chooser)) {
  setObjectName("frmSetup");
  setModal(true);
  if (!chooser_) chooser_ = DefaultChooser(this);

  fraProvince = named(new QGroupBox(this), "fraProvince");
  optNB = option(fraProvince, "optNB");
  optNS = option(fraProvince, "optNS");
  optPEI = option(fraProvince, "optPEI");
  auto* provinceLayout = new QVBoxLayout(fraProvince);
  for (auto* b : {optNB, optNS, optPEI}) provinceLayout->addWidget(b);

  fraMTMZones = named(new QGroupBox(this), "fraMTMZones");
  optMTMZone4 = option(fraMTMZones, "optMTMZone4");
  optMTMZone5 = option(fraMTMZones, "optMTMZone5");
  auto* mtmLayout = new QVBoxLayout(fraMTMZones);
  for (auto* b : {optMTMZone4, optMTMZone5}) mtmLayout->addWidget(b);
  mtmLayout->addStretch();

  fraUTMZones = named(new QGroupBox(this), "fraUTMZones");
  optZone19 = option(fraUTMZones, "optZone19");
  optZone20 = option(fraUTMZones, "optZone20");
  optZone21 = option(fraUTMZones, "optZone21");
  auto* utmLayout = new QVBoxLayout(fraUTMZones);
  for (auto* b : {optZone19, optZone20, optZone21}) utmLayout->addWidget(b);

  fraLanguage = named(new QGroupBox(this), "fraLanguage");
  optEnglish = option(fraLanguage, "optEnglish");
  optFrench = option(fraLanguage, "optFrench");
  auto* languageLayout = new QVBoxLayout(fraLanguage);
  for (auto* b : {optEnglish, optFrench}) languageLayout->addWidget(b);
  languageLayout->addStretch();

  fraDirectories = named(new QGroupBox(this), "fraDirectories");
  lblRoot = named(new QLabel(fraDirectories), "lblRoot");
  lblBin = named(new QLabel(fraDirectories), "lblBin");
  lblWorking = named(new QLabel(fraDirectories), "lblWorking");
  lblInput = named(new QLabel(fraDirectories), "lblInput");
  lblOutput = named(new QLabel(fraDirectories), "lblOutput");
  lblReader = named(new QLabel(fraDirectories), "lblReader");
  lblRootValue = named(new QLabel(fraDirectories), "lblRootValue");
  lblBinValue = named(new QLabel(fraDirectories), "lblBinValue");
  for (QLabel* l : {lblRootValue, lblBinValue}) {
    l->setFrameShape(QFrame::StyledPanel);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  edtWorkingDir = named(new QLineEdit(fraDirectories), "edtWorkingDir");
  edtInputDir = named(new QLineEdit(fraDirectories), "edtInputDir");
  edtOutputDir = named(new QLineEdit(fraDirectories), "edtOutputDir");
  edtReader = named(new QLineEdit(fraDirectories), "edtReader");
  cmdWorkDir = named(new QPushButton(fraDirectories), "cmdWorkDir");
  cmdInputDir = named(new QPushButton(fraDirectories), "cmdInputDir");
  cmdOutputDir = named(new QPushButton(fraDirectories), "cmdOutputDir");
  cmdReader = named(new QPushButton(fraDirectories), "cmdReader");
  auto* dirLayout = new QGridLayout(fraDirectories);
  dirLayout->addWidget(lblRoot, 0, 0);
  dirLayout->addWidget(lblRootValue, 0, 1, 1, 2);
  dirLayout->addWidget(lblBin, 1, 0);
  dirLayout->addWidget(lblBinValue, 1, 1, 1, 2);
  int row = 2;
  for (auto [label, box, button] : {std::tuple{lblWorking, edtWorkingDir, cmdWorkDir},
                                    std::tuple{lblInput, edtInputDir, cmdInputDir},
                                    std::tuple{lblOutput, edtOutputDir, cmdOutputDir},
                                    std::tuple{lblReader, edtReader, cmdReader}}) {
    dirLayout->addWidget(label, row, 0);
    dirLayout->addWidget(box, row, 1);
    dirLayout->addWidget(button, row, 2);
    box->setMinimumWidth(320);
    button->setMaximumWidth(40);
    ++row;
  }

  comOK = named(new QPushButton(this), "comOK");
  comCANCEL = named(new QPushButton(this), "comCANCEL");
  comOK->setDefault(true);

  auto* top = new QHBoxLayout;
  for (auto* g : {fraProvince, fraMTMZones, fraUTMZones, fraLanguage}) top->addWidget(g);
  auto* buttons = buttonRow({comOK, comCANCEL});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(fraDirectories);
  layout->addLayout(buttons);

  auto click = [this](QRadioButton* b, void (SetupModel::*action)()) {
    connect(b, &QRadioButton::clicked, this, [this, action] {
      takeTexts();
      (model_.*action)();
      refresh();
    });
  };
  click(optNB, &SetupModel::clickNB);
  click(optNS, &SetupModel::clickNS);
  click(optPEI, &SetupModel::clickPEI);
  click(optMTMZone4, &SetupModel::clickMTMZone4);
  click(optMTMZone5, &SetupModel::clickMTMZone5);
  click(optZone19, &SetupModel::clickZone19);
  click(optZone20, &SetupModel::clickZone20);
  click(optZone21, &SetupModel::clickZone21);
  click(optEnglish, &SetupModel::clickEnglish);
  click(optFrench, &SetupModel::clickFrench);

  connect(cmdWorkDir, &QPushButton::clicked, this,
          [this] { browseDirectory(edtWorkingDir, &SetupModel::workDirChosen); });
  connect(cmdInputDir, &QPushButton::clicked, this,
          [this] { browseDirectory(edtInputDir, &SetupModel::inputDirChosen); });
  connect(cmdOutputDir, &QPushButton::clicked, this,
          [this] { browseDirectory(edtOutputDir, &SetupModel::outputDirChosen); });
  connect(cmdReader, &QPushButton::clicked, this, [this] { browseReader(); });
  connect(edtReader, &QLineEdit::returnPressed, this, [this] {
    takeTexts();
    model_.readerEnter();
  });
  connect(comOK, &QPushButton::clicked, this, [this] {
    takeTexts();
    model_.ok();
    accept();
  });
  connect(comCANCEL, &QPushButton::clicked, this, [this] {
    model_.cancel();
    reject();
  });

  model_.open();
  setCaptions();
  refresh();
  SetDeviceIndependentWindow(*this, messages_);
}

void FrmSetup::setCaptions() {
  setWindowTitle(qs(model_.caption("frmSetup")));
  for (QWidget* w : findChildren<QWidget*>()) {
    std::string text = model_.caption(ss(w->objectName()));
    if (text.empty()) continue;
    if (auto* g = qobject_cast<QGroupBox*>(w))
      g->setTitle(qs(text));
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
      b->setText(qs(text));
    else if (auto* l = qobject_cast<QLabel*>(w))
      l->setText(qs(text));
  }
}

void FrmSetup::refresh() {
  bind(optNB, model_.optNB);
  bind(optNS, model_.optNS);
  bind(optPEI, model_.optPEI);
  bind(optMTMZone4, model_.optMTMZone4);
  bind(optMTMZone5, model_.optMTMZone5);
  bind(optZone19, model_.optZone19);
  bind(optZone20, model_.optZone20);
  bind(optZone21, model_.optZone21);
  bind(optEnglish, model_.optEnglish);
  bind(optFrench, model_.optFrench);
  edtWorkingDir->setText(qs(model_.edtWorkingDir));
  edtInputDir->setText(qs(model_.edtInputDir));
  edtOutputDir->setText(qs(model_.edtOutputDir));
  edtReader->setText(qs(model_.edtReader));
  lblRootValue->setText(qs(model_.lblRootValue));
  lblBinValue->setText(qs(model_.lblBinValue));
}

// What the user typed goes into the model before it is used.
void FrmSetup::takeTexts() {
  model_.edtWorkingDir = ss(edtWorkingDir->text());
  model_.edtInputDir = ss(edtInputDir->text());
  model_.edtOutputDir = ss(edtOutputDir->text());
  model_.edtReader = ss(edtReader->text());
}

void FrmSetup::browseDirectory(QLineEdit* box, void (SetupModel::*chosen)(const std::string&)) {
  takeTexts();
  DialogCaptions c = model_.directoryDialog();
  ChooserRequest r;
  r.kind = ChooserRequest::Kind::Directory;
  r.caption = qs(c.caption);
  r.cancelText = qs(c.cancel);
  r.directory = box->text();
  ChooserResult result = chooser_(r);
  if (result.path.isEmpty()) return;
  (model_.*chosen)(ss(result.path));
  refresh();
}

void FrmSetup::browseReader() {
  takeTexts();
  DialogCaptions c = model_.readerDialog();
  ChooserRequest r;
  r.kind = ChooserRequest::Kind::OpenFile;
  r.caption = qs(c.caption);
  r.cancelText = qs(c.cancel);
  r.patterns = qs(c.patterns).split(';', Qt::SkipEmptyParts);
  r.directory = edtReader->text();
  ChooserResult result = chooser_(r);
  if (result.path.isEmpty()) return;
  model_.readerChosen(ss(result.path));
  refresh();
}

}  // namespace kartovex::gui
