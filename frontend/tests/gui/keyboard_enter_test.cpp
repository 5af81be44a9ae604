// The keyboard window from the keyboard alone: first focus on Point, Enter
// moves through the point's boxes and commits after the last, and never
// opens the file chooser of "...".

#include "gui_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "gui/form_keyboard.h"

using namespace kartovex;
using namespace kartovex::guitest;

class KeyboardEnterTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<RecordingSink> sink;
  std::unique_ptr<FrontEndSettings> settings;
  std::unique_ptr<MessageService> messages;
  int chooserCalls = 0;

  std::unique_ptr<gui::FormKeyboard> open(Datum from, CoordForm form, Datum to) {
    gui::Chooser chooser = [this](const gui::ChooserRequest&) {
      ++chooserCalls;
      return gui::ChooserResult{};
    };
    auto k = std::make_unique<gui::FormKeyboard>(*settings, *messages, from, form, to,
                                                 CoordForm::LL, chooser);
    k->show();
    QApplication::setActiveWindow(k.get());
    return k;
  }
  // Types text into the focused box, then Enter.
  static void typeAndEnter(gui::FormKeyboard& k, const char* text) {
    QWidget* box = k.focusWidget();
    QVERIFY(box);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
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
    chooserCalls = 0;
  }
  void cleanup() {
    messages.reset();
    settings.reset();
    sink.reset();
    dir.reset();
    SetDecimalSeparatorOverride(std::nullopt);
  }

  void firstFocusIsOnPoint() {
    auto k = open(Datum::ATS77, CoordForm::EN, Datum::NAD83);
    QCOMPARE(k->focusWidget(), static_cast<QWidget*>(k->txtPOINT));
    QVERIFY(!k->comTXT_SEARCH->isDefault());
    QVERIFY(!k->comTXT_SEARCH->autoDefault());
  }

  void enterWalksTheGridBoxesAndCommits() {
    auto k = open(Datum::ATS77, CoordForm::EN, Datum::NAD83);
    typeAndEnter(*k, "P1");
    QCOMPARE(k->focusWidget(), static_cast<QWidget*>(k->txtX));
    typeAndEnter(*k, "2500000");
    QCOMPARE(k->focusWidget(), static_cast<QWidget*>(k->txtY));
    typeAndEnter(*k, "7400000");
    QCOMPARE(chooserCalls, 0);
    QVERIFY(k->isVisible());
    QCOMPARE(k->lstKEYBOARD->count(), 1);
    QCOMPARE(k->lstKEYBOARD->item(0)->text(), q("P1   2500000   7400000"));
    QCOMPARE(k->focusWidget(), static_cast<QWidget*>(k->txtPOINT));
  }

  void enterCommitsAGeographicPoint() {
    auto k = open(Datum::NAD27, CoordForm::LL, Datum::ATS77);
    for (const char* text : {"P2", "45", "5", "3.2", "66", "7", "12"}) typeAndEnter(*k, text);
    QCOMPARE(chooserCalls, 0);
    QCOMPARE(k->lstKEYBOARD->count(), 1);
    QCOMPARE(k->lstKEYBOARD->item(0)->text(), q("P2   45 5 3.2   66 7 12"));
  }

  void enterInTheFileBoxOpensNothing() {
    auto k = open(Datum::ATS77, CoordForm::EN, Datum::NAD83);
    k->chkTXT_FILE->click();
    k->txtTXT_FILE->setFocus();
    QTest::keyClicks(k->txtTXT_FILE, "points");
    QTest::keyClick(k->txtTXT_FILE, Qt::Key_Return);
    QCOMPARE(chooserCalls, 0);
    QVERIFY(k->isVisible());
    QVERIFY(sink->messages.empty());
  }
};

KARTOVEX_GUI_TEST(KeyboardEnterTest, "keyboard_enter_test")
#include "keyboard_enter_test.moc"
