#pragma once
// State and rules of the setup window (frmSetup) without widgets: the window
// binds its controls to the fields below and forwards clicks and dialog
// results to the methods.

#include <string>

#include "core/settings.h"
#include "messages/messages.h"

namespace kartovex {

struct OptionState {
  bool checked = false;
  bool enabled = true;
};

// Captions and patterns of a dialog the window opens.
struct DialogCaptions {
  std::string caption;
  std::string cancel;
  std::string patterns;  // file dialog only, e.g. "*.exe;*.*"
};

class SetupModel {
 public:
  SetupModel(FrontEndSettings& settings, MessageService& messages);

  // Fills the controls from the settings ("On opening").
  void open();

  void clickNB();
  void clickNS();
  void clickPEI();
  void clickMTMZone4();
  void clickMTMZone5();
  void clickZone19();
  void clickZone20();
  void clickZone21();
  void clickEnglish();
  void clickFrench();

  // Browse results: the chosen directory with a trailing separator goes into
  // the text box; an empty choice (dialog cancelled) changes nothing.
  void workDirChosen(const std::string& dir);
  void inputDirChosen(const std::string& dir);
  void outputDirChosen(const std::string& dir);
  void readerChosen(const std::string& file);
  // Enter in edtReader: its text in upper case becomes pdfReader at once.
  void readerEnter();

  // OK: the controls into the settings (extents re-read when the province or
  // MTM zone changed). Returns the result of that re-read, true otherwise.
  bool ok();
  // Cancel: closes without changes.
  void cancel();

  bool isOpen() const { return open_; }
  // True after ok() changed settings.language.
  bool languageChanged() const { return languageChanged_; }

  // Caption of a control by its name ("optNB", "fraProvince", "lblRoot",
  // "comCANCEL", "frmSetup", ...) in the caption language; empty if unknown.
  std::string caption(const std::string& control) const;
  DialogCaptions directoryDialog() const;
  DialogCaptions readerDialog() const;

  OptionState optNB, optNS, optPEI;
  OptionState optMTMZone4, optMTMZone5;
  OptionState optZone19, optZone20, optZone21;
  OptionState optEnglish, optFrench;

  std::string edtWorkingDir, edtInputDir, edtOutputDir, edtReader;
  std::string lblRootValue, lblBinValue;  // [PATH] ROOT and BIN read afresh

 private:
  void selectProvince(OptionState& chosen);
  void selectMtm(OptionState& chosen);
  void selectZone(OptionState& chosen);
  void selectLanguage(OptionState& chosen);
  void clearMtm(bool enable);

  FrontEndSettings& settings_;
  MessageService& messages_;
  ProvinceSetting shownProvince_ = Province::NB;
  MtmZoneSetting shownMtmZone_ = MtmZone::Zone4;
  bool open_ = false;
  bool languageChanged_ = false;
};

}  // namespace kartovex
