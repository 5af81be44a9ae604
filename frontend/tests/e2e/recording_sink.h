#pragma once
// A message sink that keeps every box shown, for in-process runs.

#include <string>
#include <vector>

#include "messages/message_sink.h"

namespace e2e {

class RecordingSink : public kartovex::MessageSink {
 public:
  struct Box {
    std::string kind, title, text;
  };
  void critical(const std::string& title, const std::string& text) override {
    boxes.push_back({"critical", title, text});
  }
  bool askYesNo(const std::string& title, const std::string& text, bool) override {
    boxes.push_back({"question", title, text});
    return false;
  }
  void information(const std::string& title, const std::string& text) override {
    boxes.push_back({"information", title, text});
  }
  std::string all() const {
    std::string s;
    for (const Box& b : boxes) s += b.kind + ": " + b.title + ": " + b.text + "\n";
    return s;
  }
  std::vector<Box> boxes;
};

}  // namespace e2e
