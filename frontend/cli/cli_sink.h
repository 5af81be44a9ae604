#pragma once
// Messages of kartovex-cli: every box goes to standard error; questions are
// answered without asking (No unless --yes) and the answer is shown.

#include <functional>
#include <ostream>
#include <string>

#include "messages/message_sink.h"

namespace kartovex::cli {

class CliSink : public MessageSink {
 public:
  CliSink(std::ostream& err, bool answerYes) : err_(err), answerYes_(answerYes) {}

  void critical(const std::string& title, const std::string& text) override;
  bool askYesNo(const std::string& title, const std::string& text, bool critical) override;
  void information(const std::string& title, const std::string& text) override;

  // Called before a message so that a progress line can be ended first.
  void setBeforeMessage(std::function<void()> hook) { beforeMessage_ = std::move(hook); }

 private:
  void before();
  std::ostream& err_;
  bool answerYes_;
  std::function<void()> beforeMessage_;
};

}  // namespace kartovex::cli
