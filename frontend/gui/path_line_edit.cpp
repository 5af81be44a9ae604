#include "gui/path_line_edit.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace kartovex::gui {

PathLineEdit::PathLineEdit(QWidget* parent) : QLineEdit(parent) {}

int PathLineEdit::textWidth() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  QRect r = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  return std::max(0, r.width() - 4);  // the box's own margins
}

QString PathLineEdit::displayedText() const {
  if (hasFocus() || echoMode() != QLineEdit::Normal) return text();
  return fontMetrics().elidedText(text(), Qt::ElideMiddle, textWidth());
}

void PathLineEdit::paintEvent(QPaintEvent* event) {
  const QString shown = displayedText();
  if (shown == text()) {
    QLineEdit::paintEvent(event);
    return;
  }
  QPainter painter(this);
  QStyleOptionFrame option;
  initStyleOption(&option);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
  QRect r =
      style()->subElementRect(QStyle::SE_LineEditContents, &option, this).adjusted(2, 0, -2, 0);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
  painter.drawText(r, Qt::AlignVCenter | Qt::AlignLeft, shown);
}

}  // namespace kartovex::gui
