#pragma once
// A path box: while it does not have the focus, a path too long for it is
// shown elided in the middle, so that both the folder's start and the file
// name stay visible. Its text is always the whole path.

#include <QLineEdit>
#include <QString>

class QPaintEvent;

namespace kartovex::gui {

class PathLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit PathLineEdit(QWidget* parent = nullptr);
  // What the box shows now.
  QString displayedText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int textWidth() const;
};

}  // namespace kartovex::gui
