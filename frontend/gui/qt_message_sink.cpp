#include "gui/qt_message_sink.h"

#include <QApplication>
#include <QMessageBox>

namespace kartovex::gui {

namespace {

QWidget* owner() { return QApplication::activeWindow(); }

QString q(const std::string& s) { return QString::fromStdString(s); }

// A box must show the normal pointer even while a run has the hourglass.
class NormalPointer {
 public:
  NormalPointer() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
  ~NormalPointer() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

void QtMessageSink::critical(const std::string& title, const std::string& text) {
  NormalPointer pointer;
  QMessageBox::critical(owner(), q(title), q(text));
}

bool QtMessageSink::askYesNo(const std::string& title, const std::string& text, bool isCritical) {
  NormalPointer pointer;
  QMessageBox box(isCritical ? QMessageBox::Critical : QMessageBox::NoIcon, q(title), q(text),
                  QMessageBox::Yes | QMessageBox::No, owner());
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

void QtMessageSink::information(const std::string& title, const std::string& text) {
  NormalPointer pointer;
  QMessageBox::information(owner(), q(title), q(text));
}

void QtMessageSink::setBusyPointer(bool busy) {
  if (busy) {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busyDepth_ > 0) {
    busyDepth_ = 0;
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace kartovex::gui
