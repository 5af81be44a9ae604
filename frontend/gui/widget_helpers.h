#pragma once
// Building and refreshing the windows' controls: object names the tests and
// screenshots find them by, and controls set from their models' states.

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>
#include <initializer_list>
#include <string>

#include "gui/window_layout.h"

namespace kartovex::gui {

template <typename W>
W* named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

// The model clears and sets the options, so no group is exclusive.
inline QRadioButton* option(QWidget* parent, const char* name) {
  auto* b = named(new QRadioButton(parent), name);
  b->setAutoExclusive(false);
  return b;
}

// A button shown as its model state says (any state with checked and
// enabled).
template <typename State>
void bind(QAbstractButton* button, const State& state) {
  button->setChecked(state.checked);
  button->setEnabled(state.enabled);
}

// Sets the text only when it differs, so the cursor stays where the user
// left it.
inline void setBox(QLineEdit* box, const std::string& text) {
  if (box->text() != qs(text)) box->setText(qs(text));
}

// A path box: the whole path as its tooltip, since a long one is clipped.
inline void setPathBox(QLineEdit* box, const std::string& text) {
  setBox(box, text);
  box->setToolTip(qs(text));
}

// The row of buttons at the foot of a window, to the right.
inline QHBoxLayout* buttonRow(std::initializer_list<QAbstractButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QAbstractButton* b : buttons) row->addWidget(b);
  return row;
}

}  // namespace kartovex::gui
