#include "gui/screenshots.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QRadioButton>

#include "gui/form_keyboard.h"

namespace kartovex::gui {

namespace {

bool save(QWidget& window, const QString& dir, const QString& name) {
  window.show();
  QCoreApplication::processEvents();
  bool ok = window.grab().save(QDir(dir).filePath(name + ".png"));
  window.hide();
  return ok;
}

// A dialog is grabbed instead of run.
bool grabDialogs(FormMain& main, const QString& dir, const QString& suffix) {
  bool ok = true;
  int keyboardShots = 0;
  main.beforeDialog = [&](QDialog& d) {
    QString name = d.objectName();
    if (name == "formKEYBOARD") name += keyboardShots++ == 0 ? "_LatLong" : "_EastNorth";
    ok = save(d, dir, name + suffix) && ok;
  };
  main.runDialog = [](QDialog&) { return int(QDialog::Rejected); };
  main.OpenSetup();
  main.OpenTextFileOptions();
  main.OpenAbout();
  auto& c = main.model().choices();
  c.chooseFromDatum(Datum::NAD27);
  c.chooseFromForm(CoordForm::LL);
  main.OpenKeyboard();
  c.chooseFromDatum(Datum::ATS77);
  c.chooseFromForm(CoordForm::EN);
  main.OpenKeyboard();
  main.beforeDialog = nullptr;
  return ok;
}

}  // namespace

bool TakeScreenshots(FormMain& main, FrontEndSettings& settings, const QString& dir) {
  QDir().mkpath(dir);
  const LanguageSetting language = settings.language;
  bool ok = true;
  for (Language lang : {Language::English, Language::French}) {
    settings.language = lang;
    QString suffix = settings.language == Language::English ? "_EN" : "_FR";
    if (settings.language == Language::English)
      main.model().SetEnglish();
    else
      main.model().SetFrench();
    main.setCaptions();
    // A typical request: NAD27 Lat,Long from a text file to ATS77 East,North.
    auto& c = main.model().choices();
    c.reset();
    c.chooseFromDatum(Datum::NAD27);
    c.chooseFromForm(CoordForm::LL);
    c.chooseToDatum(Datum::ATS77);
    c.chooseToForm(CoordForm::EN);
    c.setInputFromFile(true);
    c.typeInputFile(settings.inputDir + "NB_LL.TXT");
    c.setReportFile(true);
    c.typeReportFile(settings.outputDir + "RESULT.REP");
    c.setDataFile(true);
    main.refresh();
    ok = save(main, dir, "formMAIN" + suffix) && ok;
    ok = grabDialogs(main, dir, suffix) && ok;
  }
  settings.language = language;
  return ok;
}

}  // namespace kartovex::gui
