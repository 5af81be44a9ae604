#include "gui/form_keyboard.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/file_choosers.h"
#include "gui/path_line_edit.h"
#include "gui/widget_helpers.h"
#include "gui/window_layout.h"
#include "mainwindow/main_window_captions.h"
#include "platform/paths.h"

namespace kartovex::gui {

FormKeyboard::FormKeyboard(FrontEndSettings& settings, MessageService& messages, Datum fromDatum,
                           CoordForm fromForm, Datum toDatum, CoordForm toForm, Chooser chooser,
                           QWidget* parent)
    : QDialog(parent),
      model_(settings, messages),
      chooser_(std::move(chooser)),
      settings_(settings) {
  setObjectName("formKEYBOARD");
  setModal(true);
  if (!chooser_) chooser_ = DefaultChooser(this);

  txtTXT_FILE = named(new PathLineEdit(this), "txtTXT_FILE");
  comTXT_SEARCH = named(new QPushButton(this), "comTXT_SEARCH");
  comTXT_SEARCH->setMaximumWidth(40);
  chkTXT_FILE = named(new QCheckBox(this), "chkTXT_FILE");
  comUPDATE = named(new QPushButton(this), "comUPDATE");
  lstKEYBOARD = named(new QListWidget(this), "lstKEYBOARD");
  lstKEYBOARD->setFont(QFont("Monospace"));
  lstKEYBOARD->setMinimumHeight(140);
  comDELETE = named(new QPushButton(this), "comDELETE");
  comCOMMIT = named(new QPushButton(this), "comCOMMIT");
  txtPOINT = named(new QLineEdit(this), "txtPOINT");
  txtPOINT->setMaxLength(8);
  comCANCEL = named(new QPushButton(this), "comCANCEL");
  comOK = named(new QPushButton(this), "comOK");
  // No default button: Enter belongs to the point's boxes (see keyPressEvent),
  // never to "..." or OK.
  for (QPushButton* b : {comTXT_SEARCH, comUPDATE, comDELETE, comCOMMIT, comCANCEL, comOK}) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }

  famEastNorth = named(new QGroupBox(this), "famEastNorth");
  famXY = named(new QGroupBox(famEastNorth), "famXY");
  txtZONE = named(new QLineEdit(famXY), "txtZONE");
  txtZONE->setMaxLength(2);
  txtZONE->setMaximumWidth(50);
  txtNSZone = named(new QLabel(famXY), "txtNSZone");
  lbl19_20 = named(new QLabel(famXY), "lbl19_20");
  lblZONE = named(new QLabel(famXY), "lblZONE");
  txtY = named(new QLineEdit(famEastNorth), "txtY");
  txtX = named(new QLineEdit(famEastNorth), "txtX");
  lblY1 = named(new QLabel(famEastNorth), "lblY1");
  lblX1 = named(new QLabel(famEastNorth), "lblX1");
  lblY = named(new QLabel(famEastNorth), "lblY");
  lblX = named(new QLabel(famEastNorth), "lblX");
  auto* xy = new QHBoxLayout(famXY);
  xy->addWidget(lblZONE);
  xy->addWidget(txtZONE);
  xy->addWidget(txtNSZone);
  xy->addWidget(lbl19_20);
  xy->addStretch();
  auto* en = new QGridLayout(famEastNorth);
  en->addWidget(lblX, 0, 0);
  en->addWidget(txtX, 0, 1);
  en->addWidget(lblX1, 0, 2);
  en->addWidget(lblY, 1, 0);
  en->addWidget(txtY, 1, 1);
  en->addWidget(lblY1, 1, 2);
  en->addWidget(famXY, 2, 0, 1, 3);

  famLatLong = named(new QGroupBox(this), "famLatLong");
  txtMIN_LAT = named(new QLineEdit(famLatLong), "txtMIN_LAT");
  txtSEC_LON = named(new QLineEdit(famLatLong), "txtSEC_LON");
  txtMIN_LON = named(new QLineEdit(famLatLong), "txtMIN_LON");
  txtSEC_LAT = named(new QLineEdit(famLatLong), "txtSEC_LAT");
  txtDEG_LON = named(new QLineEdit(famLatLong), "txtDEG_LON");
  txtDEG_LAT = named(new QLineEdit(famLatLong), "txtDEG_LAT");
  for (QLineEdit* b : {txtDEG_LAT, txtMIN_LAT, txtDEG_LON, txtMIN_LON}) b->setMaxLength(2);
  for (QLineEdit* b : {txtSEC_LAT, txtSEC_LON}) b->setMaxLength(8);
  lblSEC_LON = named(new QLabel(famLatLong), "lblSEC_LON");
  lblMIN_LON = named(new QLabel(famLatLong), "lblMIN_LON");
  lblSEC_LAT = named(new QLabel(famLatLong), "lblSEC_LAT");
  lblMIN_LAT = named(new QLabel(famLatLong), "lblMIN_LAT");
  lblDEG_LAT = named(new QLabel(famLatLong), "lblDEG_LAT");
  lblDEG_LON = named(new QLabel(famLatLong), "lblDEG_LON");
  lblLAT = named(new QLabel(famLatLong), "lblLAT");
  lblLON = named(new QLabel(famLatLong), "lblLON");
  lblD_LAT = named(new QLabel(famLatLong), "lblD_LAT");
  lblD_LON = named(new QLabel(famLatLong), "lblD_LON");
  lblM_LAT = named(new QLabel(famLatLong), "lblM_LAT");
  lblM_LON = named(new QLabel(famLatLong), "lblM_LON");
  lblS_LAT = named(new QLabel(famLatLong), "lblS_LAT");
  lblS_LON = named(new QLabel(famLatLong), "lblS_LON");
  auto* ll = new QGridLayout(famLatLong);
  ll->addWidget(lblLAT, 0, 0, 1, 6);
  ll->addWidget(lblDEG_LAT, 1, 0);
  ll->addWidget(txtDEG_LAT, 1, 1);
  ll->addWidget(lblMIN_LAT, 1, 2);
  ll->addWidget(txtMIN_LAT, 1, 3);
  ll->addWidget(lblSEC_LAT, 1, 4);
  ll->addWidget(txtSEC_LAT, 1, 5);
  ll->addWidget(lblD_LAT, 2, 1);
  ll->addWidget(lblM_LAT, 2, 3);
  ll->addWidget(lblS_LAT, 2, 5);
  ll->addWidget(lblLON, 3, 0, 1, 6);
  ll->addWidget(lblDEG_LON, 4, 0);
  ll->addWidget(txtDEG_LON, 4, 1);
  ll->addWidget(lblMIN_LON, 4, 2);
  ll->addWidget(txtMIN_LON, 4, 3);
  ll->addWidget(lblSEC_LON, 4, 4);
  ll->addWidget(txtSEC_LON, 4, 5);
  ll->addWidget(lblD_LON, 5, 1);
  ll->addWidget(lblM_LON, 5, 3);
  ll->addWidget(lblS_LON, 5, 5);

  lblUTM_WARNING = named(new QLabel(this), "lblUTM_WARNING");
  lblUTM_WARNING->setWordWrap(true);
  lblKEYBOARD = named(new QLabel(this), "lblKEYBOARD");
  lblKEYBOARD->setFont(QFont("Monospace"));
  lblPOINT = named(new QLabel(this), "lblPOINT");

  auto* point = new QHBoxLayout;
  point->addWidget(lblPOINT);
  point->addWidget(txtPOINT);
  point->addStretch();
  auto* edit = new QHBoxLayout;
  edit->addWidget(comCOMMIT);
  edit->addWidget(comUPDATE);
  edit->addWidget(comDELETE);
  auto* file = new QHBoxLayout;
  file->addWidget(chkTXT_FILE);
  file->addWidget(txtTXT_FILE, 1);
  file->addWidget(comTXT_SEARCH);
  auto* buttons = buttonRow({comOK, comCANCEL});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(point);
  layout->addWidget(famEastNorth);
  layout->addWidget(famLatLong);
  layout->addWidget(lblUTM_WARNING);
  layout->addLayout(edit);
  layout->addWidget(lblKEYBOARD);
  layout->addWidget(lstKEYBOARD);
  layout->addLayout(file);
  layout->addLayout(buttons);

  connect(comCOMMIT, &QPushButton::clicked, this, [this] { Commit(); });
  connect(comUPDATE, &QPushButton::clicked, this, [this] { Update(); });
  connect(comDELETE, &QPushButton::clicked, this, [this] { Delete(); });
  connect(comCANCEL, &QPushButton::clicked, this, [this] { Cancel(); });
  connect(comOK, &QPushButton::clicked, this, [this] { Ok(); });
  connect(comTXT_SEARCH, &QPushButton::clicked, this, [this] { SearchTextFile(); });
  connect(lstKEYBOARD, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { SelectLine(lstKEYBOARD->row(item)); });
  connect(chkTXT_FILE, &QCheckBox::toggled, this, [this](bool on) { model_.chkTXT_FILE = on; });
  connect(txtTXT_FILE, &QLineEdit::textEdited, this,
          [this](const QString& t) { model_.txtTXT_FILE = ss(t); });

  model_.Load(fromDatum, fromForm, toDatum, toForm);
  setWindowTitle(qs(model_.caption("formKEYBOARD")));
  for (const auto& [name, text] : model_.captions()) {
    auto* w = findChild<QWidget*>(qs(name));
    if (!w) continue;
    if (auto* b = qobject_cast<QAbstractButton*>(w))
      b->setText(qs(DisplayCaption(text)));
    else if (auto* l = qobject_cast<QLabel*>(w))
      l->setText(qs(text));
  }
  famEastNorth->setVisible(model_.famEastNorthVisible);
  famXY->setVisible(model_.famXYVisible);
  txtNSZone->setVisible(model_.txtNSZoneVisible);
  lbl19_20->setVisible(model_.lbl19_20Visible);
  lblUTM_WARNING->setVisible(model_.lblUTM_WARNINGVisible);
  famLatLong->setVisible(model_.famLatLongVisible);
  refresh();
  SetDeviceIndependentWindow(*this, messages);

  // Tab follows the point's boxes first, in the order a point is typed.
  QWidget* order[] = {txtPOINT,    txtX,          txtY,       txtZONE,     txtDEG_LAT,
                      txtMIN_LAT,  txtSEC_LAT,    txtDEG_LON, txtMIN_LON,  txtSEC_LON,
                      comCOMMIT,   comUPDATE,     comDELETE,  lstKEYBOARD, chkTXT_FILE,
                      txtTXT_FILE, comTXT_SEARCH, comOK,      comCANCEL};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  focusBox();  // the point's name first
}

bool FormKeyboard::enterInPointBox() {
  QLineEdit* boxes[] = {txtPOINT,   txtX,       txtY,       txtZONE,    txtDEG_LAT,
                        txtMIN_LAT, txtSEC_LAT, txtDEG_LON, txtMIN_LON, txtSEC_LON};
  std::vector<QLineEdit*> shown;
  for (QLineEdit* b : boxes)
    if (!b->isHidden() && b->isVisibleTo(this) && b->isEnabled()) shown.push_back(b);
  auto at = std::find(shown.begin(), shown.end(), focusWidget());
  if (at == shown.end()) return false;
  if (std::next(at) != shown.end()) {
    (*std::next(at))->setFocus();
    (*std::next(at))->selectAll();
  } else if (comCOMMIT->isEnabled()) {
    Commit();
  } else if (comUPDATE->isEnabled()) {
    Update();
  }
  return true;
}

void FormKeyboard::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    enterInPointBox();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void FormKeyboard::takeEntry() {
  KeyboardEntry& e = model_.entry;
  e.txtPOINT = ss(txtPOINT->text());
  e.txtX = ss(txtX->text());
  e.txtY = ss(txtY->text());
  e.txtZONE = ss(txtZONE->text());
  e.txtDEG_LAT = ss(txtDEG_LAT->text());
  e.txtMIN_LAT = ss(txtMIN_LAT->text());
  e.txtSEC_LAT = ss(txtSEC_LAT->text());
  e.txtDEG_LON = ss(txtDEG_LON->text());
  e.txtMIN_LON = ss(txtMIN_LON->text());
  e.txtSEC_LON = ss(txtSEC_LON->text());
  model_.chkTXT_FILE = chkTXT_FILE->isChecked();
  model_.txtTXT_FILE = ss(txtTXT_FILE->text());
}

void FormKeyboard::refresh() {
  const KeyboardEntry& e = model_.entry;
  setBox(txtPOINT, e.txtPOINT);
  setBox(txtX, e.txtX);
  setBox(txtY, e.txtY);
  setBox(txtZONE, e.txtZONE);
  setBox(txtDEG_LAT, e.txtDEG_LAT);
  setBox(txtMIN_LAT, e.txtMIN_LAT);
  setBox(txtSEC_LAT, e.txtSEC_LAT);
  setBox(txtDEG_LON, e.txtDEG_LON);
  setBox(txtMIN_LON, e.txtMIN_LON);
  setBox(txtSEC_LON, e.txtSEC_LON);
  setPathBox(txtTXT_FILE, model_.txtTXT_FILE);
  txtZONE->setEnabled(model_.txtZONEEnabled);
  comCOMMIT->setEnabled(model_.comCOMMITEnabled);
  comDELETE->setEnabled(model_.comDELETEEnabled);
  comUPDATE->setEnabled(model_.comUPDATEEnabled);
  std::vector<std::string> lines = model_.listLines();
  lstKEYBOARD->clear();
  for (const std::string& line : lines) lstKEYBOARD->addItem(qs(line));
  if (model_.selected() >= 0) lstKEYBOARD->setCurrentRow(model_.selected());
}

void FormKeyboard::focusBox() {
  QLineEdit* box = nullptr;
  switch (model_.focus) {
    case KeyboardFocus::txtPOINT: box = txtPOINT; break;
    case KeyboardFocus::txtX: box = txtX; break;
    case KeyboardFocus::txtY: box = txtY; break;
    case KeyboardFocus::txtZONE: box = txtZONE; break;
    case KeyboardFocus::txtDEG_LAT: box = txtDEG_LAT; break;
    case KeyboardFocus::txtMIN_LAT: box = txtMIN_LAT; break;
    case KeyboardFocus::txtSEC_LAT: box = txtSEC_LAT; break;
    case KeyboardFocus::txtDEG_LON: box = txtDEG_LON; break;
    case KeyboardFocus::txtMIN_LON: box = txtMIN_LON; break;
    case KeyboardFocus::txtSEC_LON: box = txtSEC_LON; break;
    case KeyboardFocus::None: break;
  }
  if (box) box->setFocus();
}

void FormKeyboard::Commit() {
  takeEntry();
  model_.Commit();
  refresh();
  focusBox();
}

void FormKeyboard::Update() {
  takeEntry();
  model_.Update();
  refresh();
  focusBox();
}

void FormKeyboard::Delete() {
  takeEntry();
  model_.Delete();
  refresh();
  focusBox();
}

void FormKeyboard::SelectLine(int row) {
  model_.SelectRow(row);
  refresh();
}

void FormKeyboard::Cancel() {
  if (model_.Cancel()) QDialog::reject();
}

void FormKeyboard::reject() { Cancel(); }

void FormKeyboard::Ok() {
  takeEntry();
  if (model_.Ok()) accept();
}

void FormKeyboard::SearchTextFile() {
  FileChooserText t = SaveInputChooser(settings_);
  ChooserRequest r;
  r.kind = ChooserRequest::Kind::SaveFile;
  r.caption = qs(t.caption);
  r.cancelText = qs(t.cancel);
  for (const std::string& p : t.patterns) r.patterns << qs(p);
  r.directory = qs(settings_.inputDir);
  ChooserResult result = chooser_(r);
  if (result.path.isEmpty()) return;
  ChosenFile chosen = ChosenSaveFile(ss(result.path));
  model_.TextFileChosen(chosen.directory, FileNameOf(chosen.path));
  refresh();
}

}  // namespace kartovex::gui
