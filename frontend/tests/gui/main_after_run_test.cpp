// What the main window shows after a run and while the next one starts: the
// bar of a failed run, the previous count and View buttons, a cancelled run.

#include "gui_fixture.h"

#include <sys/stat.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace kartovex;
using namespace kartovex::guitest;

class MainAfterRunTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<Harness> h;
  std::function<DispatchOutcome(RunContext&, RunControl&)> script;

  gui::FormMain& w() { return *h->main; }

  void chooseFileRun() {
    WriteText(*dir / "IN.TXT", "P1,45,5,3.2,66,7,12\r\n");
    w().optFR_NAD27->click();
    w().optFR_LL->click();
    w().optTO_ATS77->click();
    w().optTO_EN->click();
    w().chkIN_FILE->click();
    QTest::keyClicks(w().txtIN_FILE, QString::fromStdString(*dir / "IN.TXT"));
  }
  void process() { QTest::mouseClick(w().comPROCESS, Qt::LeftButton); }

 private slots:
  void init() {
    dir = std::make_unique<TempDir>();
    RouteServices services;
    services.dispatch = [this](RunContext& ctx, RunControl& control) {
      return script(ctx, control);
    };
    services.copyOrvandelFiles = [](RunContext&) { return true; };
    services.pointsMissed = [](const RunState&) { return false; };
    h = std::make_unique<Harness>(services);
    h->settings.workDir = dir->path();
    h->settings.binDir = dir->path();
    h->settings.extentLogging = false;
  }
  void cleanup() {
    h.reset();
    dir.reset();
  }

  void failedRunResetsTheBar() {
    script = [](RunContext&, RunControl& control) {
      control.Progress(1);
      return DispatchOutcome{DispatchResult::Failed, nullptr};
    };
    chooseFileRun();
    process();
    QCOMPARE(w().palProgress->value(), 0);
    QCOMPARE(w().lblRESULTS->text(), q("The conversion was NOT completed !"));
  }

  void newRunClearsThePreviousCountAndViewButtons() {
    script = [](RunContext& ctx, RunControl&) {
      ctx.run.IncrementErrCount();
      return DispatchOutcome{DispatchResult::Completed, nullptr};
    };
    chooseFileRun();
    process();
    QVERIFY(w().comVIEW->isEnabled());
    QVERIFY(w().cmdViewError->isEnabled());
    QVERIFY(!w().txtErrorCnt->text().isEmpty());

    bool viewSeen = true, errorSeen = true, countSeen = true, labelSeen = true;
    script = [&](RunContext&, RunControl& control) {
      // The route's first pump: what the window shows while it runs.
      if (control.pumpEvents) control.pumpEvents();
      viewSeen = w().comVIEW->isEnabled();
      errorSeen = w().cmdViewError->isEnabled() || w().cmdViewLog->isEnabled();
      countSeen = !w().txtErrorCnt->text().isEmpty();
      labelSeen = !w().lblRESULTS->text().isEmpty();
      return DispatchOutcome{DispatchResult::Failed, nullptr};
    };
    process();
    QVERIFY(!viewSeen);
    QVERIFY(!errorSeen);
    QVERIFY(!countSeen);
    QVERIFY(!labelSeen);
    QVERIFY(!w().comVIEW->isEnabled());
    QVERIFY(w().txtErrorCnt->text().isEmpty());
  }

  // View error through the configured opener: one that fails at once or
  // cannot start is reported, one that keeps running is not.
  void viewErrorReportsAnOpenerThatFails() {
    script = [](RunContext& ctx, RunControl&) {
      ctx.run.IncrementErrCount();
      return DispatchOutcome{DispatchResult::Completed, nullptr};
    };
    chooseFileRun();
    process();
    QVERIFY(w().cmdViewError->isEnabled());
    if (!PathExists(*dir / "kartovex.err")) WriteText(*dir / "kartovex.err", "P1\n");
    // A long watch, so a loaded machine still sees the failure; the click
    // returns as soon as the opener ends.
    w().startProgram = DefaultProgramStarter(std::chrono::milliseconds(30000));
    const std::string opener = *dir / "opener";
    auto writeOpener = [&](const std::string& body) {
      WriteText(opener, "#!/bin/sh\n" + body + "\n");
      ::chmod(opener.c_str(), 0755);
    };
    h->settings.editor = opener;
    h->sink.messages.clear();

    writeOpener("exit 1");
    QTest::mouseClick(w().cmdViewError, Qt::LeftButton);
    QCOMPARE(h->sink.messages.size(), std::size_t(1));
    QCOMPARE(h->sink.messages.back().title, std::string("ERROR"));
    QCOMPARE(h->sink.messages.back().text,
             "Failed to launch " + opener + "! It stopped at once with exit status 1.");

    writeOpener("sleep 1");
    QTest::mouseClick(w().cmdViewError, Qt::LeftButton);
    QCOMPARE(h->sink.messages.size(), std::size_t(1));
    w().startProgram = DefaultProgramStarter();
    writeOpener("sleep 2");
    QTest::mouseClick(w().cmdViewError, Qt::LeftButton);
    QCOMPARE(h->sink.messages.size(), std::size_t(1));

    h->settings.editor = *dir / "no_such_opener";
    QTest::mouseClick(w().cmdViewError, Qt::LeftButton);
    QCOMPARE(h->sink.messages.size(), std::size_t(2));
    QCOMPARE(h->sink.messages.back().text, "Failed to launch " + *dir / "no_such_opener" + "!");
  }

  void cancelledRunSaysSoInFrench() {
    h->settings.language = Language::French;
    script = [this](RunContext&, RunControl& control) {
      control.Progress(30);
      w().CancelProcess();
      return DispatchOutcome{DispatchResult::Cancelled, nullptr};
    };
    chooseFileRun();
    process();
    QCOMPARE(w().lblRESULTS->text(), q("La conversion est INCOMPLÈTE (annulée) !"));
    QCOMPARE(w().palProgress->value(), 0);
  }
};

KARTOVEX_GUI_TEST(MainAfterRunTest, "main_after_run_test")
#include "main_after_run_test.moc"
