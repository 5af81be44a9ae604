#pragma once
// A message sink for a console driver: boxes are printed, questions read a
// Y or N answer (anything but Y or O counts as No; end of input is No).

#include <istream>
#include <ostream>

#include "messages/message_sink.h"

namespace kartovex {

class StreamSink : public MessageSink {
 public:
  StreamSink(std::ostream& out, std::istream& in) : out_(out), in_(in) {}

  void critical(const std::string& title, const std::string& text) override;
  bool askYesNo(const std::string& title, const std::string& text, bool critical) override;
  void information(const std::string& title, const std::string& text) override;

 private:
  std::ostream& out_;
  std::istream& in_;
};

}  // namespace kartovex
