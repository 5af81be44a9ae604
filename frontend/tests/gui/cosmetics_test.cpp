// Cosmetics: the To list lines up, no gap in the French save caption, the
// delimiter box above "Other (specify above)", whole paths as tooltips, and
// the About box with this build's version and date.

#include "gui_fixture.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include "gui/form_keyboard.h"
#include "gui/form_options.h"
#include "gui/frm_about.h"
#include "gui/path_line_edit.h"

using namespace kartovex;
using namespace kartovex::guitest;

class CosmeticsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<Harness> h;

  static int leadingBlanks(const QString& s) {
    int n = 0;
    while (n < s.size() && s[n] == ' ') ++n;
    return n;
  }

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

  void toListLinesUp() {
    gui::FormMain& w = *h->main;
    w.model().SetEnglish();
    w.setCaptions();
    QCOMPARE(w.optTO_NAD83->text(), q(" NAD83 (CSRS)"));
    QCOMPARE(leadingBlanks(w.optTO_NAD83->text()), leadingBlanks(w.optTO_ATS77->text()));
    QCOMPARE(leadingBlanks(w.optTO_NAD83->text()), leadingBlanks(w.optTO_NAD83_89->text()));
  }

  void frenchSaveCaptionHasNoGap() {
    RecordingSink sink;
    FrontEndSettings settings;
    settings.language = Language::French;
    settings.workDir = dir->path();
    MessageService messages(settings, sink);
    gui::FormKeyboard k(settings, messages, Datum::NAD27, CoordForm::LL, Datum::ATS77,
                        CoordForm::EN);
    QCOMPARE(k.chkTXT_FILE->text(), q(" Enregistrer le fichier de données"));
  }

  void delimiterBoxIsAboveOther() {
    gui::FormOptions o(h->settings, h->messages);
    o.show();
    QVERIFY(o.optOther->text().contains("above"));
    QCOMPARE(o.txtDelimeter->parentWidget(), o.optOther->parentWidget());
    QVERIFY(o.txtDelimeter->geometry().bottom() <= o.optOther->geometry().top());
  }

  void pathBoxesShowTheWholePathAsTooltip() {
    gui::FormMain& w = *h->main;
    const std::string longPath =
        *dir / "a/very/long/folder/name/that/does/not/fit/in/the/box/points.txt";
    w.optFR_NAD27->click();
    w.optFR_LL->click();
    w.optTO_ATS77->click();
    w.optTO_EN->click();
    w.chkIN_FILE->click();
    QTest::keyClicks(w.txtIN_FILE, QString::fromStdString(longPath));
    w.refresh();
    QCOMPARE(w.txtIN_FILE->toolTip().toStdString(), longPath);
    // Without the focus, elided in the middle: the start and the file name stay.
    w.show();
    w.comPROCESS->setFocus();
    auto* box = qobject_cast<gui::PathLineEdit*>(w.txtIN_FILE);
    QVERIFY(box);
    QCOMPARE(box->text().toStdString(), longPath);
    const QString shown = box->displayedText();
    QVERIFY2(shown.size() < box->text().size(), qPrintable(shown));
    QVERIFY(shown.endsWith("points.txt"));
    QVERIFY(shown.startsWith(QString::fromStdString(dir->path()).left(4)));
    QVERIFY(shown.contains(QChar(0x2026)));
  }

  void aboutShowsThisBuild() {
    gui::FrmAbout a(h->messages);
    QCOMPARE(a.lblVersion->text(), q("Version 3.00 Build March 22 2000"));
    QVERIFY2(a.lblBuild->text().contains(QRegularExpression(
                 QString("^Kartovex %1, built \\d{4}-\\d{2}-\\d{2}$")
                     .arg(QRegularExpression::escape(QString::fromUtf8(KARTOVEX_VERSION))))),
             qPrintable(a.lblBuild->text()));
  }
};

KARTOVEX_GUI_TEST(CosmeticsTest, "cosmetics_test")
#include "cosmetics_test.moc"
