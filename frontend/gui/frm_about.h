#pragma once
// frmAbout: the product name and its version.

#include <QDialog>

#include "messages/messages.h"

class QLabel;
class QPushButton;

namespace kartovex::gui {

class FrmAbout : public QDialog {
  Q_OBJECT
 public:
  FrmAbout(MessageService& messages, QWidget* parent = nullptr);

  QLabel* lblProduct;
  QLabel* lblVersion;
  QLabel* lblBuild;  // this build's version and date
  QPushButton* cmdOK;
};

}  // namespace kartovex::gui
