#pragma once
// A message sink for tests: records every box and answers questions from a
// queue of prepared answers (default answer when the queue is empty).

#include <deque>
#include <string>
#include <vector>

#include "messages/message_sink.h"

namespace kartovex {

struct RecordedMessage {
  enum class Kind { Critical, QuestionCritical, Question, Information };
  Kind kind;
  std::string title;
  std::string text;
};

class RecordingSink : public MessageSink {
 public:
  void critical(const std::string& title, const std::string& text) override {
    messages.push_back({RecordedMessage::Kind::Critical, title, text});
  }
  bool askYesNo(const std::string& title, const std::string& text, bool isCritical) override {
    messages.push_back(
        {isCritical ? RecordedMessage::Kind::QuestionCritical : RecordedMessage::Kind::Question,
         title, text});
    if (answers.empty()) return defaultAnswer;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void information(const std::string& title, const std::string& text) override {
    messages.push_back({RecordedMessage::Kind::Information, title, text});
  }
  void setBusyPointer(bool isBusy) override {
    busy = isBusy;
    pointerChanges.push_back(isBusy);
  }

  // Texts of all recorded messages, in order.
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.text);
    return out;
  }
  void clear() { messages.clear(); }

  std::vector<RecordedMessage> messages;
  std::deque<bool> answers;
  bool defaultAnswer = true;
  bool busy = false;
  std::vector<bool> pointerChanges;
};

}  // namespace kartovex
