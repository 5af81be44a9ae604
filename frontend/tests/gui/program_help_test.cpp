// kartovex --help: the usage on standard output and status 0, with no
// display needed.

#include "gui_fixture.h"

#include <QProcess>
#include <QProcessEnvironment>

using namespace kartovex::guitest;

class ProgramHelpTest : public QObject {
  Q_OBJECT

 private slots:
  void helpPrintsTheUsageAndSucceeds() {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    p.setProcessEnvironment(env);
    p.start(KARTOVEX_GUI_PROGRAM, {"--help"});
    QVERIFY(p.waitForFinished(-1));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(out.startsWith("usage: kartovex"), qPrintable(out));
    QVERIFY(out.contains("--help"));
  }

  void unknownArgumentIsAUsageError() {
    QProcess p;
    p.start(KARTOVEX_GUI_PROGRAM, {"--no-such-option"});
    QVERIFY(p.waitForFinished(-1));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains("usage: kartovex"));
  }
};

KARTOVEX_GUI_TEST(ProgramHelpTest, "program_help_test")
#include "program_help_test.moc"
