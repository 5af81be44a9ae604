// formMAIN's enabling sequence, driven through its widgets.

#include "gui_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

using namespace kartovex;
using namespace kartovex::guitest;

class MainEnablingTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<Harness> h;

  gui::FormMain& w() { return *h->main; }
  static std::string enabledSet(std::initializer_list<QAbstractButton*> buttons) {
    std::string out;
    for (QAbstractButton* b : buttons) out += b->isEnabled() ? '1' : '0';
    return out;
  }
  std::string toDatums() {
    return enabledSet({w().optTO_ATS77, w().optTO_NAD27, w().optTO_NAD83, w().optTO_NAD83_89});
  }
  std::string toForms() { return enabledSet({w().optTO_EN, w().optTO_LL, w().optTO_XY}); }
  std::string boxes() { return enabledSet({w().chkKEYBOARD, w().chkIN_FILE, w().chkREP_FILE}); }

 private slots:
  void init() {
    dir = std::make_unique<TempDir>();
    h = std::make_unique<Harness>();
    h->settings.workDir = dir->path();
  }
  void cleanup() {
    h.reset();
    dir.reset();
  }

  void onlyTheFromDatumsAtFirst() {
    QCOMPARE(enabledSet({w().optFR_ATS77, w().optFR_NAD27, w().optFR_NAD83}), std::string("111"));
    QCOMPARE(enabledSet({w().optFR_EN, w().optFR_LL, w().optFR_XY}), std::string("000"));
    QCOMPARE(toDatums(), std::string("0000"));
    QCOMPARE(boxes(), std::string("000"));
    QVERIFY(!w().comPROCESS->isEnabled());
    QVERIFY(!w().comVIEW->isEnabled());
    QVERIFY(w().cmdCancelProcess->isHidden());
    QVERIFY(!w().cmdViewLog->isEnabled());
  }

  void nad27LatLongToAts77EastNorth() {
    w().optFR_NAD27->click();
    QVERIFY(w().optFR_NAD27->isChecked());
    QCOMPARE(enabledSet({w().optFR_EN, w().optFR_LL, w().optFR_XY}), std::string("111"));
    QCOMPARE(toDatums(), std::string("0000"));
    w().optFR_LL->click();
    QCOMPARE(toDatums(), std::string("1111"));  // NAD83 (1989) only from NAD27
    QCOMPARE(toForms(), std::string("000"));
    w().optTO_ATS77->click();
    QCOMPARE(toForms(), std::string("110"));
    QCOMPARE(boxes(), std::string("000"));
    w().optTO_EN->click();
    QCOMPARE(boxes(), std::string("111"));
    QVERIFY(!w().comPROCESS->isEnabled());
    QVERIFY(!w().txtIN_FILE->isEnabled());
    w().chkIN_FILE->click();
    QVERIFY(w().chkIN_FILE->isChecked());
    QVERIFY(w().txtIN_FILE->isEnabled());
    QVERIFY(w().comIN_SEARCH->isEnabled());
    QVERIFY(w().comPROCESS->isEnabled());
    // The keyboard box unticks the file box and empties its name.
    QTest::keyClicks(w().txtIN_FILE, "A.TXT");
    QCOMPARE(h->main->model().choices().txtIN_FILE.text, std::string("A.TXT"));
    w().chkKEYBOARD->click();
    QVERIFY(!w().chkIN_FILE->isChecked());
    QVERIFY(w().txtIN_FILE->text().isEmpty());
    QVERIFY(!w().txtIN_FILE->isEnabled());
    QVERIFY(w().comIN_KEYBOARD->isEnabled());

    // A new from datum clears everything after it.
    w().optFR_ATS77->click();
    QVERIFY(!w().optFR_NAD27->isChecked());
    QVERIFY(!w().optFR_LL->isChecked());
    QVERIFY(!w().optTO_ATS77->isChecked());
    QCOMPARE(toDatums(), std::string("0000"));
    QCOMPARE(boxes(), std::string("000"));
    QVERIFY(!w().chkKEYBOARD->isChecked());
    QVERIFY(!w().comPROCESS->isEnabled());
  }

  void utmFromAts77() {
    w().optFR_ATS77->click();
    w().optFR_XY->click();
    QCOMPARE(toDatums(), std::string("1010"));
    w().optTO_ATS77->click();
    QCOMPARE(toForms(), std::string("110"));  // all forms but the from form
    w().optTO_NAD83->click();
    QVERIFY(!w().optTO_ATS77->isChecked());
    QCOMPARE(toForms(), std::string("111"));
  }

  void fromNad83() {
    w().optFR_NAD83->click();
    w().optFR_LL->click();
    QCOMPARE(toDatums(), std::string("1110"));
    w().optTO_NAD27->click();
    QCOMPARE(toForms(), std::string("110"));  // no XY from Lat,Long
    w().optFR_XY->click();
    QCOMPARE(toDatums(), std::string("1110"));
    w().optTO_NAD27->click();
    QCOMPARE(toForms(), std::string("111"));
    w().optTO_NAD83->click();
    QCOMPARE(toForms(), std::string("110"));
  }

  void nad83_1989TakesLatLongOnly() {
    w().optFR_NAD27->click();
    w().optFR_EN->click();
    w().optTO_NAD83_89->click();
    QCOMPARE(toForms(), std::string("010"));
    w().optTO_LL->click();
    QCOMPARE(boxes(), std::string("111"));
  }

  void disabledOptionsDoNotReact() {
    w().optFR_ATS77->click();
    w().optFR_XY->click();
    w().optTO_NAD27->click();  // disabled: from ATS77 UTM
    QVERIFY(!w().optTO_NAD27->isChecked());
    QCOMPARE(toForms(), std::string("000"));
  }

  void reportBoxes() {
    w().optFR_NAD27->click();
    w().optFR_LL->click();
    w().optTO_ATS77->click();
    w().optTO_EN->click();
    QVERIFY(!w().txtOUT_FILE->isEnabled());
    QVERIFY(!w().chkTXT_FILE->isEnabled());
    w().chkREP_FILE->click();
    QVERIFY(w().txtOUT_FILE->isEnabled());
    QVERIFY(w().comOUT_SEARCH->isEnabled());
    QVERIFY(w().chkTXT_FILE->isEnabled());
    QVERIFY(w().chkACC_FILE->isEnabled());
    w().chkTXT_FILE->click();
    QTest::keyClicks(w().txtOUT_FILE, "R.REP");
    w().chkREP_FILE->click();
    QVERIFY(w().txtOUT_FILE->text().isEmpty());
    QVERIFY(!w().txtOUT_FILE->isEnabled());
    QVERIFY(!w().chkTXT_FILE->isChecked());
    QVERIFY(!w().chkTXT_FILE->isEnabled());
    QVERIFY(!w().chkACC_FILE->isEnabled());
  }

  void theFileChooserFillsTheInputBox() {
    w().optFR_NAD27->click();
    w().optFR_LL->click();
    w().optTO_ATS77->click();
    w().optTO_EN->click();
    w().chkIN_FILE->click();
    h->settings.inputDir = dir->path();
    gui::ChooserRequest seen;
    w().choose = [&](const gui::ChooserRequest& r) {
      seen = r;
      return gui::ChooserResult{QString::fromStdString(*dir / "points"), "*.TXT"};
    };
    QTest::mouseClick(w().comIN_SEARCH, Qt::LeftButton);
    QCOMPARE(seen.caption, q("Input File Name"));
    QCOMPARE(seen.cancelText, q("&Cancel"));
    QCOMPARE(seen.patterns.front(), q("*.TXT"));
    QCOMPARE(seen.patterns.back(), q("*.*"));
    QCOMPARE(w().txtIN_FILE->text().toStdString(), *dir / "points.txt");
    QCOMPARE(h->settings.inputDir, dir->path());

    w().chkREP_FILE->click();
    w().choose = [&](const gui::ChooserRequest& r) {
      seen = r;
      return gui::ChooserResult{QString::fromStdString(*dir / "result"), "*.REP"};
    };
    QTest::mouseClick(w().comOUT_SEARCH, Qt::LeftButton);
    QCOMPARE(seen.caption, q("Output File Name"));
    QCOMPARE(w().txtOUT_FILE->text().toStdString(), *dir / "result.rep");

    // A cancelled chooser changes nothing.
    w().choose = [](const gui::ChooserRequest&) { return gui::ChooserResult{}; };
    QTest::mouseClick(w().comOUT_SEARCH, Qt::LeftButton);
    QCOMPARE(w().txtOUT_FILE->text().toStdString(), *dir / "result.rep");
  }
};

KARTOVEX_GUI_TEST(MainEnablingTest, "main_enabling_test")
#include "main_enabling_test.moc"
