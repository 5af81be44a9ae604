// PROCESS through the main window: its refusals and their texts, and a run
// that the Cancel button stops while the window keeps processing events.

#include "gui_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace kartovex;
using namespace kartovex::guitest;

class MainProcessTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<Harness> h;
  int dispatched = 0;

  gui::FormMain& w() { return *h->main; }

  // NAD27 Lat,Long to ATS77 East,North with the input from a text file.
  void chooseFileRun() {
    w().optFR_NAD27->click();
    w().optFR_LL->click();
    w().optTO_ATS77->click();
    w().optTO_EN->click();
    w().chkIN_FILE->click();
  }
  void process() { QTest::mouseClick(w().comPROCESS, Qt::LeftButton); }
  void expectRefused(const char* title, const char* text) {
    QVERIFY2(!h->sink.messages.empty(), "no message");
    QCOMPARE(h->sink.messages.back().title, std::string(title));
    QCOMPARE(h->sink.messages.back().text, std::string(text));
    QCOMPARE(h->sink.messages.back().kind, RecordedMessage::Kind::Critical);
    QCOMPARE(w().lblRESULTS->text(), q("The conversion was NOT completed !"));
    QVERIFY(w().comPROCESS->isEnabled());
    QVERIFY(w().frmFROM->isEnabled());
    QCOMPARE(dispatched, 0);
  }

 private slots:
  void init() {
    dir = std::make_unique<TempDir>();
    dispatched = 0;
    RouteServices services;
    services.dispatch = [this](RunContext&, RunControl&) {
      ++dispatched;
      return DispatchOutcome{};
    };
    h = std::make_unique<Harness>(services);
    h->settings.workDir = dir->path();
    h->settings.binDir = dir->path();
    h->settings.extentLogging = false;
  }
  void cleanup() {
    h.reset();
    dir.reset();
  }

  void noInputChosen() {
    chooseFileRun();
    w().chkIN_FILE->click();  // unticking enables PROCESS again
    process();
    expectRefused("Required Info Missing",
                  "Input From Keyboard or Input From File must be chosen before processing!");
  }

  void noInputFileName() {
    chooseFileRun();
    process();
    expectRefused("Required Info Missing", "An Input File name must be entered before processing!");
  }

  void inputFileMissing() {
    chooseFileRun();
    QTest::keyClicks(w().txtIN_FILE, QString::fromStdString(*dir / "NONE.TXT"));
    process();
    expectRefused("Required Info Missing", "The specified Input File does not exist!");
  }

  void keyboardFileMissing() {
    chooseFileRun();
    w().chkKEYBOARD->click();
    process();
    expectRefused("Required Info Missing", "Keyboard Input must be entered before processing!");
  }

  void reportNameMustEndInRep() {
    WriteText(*dir / "IN.TXT", "P1,45,5,3.2,66,7,12\r\n");
    chooseFileRun();
    QTest::keyClicks(w().txtIN_FILE, QString::fromStdString(*dir / "IN.TXT"));
    w().chkREP_FILE->click();
    process();
    expectRefused("Required Info Missing", "A Report File name must be entered before processing!");
    QTest::keyClicks(w().txtOUT_FILE, QString::fromStdString(*dir / "RESULT.OUT"));
    process();
    expectRefused("Required Info Missing", "The specified Report File is invalid (must be *.REP)!");
  }

  void dataFileSameAsInput() {
    WriteText(*dir / "RESULT.TXT", "P1,45,5,3.2,66,7,12\r\n");
    chooseFileRun();
    QTest::keyClicks(w().txtIN_FILE, QString::fromStdString(*dir / "RESULT.TXT"));
    w().chkREP_FILE->click();
    QTest::keyClicks(w().txtOUT_FILE, QString::fromStdString(*dir / "RESULT.REP"));
    w().chkTXT_FILE->click();
    process();
    const std::string text =
        "You cannot have an output data file name which matches the input text file name!\n"
        "Input file: " +
        *dir / "RESULT.TXT\nOutput file: " + *dir / "RESULT.TXT";
    expectRefused("Invalid File Name", text.c_str());
    QVERIFY(std::filesystem::exists(*dir / "RESULT.TXT"));
  }

  void delimiterEqualToTheDecimalSeparator() {
    SetDecimalSeparatorOverride(std::string(","));
    h->settings.decimalSeparator = ",";
    WriteText(*dir / "OUTPUT.REP", "old");
    chooseFileRun();
    process();
    expectRefused("Required Info Missing",
                  "Delimeter is same as windows decimal separator. Please change Delimeter!");
    QVERIFY(std::filesystem::exists(*dir / "OUTPUT.REP"));  // nothing deleted
  }

  void refusalsInFrench() {
    h->settings.language = Language::French;
    chooseFileRun();
    process();
    QCOMPARE(h->sink.messages.back().title,
             std::string("L'information nécessaire n'est pas disponible"));
    QCOMPARE(h->sink.messages.back().text,
             std::string("Choisir le nom du fichier de données avant de continuer!"));
    QCOMPARE(w().lblRESULTS->text(), q("La transformation est INCOMPLÈTE !"));
  }

  void startUpRefusalEndsTheProgram() {
    MakeSmallInstallation(*dir);
    ::setenv("XDG_CONFIG_HOME", (*dir / "xdg").c_str(), 1);
    ::unsetenv("DATAFILE");
    Harness fresh;
    QVERIFY(!fresh.main->Load(*dir / "prog/"));
    QVERIFY(fresh.hasText(
        "The environment string 'DATAFILE' is not set. Set in autoexec.bat and try again!"));
    QCOMPARE(fresh.sink.messages.back().title, std::string("FATAL ERROR"));
  }

  void cancelStopsARunningRoute() {
    bool cancelSeenVisible = false;
    int pumps = 0;
    RouteServices services;
    services.dispatch = [&](RunContext&, RunControl& control) {
      control.Progress(30);
      // The wait loop: events are pumped until the flag is set.
      while (!control.cancelled() && pumps < 10000) {
        ++pumps;
        if (control.pumpEvents) control.pumpEvents();
      }
      return DispatchOutcome{
          control.cancelled() ? DispatchResult::Cancelled : DispatchResult::Failed, nullptr};
    };
    h = std::make_unique<Harness>(services);
    h->settings.workDir = dir->path();
    h->settings.binDir = dir->path();
    h->settings.extentLogging = false;
    WriteText(*dir / "IN.TXT", "P1,45,5,3.2,66,7,12\r\n");
    chooseFileRun();
    QTest::keyClicks(w().txtIN_FILE, QString::fromStdString(*dir / "IN.TXT"));
    QTimer::singleShot(0, [&] {
      cancelSeenVisible = w().cmdCancelProcess->isVisible() && w().cmdCancelProcess->isEnabled();
      QCOMPARE(w().palProgress->value(), 30);
      QVERIFY(!w().comPROCESS->isEnabled());
      QVERIFY(!w().frmFROM->isEnabled());  // only Cancel acts during a run
      QTest::mouseClick(w().cmdCancelProcess, Qt::LeftButton);
    });
    process();
    QVERIFY(cancelSeenVisible);
    QVERIFY(pumps < 10000);
    QCOMPARE(w().palProgress->value(), 0);
    QVERIFY(w().cmdCancelProcess->isHidden());
    QCOMPARE(w().lblRESULTS->text(), q("The conversion was NOT completed (cancelled) !"));
    QVERIFY(w().comPROCESS->isEnabled());
    QVERIFY(!w().comVIEW->isEnabled());
    QVERIFY(w().frmFROM->isEnabled());
  }
};

KARTOVEX_GUI_TEST(MainProcessTest, "main_process_test")
#include "main_process_test.moc"
