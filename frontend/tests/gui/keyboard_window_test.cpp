// formKEYBOARD's widgets: the frames of each mode, commit / select /
// update / delete through the list, and OK / Cancel.

#include "gui_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "gui/form_keyboard.h"

using namespace kartovex;
using namespace kartovex::guitest;

class KeyboardWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<RecordingSink> sink;
  std::unique_ptr<FrontEndSettings> settings;
  std::unique_ptr<MessageService> messages;

  std::unique_ptr<gui::FormKeyboard> open(Datum from, CoordForm form, Datum to) {
    auto k =
        std::make_unique<gui::FormKeyboard>(*settings, *messages, from, form, to, CoordForm::LL);
    k->show();
    return k;
  }

 private slots:
  void init() {
    SetDecimalSeparatorOverride(std::string("."));
    dir = std::make_unique<TempDir>();
    sink = std::make_unique<RecordingSink>();
    settings = std::make_unique<FrontEndSettings>();
    settings->workDir = dir->path();
    settings->extents.latLong = {48.1, 63.7, 44.5, 69.1};
    settings->extents.ats77 = {2700000, 7700000, 2250000, 7250000};
    messages = std::make_unique<MessageService>(*settings, *sink);
  }
  void cleanup() {
    messages.reset();
    settings.reset();
    sink.reset();
    dir.reset();
    SetDecimalSeparatorOverride(std::nullopt);
  }

  void framesFollowTheMode() {
    auto grid = open(Datum::ATS77, CoordForm::EN, Datum::NAD83);
    QVERIFY(!grid->famEastNorth->isHidden());
    QVERIFY(grid->famXY->isHidden());  // NB grid: no zone
    QVERIFY(grid->famLatLong->isHidden());
    QCOMPARE(grid->lblX->text(), q("Easting (m):"));
    auto utm = open(Datum::NAD27, CoordForm::XY, Datum::ATS77);
    QCOMPARE(utm->windowTitle(), q("Input From Keyboard (UTM X,Y)"));
    QVERIFY(!utm->famXY->isHidden());
    QVERIFY(!utm->lbl19_20->isHidden());
    QVERIFY(utm->txtNSZone->isHidden());
    QVERIFY(!utm->lblUTM_WARNING->isHidden());
    auto geo = open(Datum::NAD27, CoordForm::LL, Datum::ATS77);
    QVERIFY(geo->famEastNorth->isHidden());
    QVERIFY(!geo->famLatLong->isHidden());
    QCOMPARE(geo->lblKEYBOARD->text(), q("POINT    LATITUDE    LONGITUDE (W)"));
  }

  void commitSelectUpdateDelete() {
    auto k = open(Datum::ATS77, CoordForm::EN, Datum::NAD83);
    QTest::keyClicks(k->txtPOINT, "P1");
    QTest::keyClicks(k->txtX, "2800000");
    QTest::keyClicks(k->txtY, "7400000");
    QTest::mouseClick(k->comCOMMIT, Qt::LeftButton);
    QCOMPARE(sink->messages.back().text, std::string("The Easting is outside of NB!"));
    QCOMPARE(k->lstKEYBOARD->count(), 0);
    QCOMPARE(k->txtX->text(), q("2800000"));  // left for correcting
    k->txtX->clear();
    QTest::keyClicks(k->txtX, "2500000");
    QTest::mouseClick(k->comCOMMIT, Qt::LeftButton);
    QCOMPARE(k->lstKEYBOARD->count(), 1);
    QCOMPARE(k->lstKEYBOARD->item(0)->text(), q("P1   2500000   7400000"));
    QVERIFY(k->txtPOINT->text().isEmpty());
    QVERIFY(!k->comUPDATE->isEnabled());

    k->SelectLine(0);
    QCOMPARE(k->txtX->text(), q("2500000"));
    QVERIFY(!k->comCOMMIT->isEnabled());
    QVERIFY(k->comUPDATE->isEnabled());
    k->txtY->setText("7410000");
    QTest::mouseClick(k->comUPDATE, Qt::LeftButton);
    QCOMPARE(k->lstKEYBOARD->item(0)->text(), q("P1   2500000   7410000"));
    QVERIFY(k->comCOMMIT->isEnabled());

    k->SelectLine(0);
    sink->answers = {true};
    QTest::mouseClick(k->comDELETE, Qt::LeftButton);
    QCOMPARE(sink->messages.back().title, std::string("DELETE?"));
    QCOMPARE(k->lstKEYBOARD->count(), 0);
    QTest::mouseClick(k->comOK, Qt::LeftButton);
    QCOMPARE(sink->messages.back().text, std::string("Input must first be entered/committed!"));
    QVERIFY(k->isVisible());
  }

  void okWritesTheFileAndCancelAsks() {
    auto k = open(Datum::NAD27, CoordForm::LL, Datum::ATS77);
    for (auto [box, text] : {std::pair{k->txtPOINT, "P2"},
                             {k->txtDEG_LAT, "45"},
                             {k->txtMIN_LAT, "5"},
                             {k->txtSEC_LAT, "3.2"},
                             {k->txtDEG_LON, "66"},
                             {k->txtMIN_LON, "7"},
                             {k->txtSEC_LON, "12"}})
      QTest::keyClicks(box, text);
    QTest::mouseClick(k->comCOMMIT, Qt::LeftButton);
    QCOMPARE(k->lstKEYBOARD->item(0)->text(), q("P2   45 5 3.2   66 7 12"));
    sink->answers = {false};
    QTest::mouseClick(k->comCANCEL, Qt::LeftButton);
    QCOMPARE(sink->messages.back().title, std::string("CANCEL?"));
    QVERIFY(k->isVisible());
    QTest::mouseClick(k->comOK, Qt::LeftButton);
    QCOMPARE(k->result(), int(QDialog::Accepted));
    QCOMPARE(ReadText(*dir / "INPUT.TXT"), std::string("P2,45,5,3.2,66,7,12\r\n"));
    QCOMPARE(k->model().inputFile(), *dir / "INPUT.TXT");
  }
};

KARTOVEX_GUI_TEST(KeyboardWindowTest, "keyboard_window_test")
#include "keyboard_window_test.moc"
