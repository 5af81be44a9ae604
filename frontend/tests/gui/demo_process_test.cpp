// Complete runs on a private copy of the demo installation: a text file of
// NAD27 Lat,Long points of New Brunswick to ATS77 East,North, and Nova
// Scotia grid points typed in the keyboard window with the MTM zone lock.

#include "gui_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "gui/form_keyboard.h"
#include "gui/frm_setup.h"
#include "platform/paths.h"

using namespace kartovex;
using namespace kartovex::guitest;

class DemoProcessTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<Harness> h;

  gui::FormMain& w() { return *h->main; }
  static bool nonEmptyFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && std::filesystem::file_size(path, ec) > 0;
  }

 private slots:
  void init() {
    std::string source = DemoSource();
    if (source.empty()) QSKIP("the demo installation has not been built");
    dir = std::make_unique<TempDir>();
    QVERIFY(CopyDemo(source, *dir));
    h = std::make_unique<Harness>();
    h->sink.defaultAnswer = true;
    QVERIFY2(w().Load(dir->path()), h->texts().c_str());
  }
  void cleanup() {
    h.reset();
    dir.reset();
  }

  void textFileNad27LatLongToAts77EastNorth() {
    w().optFR_NAD27->click();
    w().optFR_LL->click();
    w().optTO_ATS77->click();
    w().optTO_EN->click();
    w().chkIN_FILE->click();
    QTest::keyClicks(w().txtIN_FILE, QString::fromStdString(*dir / "INPUT/NB_LL.TXT"));
    w().chkREP_FILE->click();
    QTest::keyClicks(w().txtOUT_FILE, QString::fromStdString(*dir / "OUTPUT/RESULT.REP"));
    w().chkTXT_FILE->click();
    QTest::mouseClick(w().comPROCESS, Qt::LeftButton);

    QCOMPARE(w().lblRESULTS->text(), q("The conversion has been completed !"));
    QVERIFY2(h->sink.messages.empty(), h->texts().c_str());
    QCOMPARE(w().palProgress->value(), 100);
    QVERIFY(w().cmdCancelProcess->isHidden());
    QVERIFY(w().comVIEW->isEnabled());
    QVERIFY(w().txtErrorCnt->text().isEmpty());
    QVERIFY(!w().cmdViewLog->isEnabled());
    QVERIFY(nonEmptyFile(*dir / "OUTPUT/RESULT.REP"));
    std::string data = ReadText(*dir / "OUTPUT/RESULT.TXT");
    QVERIFY2(data.find("FREDTN") != std::string::npos, data.c_str());
    QVERIFY(data.find("MONCTON") != std::string::npos);
    // ORVANDEL's own files are copied to the output directory.
    auto copied = FindIgnoringCase(*dir / "OUTPUT/ORVANDEL.OUT");
    QVERIFY(copied && nonEmptyFile(*copied));
    QVERIFY(PathExists(*dir / "OUTPUT/TRN_CORD.DAT"));

    // The view button opens the report in the editor.
    QTest::mouseClick(w().comVIEW, Qt::LeftButton);
    QCOMPARE(h->started.size(), std::size_t(1));
    QVERIFY(h->started[0].find("RESULT.REP") != std::string::npos);
  }

  void keyboardNovaScotiaGridWithTheMtmZoneLock() {
    h->onDialog<gui::FrmSetup>([](gui::FrmSetup& s) {
      s.optNS->click();
      s.optMTMZone4->click();
      QTest::mouseClick(s.comOK, Qt::LeftButton);
    });
    w().menuSetup->trigger();
    QCOMPARE(SettingText(h->settings.mtmZone), std::string("4"));

    w().optFR_ATS77->click();
    w().optFR_EN->click();
    w().optTO_ATS77->click();
    w().optTO_LL->click();
    w().chkKEYBOARD->click();
    QVERIFY(w().comIN_KEYBOARD->isEnabled());

    bool zoneLocked = false;
    QStringList lines;
    h->onDialog<gui::FormKeyboard>([&](gui::FormKeyboard& k) {
      QCOMPARE(k.windowTitle(), q("Input From Keyboard (East,North)"));
      QVERIFY(!k.famXY->isHidden());
      QCOMPARE(k.txtZONE->text(), q("4"));
      k.txtZONE->setText("5");
      QTest::keyClicks(k.txtPOINT, "HALIFAX");
      QTest::keyClicks(k.txtX, "5573354.311");
      QTest::keyClicks(k.txtY, "4945835.993");
      QTest::mouseClick(k.comCOMMIT, Qt::LeftButton);
      zoneLocked = !k.txtZONE->isEnabled();
      QTest::keyClicks(k.txtPOINT, "YARMOUTH");
      QTest::keyClicks(k.txtX, "5369933.283");
      QTest::keyClicks(k.txtY, "4856551.464");
      QTest::mouseClick(k.comCOMMIT, Qt::LeftButton);
      for (int i = 0; i < k.lstKEYBOARD->count(); ++i) lines << k.lstKEYBOARD->item(i)->text();
      QTest::mouseClick(k.comOK, Qt::LeftButton);
    });
    QTest::mouseClick(w().comIN_KEYBOARD, Qt::LeftButton);
    QVERIFY2(zoneLocked, h->texts().c_str());
    QCOMPARE(SettingText(h->settings.mtmZone), std::string("5"));
    QCOMPARE(lines, QStringList({"HALIFAX   5573354.311   4945835.993",
                                 "YARMOUTH   5369933.283   4856551.464"}));
    QCOMPARE(w().txtProvince->text(), q("Province = 'NS' Zone (5)"));
    QCOMPARE(
        ReadText(*dir / "WORKING/INPUT.TXT"),
        std::string("HALIFAX,5573354.311,4945835.993\r\nYARMOUTH,5369933.283,4856551.464\r\n"));

    QTest::mouseClick(w().comPROCESS, Qt::LeftButton);
    QCOMPARE(w().lblRESULTS->text(), q("The conversion has been completed !"));
    QVERIFY2(h->sink.messages.empty(), h->texts().c_str());
    std::string data = ReadText(*dir / "WORKING/OUTPUT.TXT");
    QVERIFY2(data.find("HALIFAX") != std::string::npos, data.c_str());
    QVERIFY(data.find("YARMOUTH") != std::string::npos);
    QVERIFY(nonEmptyFile(*dir / "WORKING/OUTPUT.REP"));
  }
};

KARTOVEX_GUI_TEST(DemoProcessTest, "demo_process_test")
#include "demo_process_test.moc"
