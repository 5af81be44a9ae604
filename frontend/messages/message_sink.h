#pragma once
// What the core asks of whoever shows texts to the user: the GUI, the
// command-line driver and the tests each implement it. The core never shows
// anything itself.

#include <string>

namespace kartovex {

class MessageSink {
 public:
  virtual ~MessageSink() = default;

  // Critical box (stop icon) with an OK button.
  virtual void critical(const std::string& title, const std::string& text) = 0;

  // Yes/No question; critical selects the stop icon, otherwise no icon.
  // Returns true for Yes.
  virtual bool askYesNo(const std::string& title, const std::string& text, bool critical) = 0;

  // Informative box with an OK button (warnings that let the run go on).
  virtual void information(const std::string& title, const std::string& text) = 0;

  // Hourglass pointer on (true) or the normal pointer back (false).
  virtual void setBusyPointer(bool busy) { (void)busy; }
};

}  // namespace kartovex
