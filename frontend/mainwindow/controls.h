#pragma once
// The state of one control of the main window as the GUI binds it.

#include <string>

namespace kartovex {

// Option button, check box or command button.
struct Choice {
  bool checked = false;
  bool enabled = false;
};

// Text box or label with an enabled state.
struct TextField {
  std::string text;
  bool enabled = false;
};

}  // namespace kartovex
