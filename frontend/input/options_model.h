#pragma once
// The state and rules of the input text file options window (formOPTIONS),
// without the widgets: opening from the settings, the option clicks, OK and
// Cancel.

#include <string>
#include <utility>
#include <vector>

#include "core/settings.h"
#include "messages/messages.h"

namespace kartovex {

enum class DelimiterOption { Tab, Other, Comma, Space };

class OptionsModel {
 public:
  // Selects the options that match the settings and sets the captions.
  void Open(const FrontEndSettings& settings);

  // Delimiter buttons: each puts its delimiter into txtDelimeter.
  void ClickTab();
  void ClickOther();
  void ClickComma();
  void ClickSpace();
  void ClickEN() { optEN_ = true; }
  void ClickNE() { optEN_ = false; }
  void ClickTextYES(bool yes) { optTextYES_ = yes; }
  void ClickDisplayYes(bool yes) { optDisplayYes_ = yes; }
  void TypeDelimiter(const std::string& text) { txtDelimeter_ = text; }

  // Stores the four options and closes; with "Other" and an empty delimiter
  // shows the message, moves the focus to txtDelimeter and returns false.
  bool Ok(FrontEndSettings& settings, MessageService& messages);
  // Closes without storing anything.
  void Cancel() { closed_ = true; }

  bool optEN() const { return optEN_; }
  bool optNE() const { return !optEN_; }
  DelimiterOption delimiterOption() const { return delimiter_; }
  const std::string& txtDelimeter() const { return txtDelimeter_; }
  bool optTextYES() const { return optTextYES_; }
  bool optDisplayYes() const { return optDisplayYes_; }
  bool delimiterHasFocus() const { return delimiterFocus_; }
  bool closed() const { return closed_; }

  // (control name, caption) in the language of the settings; "window" is
  // the window caption.
  const std::vector<std::pair<std::string, std::string>>& captions() const { return captions_; }
  std::string caption(const std::string& control) const;

 private:
  bool optEN_ = true;
  DelimiterOption delimiter_ = DelimiterOption::Comma;
  std::string txtDelimeter_ = ",";
  bool optTextYES_ = false;
  bool optDisplayYes_ = false;
  bool delimiterFocus_ = false;
  bool closed_ = false;
  std::vector<std::pair<std::string, std::string>> captions_;
};

}  // namespace kartovex
