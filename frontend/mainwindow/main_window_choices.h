#pragma once
// The choices of formMAIN and the rules by which each choice enables or
// clears the others. The route table serves exactly what these rules allow.

#include <functional>
#include <string>

#include "input/run_state.h"
#include "mainwindow/controls.h"

namespace kartovex {

class MainWindowChoices {
 public:
  // removeKeyboardFile is called when chkKEYBOARD is unticked (the keyboard
  // file of the last entry is deleted then).
  explicit MainWindowChoices(std::function<void()> removeKeyboardFile = {});

  // State before the first choice: only the from datums can be chosen.
  void reset();

  void chooseFromDatum(Datum datum);       // rule 1
  void chooseFromForm(CoordForm form);     // rules 2 and 3
  void chooseToDatum(Datum datum);         // rule 4
  void chooseToForm(CoordForm form);       // rule 5
  void setInputFromFile(bool ticked);      // rule 6
  void setInputFromKeyboard(bool ticked);  // rule 7
  void setReportFile(bool ticked);         // rule 8
  void setDataFile(bool ticked);
  void setAccuracyFile(bool ticked);
  void typeInputFile(const std::string& text);   // rule 9
  void typeReportFile(const std::string& text);  // rule 9

  Datum fromDatum() const;
  CoordForm fromForm() const;
  Datum toDatum() const;
  CoordForm toForm() const;

  // The option of a datum or form (None gives a dummy that stays unset).
  Choice& fromDatumOption(Datum datum);
  Choice& fromFormOption(CoordForm form);
  Choice& toDatumOption(Datum datum);
  Choice& toFormOption(CoordForm form);
  const Choice& fromDatumOption(Datum datum) const;
  const Choice& fromFormOption(CoordForm form) const;
  const Choice& toDatumOption(Datum datum) const;
  const Choice& toFormOption(CoordForm form) const;

  Choice optFR_ATS77, optFR_NAD27, optFR_NAD83;
  Choice optFR_EN, optFR_LL, optFR_XY;
  Choice optTO_ATS77, optTO_NAD27, optTO_NAD83, optTO_NAD83_89;
  Choice optTO_EN, optTO_LL, optTO_XY;
  Choice chkKEYBOARD, comIN_KEYBOARD, chkIN_FILE, comIN_SEARCH;
  TextField txtIN_FILE;
  Choice chkREP_FILE, comOUT_SEARCH, chkTXT_FILE, chkACC_FILE;
  TextField txtOUT_FILE;
  Choice comPROCESS, comVIEW;
  std::string lblRESULTS;

 private:
  void clearToDatums(bool enable);
  void clearToForms();
  // Clears and disables (or enables) the three boxes of rules 1 to 5; a
  // ticked box is unticked through its own rule first.
  void clearInputAndReportBoxes(bool enable);
  void enableToForms(bool en, bool ll, bool xy);

  std::function<void()> removeKeyboardFile_;
  Choice none_;
};

}  // namespace kartovex
