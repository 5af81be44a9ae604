#include "gui/form_options.h"

#include <QButtonGroup>
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

FormOptions::FormOptions(FrontEndSettings& settings, MessageService& messages, QWidget* parent)
    : QDialog(parent), settings_(settings), messages_(messages) {
  setObjectName("formOPTIONS");
  setModal(true);

  frmEastNorth = named(new QGroupBox(this), "frmEastNorth");
  frmDelimeter = named(new QGroupBox(frmEastNorth), "frmDelimeter");
  optTabDeliminter = named(new QRadioButton(frmDelimeter), "optTabDeliminter");
  txtDelimeter = named(new QLineEdit(frmDelimeter), "txtDelimeter");
  txtDelimeter->setMaxLength(1);
  txtDelimeter->setMaximumWidth(60);
  optOther = named(new QRadioButton(frmDelimeter), "optOther");
  optComma = named(new QRadioButton(frmDelimeter), "optComma");
  optSpace = named(new QRadioButton(frmDelimeter), "optSpace");
  frmText = named(new QGroupBox(frmEastNorth), "frmText");
  famDisplayInreport = named(new QGroupBox(frmText), "famDisplayInreport");
  optDisplayNo = named(new QRadioButton(famDisplayInreport), "optDisplayNo");
  optDisplayYes = named(new QRadioButton(famDisplayInreport), "optDisplayYes");
  optTextYES = named(new QRadioButton(frmText), "optTextYES");
  optTextNO = named(new QRadioButton(frmText), "optTextNO");
  Label1 = named(new QLabel(frmText), "Label1");
  Label1->setWordWrap(true);
  frmORDER = named(new QGroupBox(frmEastNorth), "frmORDER");
  optNE = named(new QRadioButton(frmORDER), "optNE");
  optEN = named(new QRadioButton(frmORDER), "optEN");
  comCANCEL = named(new QPushButton(this), "comCANCEL");
  comOK = named(new QPushButton("&OK", this), "comOK");
  comOK->setDefault(true);

  // Separate groups of mutually exclusive buttons.
  for (auto group : {std::vector<QRadioButton*>{optTabDeliminter, optOther, optComma, optSpace},
                     std::vector<QRadioButton*>{optTextNO, optTextYES},
                     std::vector<QRadioButton*>{optDisplayNo, optDisplayYes},
                     std::vector<QRadioButton*>{optEN, optNE}}) {
    auto* g = new QButtonGroup(this);
    for (QRadioButton* b : group) g->addButton(b);
  }

  auto* delimLayout = new QGridLayout(frmDelimeter);
  // The box sits above "Other (specify above)", as its caption says.
  delimLayout->addWidget(txtDelimeter, 0, 1);
  delimLayout->addWidget(optOther, 1, 1);
  delimLayout->addWidget(optTabDeliminter, 1, 0);
  delimLayout->addWidget(optComma, 2, 1);
  delimLayout->addWidget(optSpace, 3, 1);

  auto* orderLayout = new QVBoxLayout(frmORDER);
  orderLayout->addWidget(optEN);
  orderLayout->addWidget(optNE);

  auto* displayLayout = new QHBoxLayout(famDisplayInreport);
  displayLayout->addWidget(optDisplayNo);
  displayLayout->addWidget(optDisplayYes);

  auto* textLayout = new QGridLayout(frmText);
  textLayout->addWidget(Label1, 0, 0, 1, 2);
  textLayout->addWidget(optTextNO, 1, 0);
  textLayout->addWidget(optTextYES, 1, 1);
  textLayout->addWidget(famDisplayInreport, 2, 0, 1, 2);

  auto* enLayout = new QGridLayout(frmEastNorth);
  enLayout->addWidget(frmDelimeter, 0, 0);
  enLayout->addWidget(frmORDER, 0, 1);
  enLayout->addWidget(frmText, 1, 0, 1, 2);

  auto* buttons = buttonRow({comOK, comCANCEL});

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frmEastNorth);
  layout->addLayout(buttons);

  connect(optComma, &QRadioButton::clicked, this, [this] {
    model_.ClickComma();
    refresh();
  });
  connect(optSpace, &QRadioButton::clicked, this, [this] {
    model_.ClickSpace();
    refresh();
  });
  connect(optTabDeliminter, &QRadioButton::clicked, this, [this] {
    model_.ClickTab();
    refresh();
  });
  connect(optOther, &QRadioButton::clicked, this, [this] {
    model_.ClickOther();
    refresh();
    txtDelimeter->setFocus();
  });
  connect(txtDelimeter, &QLineEdit::textEdited, this,
          [this](const QString& t) { model_.TypeDelimiter(ss(t)); });
  connect(optEN, &QRadioButton::clicked, this, [this] { model_.ClickEN(); });
  connect(optNE, &QRadioButton::clicked, this, [this] { model_.ClickNE(); });
  connect(optTextYES, &QRadioButton::clicked, this, [this] { model_.ClickTextYES(true); });
  connect(optTextNO, &QRadioButton::clicked, this, [this] { model_.ClickTextYES(false); });
  connect(optDisplayYes, &QRadioButton::clicked, this, [this] { model_.ClickDisplayYes(true); });
  connect(optDisplayNo, &QRadioButton::clicked, this, [this] { model_.ClickDisplayYes(false); });
  connect(comOK, &QPushButton::clicked, this, [this] { ok(); });
  connect(comCANCEL, &QPushButton::clicked, this, [this] {
    model_.Cancel();
    reject();
  });

  model_.Open(settings_);
  for (const auto& [name, text] : model_.captions()) {
    if (name == "window") {
      setWindowTitle(qs(text));
    } else if (auto* w = findChild<QWidget*>(qs(name))) {
      if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(qs(text));
      else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(qs(text));
      else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(qs(text));
    }
  }
  refresh();
  SetDeviceIndependentWindow(*this, messages_);
}

void FormOptions::refresh() {
  optEN->setChecked(model_.optEN());
  optNE->setChecked(model_.optNE());
  DelimiterOption d = model_.delimiterOption();
  optTabDeliminter->setChecked(d == DelimiterOption::Tab);
  optOther->setChecked(d == DelimiterOption::Other);
  optComma->setChecked(d == DelimiterOption::Comma);
  optSpace->setChecked(d == DelimiterOption::Space);
  if (txtDelimeter->text() != qs(model_.txtDelimeter()))
    txtDelimeter->setText(qs(model_.txtDelimeter()));
  optTextYES->setChecked(model_.optTextYES());
  optTextNO->setChecked(!model_.optTextYES());
  optDisplayYes->setChecked(model_.optDisplayYes());
  optDisplayNo->setChecked(!model_.optDisplayYes());
}

void FormOptions::ok() {
  if (model_.Ok(settings_, messages_)) {
    accept();
    return;
  }
  if (model_.delimiterHasFocus()) txtDelimeter->setFocus();
}

}  // namespace kartovex::gui
