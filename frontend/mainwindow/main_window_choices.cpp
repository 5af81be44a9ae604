#include "mainwindow/main_window_choices.h"

namespace kartovex {

namespace {

void clearAndSet(Choice& c, bool enabled) {
  c.checked = false;
  c.enabled = enabled;
}

void select(Choice& chosen, Choice& a, Choice& b, Choice& c, Choice* d = nullptr) {
  for (Choice* option : {&a, &b, &c, d})
    if (option) option->checked = false;
  chosen.checked = true;
}

}  // namespace

MainWindowChoices::MainWindowChoices(std::function<void()> removeKeyboardFile)
    : removeKeyboardFile_(std::move(removeKeyboardFile)) {
  reset();
}

void MainWindowChoices::reset() {
  for (Choice* c : {&optFR_ATS77, &optFR_NAD27, &optFR_NAD83}) clearAndSet(*c, true);
  for (Choice* c : {&optFR_EN,      &optFR_LL,       &optFR_XY,    &optTO_ATS77,  &optTO_NAD27,
                    &optTO_NAD83,   &optTO_NAD83_89, &optTO_EN,    &optTO_LL,     &optTO_XY,
                    &chkKEYBOARD,   &comIN_KEYBOARD, &chkIN_FILE,  &comIN_SEARCH, &chkREP_FILE,
                    &comOUT_SEARCH, &chkTXT_FILE,    &chkACC_FILE, &comPROCESS,   &comVIEW})
    clearAndSet(*c, false);
  txtIN_FILE = {};
  txtOUT_FILE = {};
  lblRESULTS.clear();
}

void MainWindowChoices::clearToDatums(bool enable) {
  for (Choice* c : {&optTO_ATS77, &optTO_NAD27, &optTO_NAD83, &optTO_NAD83_89})
    clearAndSet(*c, enable);
}

void MainWindowChoices::clearToForms() {
  for (Choice* c : {&optTO_EN, &optTO_LL, &optTO_XY}) clearAndSet(*c, false);
}

void MainWindowChoices::clearInputAndReportBoxes(bool enable) {
  if (chkKEYBOARD.checked) setInputFromKeyboard(false);
  if (chkIN_FILE.checked) setInputFromFile(false);
  if (chkREP_FILE.checked) setReportFile(false);
  for (Choice* c : {&chkKEYBOARD, &chkIN_FILE, &chkREP_FILE}) clearAndSet(*c, enable);
  // The untick rules enable PROCESS; with no input chosen it stays off.
  comPROCESS.enabled = false;
}

void MainWindowChoices::enableToForms(bool en, bool ll, bool xy) {
  optTO_EN.enabled = en;
  optTO_LL.enabled = ll;
  optTO_XY.enabled = xy;
}

void MainWindowChoices::chooseFromDatum(Datum datum) {
  if (datum != Datum::ATS77 && datum != Datum::NAD27 && datum != Datum::NAD83) return;
  select(fromDatumOption(datum), optFR_ATS77, optFR_NAD27, optFR_NAD83);
  for (Choice* c : {&optFR_EN, &optFR_LL, &optFR_XY}) clearAndSet(*c, true);
  clearToDatums(false);
  clearToForms();
  clearInputAndReportBoxes(false);
}

void MainWindowChoices::chooseFromForm(CoordForm form) {
  if (form == CoordForm::None || !fromFormOption(form).enabled) return;
  select(fromFormOption(form), optFR_EN, optFR_LL, optFR_XY);
  Datum from = fromDatum();
  clearToDatums(false);
  clearToForms();
  clearInputAndReportBoxes(false);
  if (form == CoordForm::XY) {
    optTO_ATS77.enabled = true;
    optTO_NAD27.enabled = from != Datum::ATS77;
    optTO_NAD83.enabled = true;
    optTO_NAD83_89.enabled = false;
  } else {
    optTO_ATS77.enabled = true;
    optTO_NAD27.enabled = true;
    optTO_NAD83.enabled = true;
    optTO_NAD83_89.enabled = from == Datum::NAD27;
  }
}

void MainWindowChoices::chooseToDatum(Datum datum) {
  if (datum == Datum::None || !toDatumOption(datum).enabled) return;
  select(toDatumOption(datum), optTO_ATS77, optTO_NAD27, optTO_NAD83, &optTO_NAD83_89);
  clearToForms();
  clearInputAndReportBoxes(false);
  Datum from = fromDatum();
  CoordForm fromF = fromForm();
  bool notEN = fromF != CoordForm::EN, notLL = fromF != CoordForm::LL,
       notXY = fromF != CoordForm::XY;
  switch (datum) {
    case Datum::ATS77:
      if (from == Datum::ATS77)
        enableToForms(notEN, notLL, notXY);
      else if (from == Datum::NAD27)
        enableToForms(true, true, false);
      else if (from == Datum::NAD83)
        enableToForms(true, true, true);
      break;
    case Datum::NAD27:
      if (from == Datum::NAD27)
        enableToForms(notEN, notLL, notXY);
      else if (from == Datum::ATS77)
        enableToForms(true, true, false);
      else if (from == Datum::NAD83)
        enableToForms(true, true, fromF != CoordForm::LL);
      break;
    case Datum::NAD83:
      if (from == Datum::NAD83)
        enableToForms(notEN, notLL, notXY);
      else if (from == Datum::NAD27)
        enableToForms(true, true, fromF != CoordForm::XY);
      else if (from == Datum::ATS77)
        enableToForms(true, true, true);
      break;
    case Datum::NAD83_1989: enableToForms(false, true, false); break;
    case Datum::None: break;
  }
}

void MainWindowChoices::chooseToForm(CoordForm form) {
  if (form == CoordForm::None || !toFormOption(form).enabled) return;
  select(toFormOption(form), optTO_EN, optTO_LL, optTO_XY);
  clearInputAndReportBoxes(true);
  comPROCESS.enabled = false;
}

void MainWindowChoices::setInputFromFile(bool ticked) {
  if (ticked && !chkIN_FILE.enabled) return;
  chkIN_FILE.checked = ticked;
  comVIEW.enabled = false;
  lblRESULTS.clear();
  if (ticked) {
    if (chkKEYBOARD.checked) setInputFromKeyboard(false);
    txtIN_FILE.enabled = true;
    comIN_SEARCH.enabled = true;
  } else {
    txtIN_FILE = {};
    comIN_SEARCH.enabled = false;
  }
  comPROCESS.enabled = true;
}

void MainWindowChoices::setInputFromKeyboard(bool ticked) {
  if (ticked && !chkKEYBOARD.enabled) return;
  bool wasTicked = chkKEYBOARD.checked;
  chkKEYBOARD.checked = ticked;
  comVIEW.enabled = false;
  lblRESULTS.clear();
  if (ticked) {
    if (chkIN_FILE.checked) setInputFromFile(false);
    comIN_KEYBOARD.enabled = true;
  } else {
    comIN_KEYBOARD.enabled = false;
    if (wasTicked && removeKeyboardFile_) removeKeyboardFile_();
  }
  comPROCESS.enabled = true;
}

void MainWindowChoices::setReportFile(bool ticked) {
  if (ticked && !chkREP_FILE.enabled) return;
  chkREP_FILE.checked = ticked;
  if (ticked) {
    txtOUT_FILE.enabled = true;
    comOUT_SEARCH.enabled = true;
    chkTXT_FILE.enabled = true;
    chkACC_FILE.enabled = true;
  } else {
    txtOUT_FILE = {};
    comOUT_SEARCH.enabled = false;
    clearAndSet(chkTXT_FILE, false);
    clearAndSet(chkACC_FILE, false);
  }
}

void MainWindowChoices::setDataFile(bool ticked) {
  if (chkTXT_FILE.enabled) chkTXT_FILE.checked = ticked;
}

void MainWindowChoices::setAccuracyFile(bool ticked) {
  if (chkACC_FILE.enabled) chkACC_FILE.checked = ticked;
}

void MainWindowChoices::typeInputFile(const std::string& text) {
  if (!txtIN_FILE.enabled) return;
  txtIN_FILE.text = text;
  comVIEW.enabled = false;
  lblRESULTS.clear();
}

void MainWindowChoices::typeReportFile(const std::string& text) {
  if (!txtOUT_FILE.enabled) return;
  txtOUT_FILE.text = text;
  comVIEW.enabled = false;
  lblRESULTS.clear();
}

Datum MainWindowChoices::fromDatum() const {
  if (optFR_ATS77.checked) return Datum::ATS77;
  if (optFR_NAD27.checked) return Datum::NAD27;
  if (optFR_NAD83.checked) return Datum::NAD83;
  return Datum::None;
}

CoordForm MainWindowChoices::fromForm() const {
  if (optFR_EN.checked) return CoordForm::EN;
  if (optFR_LL.checked) return CoordForm::LL;
  if (optFR_XY.checked) return CoordForm::XY;
  return CoordForm::None;
}

Datum MainWindowChoices::toDatum() const {
  if (optTO_ATS77.checked) return Datum::ATS77;
  if (optTO_NAD27.checked) return Datum::NAD27;
  if (optTO_NAD83.checked) return Datum::NAD83;
  if (optTO_NAD83_89.checked) return Datum::NAD83_1989;
  return Datum::None;
}

CoordForm MainWindowChoices::toForm() const {
  if (optTO_EN.checked) return CoordForm::EN;
  if (optTO_LL.checked) return CoordForm::LL;
  if (optTO_XY.checked) return CoordForm::XY;
  return CoordForm::None;
}

Choice& MainWindowChoices::fromDatumOption(Datum d) {
  return const_cast<Choice&>(static_cast<const MainWindowChoices&>(*this).fromDatumOption(d));
}
Choice& MainWindowChoices::fromFormOption(CoordForm f) {
  return const_cast<Choice&>(static_cast<const MainWindowChoices&>(*this).fromFormOption(f));
}
Choice& MainWindowChoices::toDatumOption(Datum d) {
  return const_cast<Choice&>(static_cast<const MainWindowChoices&>(*this).toDatumOption(d));
}
Choice& MainWindowChoices::toFormOption(CoordForm f) {
  return const_cast<Choice&>(static_cast<const MainWindowChoices&>(*this).toFormOption(f));
}

const Choice& MainWindowChoices::fromDatumOption(Datum d) const {
  switch (d) {
    case Datum::ATS77: return optFR_ATS77;
    case Datum::NAD27: return optFR_NAD27;
    case Datum::NAD83: return optFR_NAD83;
    default: return none_;
  }
}

const Choice& MainWindowChoices::fromFormOption(CoordForm f) const {
  switch (f) {
    case CoordForm::EN: return optFR_EN;
    case CoordForm::LL: return optFR_LL;
    case CoordForm::XY: return optFR_XY;
    default: return none_;
  }
}

const Choice& MainWindowChoices::toDatumOption(Datum d) const {
  switch (d) {
    case Datum::ATS77: return optTO_ATS77;
    case Datum::NAD27: return optTO_NAD27;
    case Datum::NAD83: return optTO_NAD83;
    case Datum::NAD83_1989: return optTO_NAD83_89;
    default: return none_;
  }
}

const Choice& MainWindowChoices::toFormOption(CoordForm f) const {
  switch (f) {
    case CoordForm::EN: return optTO_EN;
    case CoordForm::LL: return optTO_LL;
    case CoordForm::XY: return optTO_XY;
    default: return none_;
  }
}

}  // namespace kartovex
