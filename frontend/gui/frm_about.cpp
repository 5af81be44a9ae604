#include "gui/frm_about.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/window_layout.h"
#include "mainwindow/main_window_captions.h"

namespace kartovex::gui {

FrmAbout::FrmAbout(MessageService& messages, QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  setWindowTitle(kAboutCaption);
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  lblProduct = new QLabel(kAboutProduct, this);
  lblProduct->setObjectName("lblProduct");
  QFont big = lblProduct->font();
  big.setPointSizeF(big.pointSizeF() * 1.8);
  big.setBold(true);
  lblProduct->setFont(big);
  lblProduct->setAlignment(Qt::AlignCenter);
  lblVersion = new QLabel(kAboutVersion, this);
  lblVersion->setObjectName("lblVersion");
  lblVersion->setAlignment(Qt::AlignCenter);
  lblBuild = new QLabel(
      QString("Kartovex %1, built %2")
          .arg(QString::fromUtf8(KARTOVEX_VERSION), QString::fromUtf8(KARTOVEX_BUILD_DATE)),
      this);
  lblBuild->setObjectName("lblBuild");
  lblBuild->setAlignment(Qt::AlignCenter);
  cmdOK = new QPushButton("&OK", this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(lblProduct);
  layout->addWidget(lblVersion);
  layout->addWidget(lblBuild);
  layout->addSpacing(12);
  layout->addWidget(cmdOK, 0, Qt::AlignCenter);
  setMinimumWidth(320);
  SetDeviceIndependentWindow(*this, messages);
}

}  // namespace kartovex::gui
