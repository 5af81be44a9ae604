#pragma once
// The message sink of the windows: Qt message boxes over the active window.

#include <QPointer>
#include <QWidget>

#include "messages/message_sink.h"

namespace kartovex::gui {

class QtMessageSink : public MessageSink {
 public:
  void critical(const std::string& title, const std::string& text) override;
  bool askYesNo(const std::string& title, const std::string& text, bool critical) override;
  void information(const std::string& title, const std::string& text) override;
  void setBusyPointer(bool busy) override;

 private:
  int busyDepth_ = 0;
};

}  // namespace kartovex::gui
