// The setup, text-file options and About windows opened from the main
// window's menu, on the small installation of the test data.

#include "gui_fixture.h"

#include <sys/stat.h>

#include "mainwindow/main_window_captions.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "gui/form_options.h"
#include "gui/frm_about.h"
#include "gui/frm_setup.h"
#include "platform/profile_file.h"

using namespace kartovex;
using namespace kartovex::guitest;

class DialogsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<Harness> h;

  gui::FormMain& w() { return *h->main; }

  // The text a widget shows for a control of the caption table.
  QString shown(const std::string& name) {
    QString n = QString::fromStdString(name);
    if (name == "formMAIN") return w().windowTitle();
    if (auto* a = w().findChild<QAction*>(n)) return a->text();
    if (auto* m = w().findChild<QMenu*>(n)) return m->title();
    QWidget* widget = w().findChild<QWidget*>(n);
    if (auto* g = qobject_cast<QGroupBox*>(widget)) return g->title();
    if (auto* b = qobject_cast<QAbstractButton*>(widget)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(widget)) return l->text();
    return "<missing " + n + ">";
  }
  void expectEveryCaption() {
    // Buttons show their caption with runs of blanks made one.
    for (const auto& [name, text] : w().model().captions()) {
      bool button =
          qobject_cast<QAbstractButton*>(w().findChild<QWidget*>(QString::fromStdString(name)));
      QCOMPARE(shown(name), QString::fromStdString(button ? DisplayCaption(text) : text));
    }
  }
  void setLanguage(bool french) {
    h->onDialog<gui::FrmSetup>([french](gui::FrmSetup& s) {
      (french ? s.optFrench : s.optEnglish)->click();
      QTest::mouseClick(s.comOK, Qt::LeftButton);
    });
    w().menuSetup->trigger();
  }

 private slots:
  void init() {
    dir = std::make_unique<TempDir>();
    MakeSmallInstallation(*dir);
    h = std::make_unique<Harness>();
    QVERIFY2(w().Load(*dir / "prog/"), h->texts().c_str());
  }
  void cleanup() {
    h.reset();
    dir.reset();
  }

  void startUpShowsTheStatusLabels() {
    QCOMPARE(w().txtProvince->text(), q("Province = 'NB'"));
    QCOMPARE(w().txtUtmZome->text(), q("UTM Zone 19"));
    QCOMPARE(w().txtdelimintor->text(), q("Delimeter = ','"));
    QCOMPARE(w().comPROCESS->text(), q("&PROCESS..."));
    QVERIFY(w().comHELP->isEnabled());  // the reader exists
    expectEveryCaption();
  }

  void resultsLabelFollowsTheLanguage() {
    // A refused PROCESS (no input chosen) leaves its label.
    w().optFR_NAD27->click();
    w().optFR_LL->click();
    w().optTO_ATS77->click();
    w().optTO_EN->click();
    w().chkIN_FILE->click();
    w().chkIN_FILE->click();
    QTest::mouseClick(w().comPROCESS, Qt::LeftButton);
    QCOMPARE(w().lblRESULTS->text(), q("The conversion was NOT completed !"));
    setLanguage(true);
    QCOMPARE(w().lblRESULTS->text(), q("La transformation est INCOMPLÈTE !"));
    setLanguage(false);
    QCOMPARE(w().lblRESULTS->text(), q("The conversion was NOT completed !"));
  }

  void languageSwitchChangesEveryCaption() {
    setLanguage(true);
    QCOMPARE(SettingText(h->settings.language), std::string("FRENCH"));
    QVERIFY(!w().model().captionsEnglish());
    expectEveryCaption();
    QCOMPARE(w().frmFROM->title(), q("Provient de:"));
    QCOMPARE(w().comPROCESS->text(), q("Traitement..."));
    QCOMPARE(w().optFR_EN->text(), q(" EST, NORD"));
    QCOMPARE(w().comEXIT->text(), q("ABANDON"));
    QCOMPARE(w().menuSetup->text(), q("Mi&se au point"));
    QCOMPARE(w().MenuExit->text(), q("A&BANDON"));
    QCOMPARE(w().cmdViewLog->text(), q("Vior le registre"));
    QCOMPARE(w().txtdelimintor->text(), q("Délimité par = ','"));

    // The setup window itself opens in French now.
    QString setupTitle, frenchCaption;
    h->onDialog<gui::FrmSetup>([&](gui::FrmSetup& s) {
      setupTitle = s.windowTitle();
      frenchCaption = s.optNB->text();
      QVERIFY(s.optFrench->isChecked());
      s.optEnglish->click();
      QTest::mouseClick(s.comCANCEL, Qt::LeftButton);  // Cancel changes nothing
    });
    w().menuSetup->trigger();
    QCOMPARE(setupTitle, q("Kartovex Setup"));
    QCOMPARE(frenchCaption, q("Nouveau-Brunswick"));
    QCOMPARE(SettingText(h->settings.language), std::string("FRENCH"));
    QCOMPARE(w().comPROCESS->text(), q("Traitement..."));

    setLanguage(false);
    expectEveryCaption();
    QCOMPARE(w().frmFROM->title(), q("From:"));
    QCOMPARE(w().txtdelimintor->text(), q("Delimeter = ','"));
  }

  void setupProvinceChangeReachesTheLabels() {
    h->onDialog<gui::FrmSetup>([](gui::FrmSetup& s) {
      QVERIFY(!s.optMTMZone4->isEnabled());
      s.optNS->click();
      QVERIFY(s.optMTMZone4->isEnabled());
      QVERIFY(s.optZone20->isChecked());
      s.optMTMZone5->click();
      QTest::mouseClick(s.comOK, Qt::LeftButton);
    });
    w().menuSetup->trigger();
    QCOMPARE(SettingText(h->settings.province), std::string("NS"));
    QCOMPARE(w().txtProvince->text(), q("Province = 'NS' Zone (5)"));
    QCOMPARE(w().txtUtmZome->text(), q("UTM Zone 20"));
  }

  void optionsStoreATabAndReopenWithOther() {
    h->onDialog<gui::FormOptions>([](gui::FormOptions& o) {
      QCOMPARE(o.windowTitle(), q("Input Text File Options"));
      QVERIFY(o.optComma->isChecked());
      o.optTabDeliminter->click();
      QCOMPARE(o.txtDelimeter->text(), q("\t"));
      o.optNE->click();
      QTest::mouseClick(o.comOK, Qt::LeftButton);
    });
    w().mnuTextFile->trigger();
    QCOMPARE(h->settings.delimiter, std::string("\t"));
    QCOMPARE(h->settings.fieldOrder, std::string("NE"));
    QCOMPARE(w().txtdelimintor->text(), q("Delimeter = '\t'"));

    bool other = false;
    QString box;
    h->onDialog<gui::FormOptions>([&](gui::FormOptions& o) {
      other = o.optOther->isChecked();
      box = o.txtDelimeter->text();
      QVERIFY(o.optNE->isChecked());
      QTest::mouseClick(o.comCANCEL, Qt::LeftButton);
    });
    w().mnuTextFile->trigger();
    QVERIFY(other);
    QCOMPARE(box, q("\t"));
  }

  void optionsRefuseOtherWithoutADelimiter() {
    bool stillOpen = false;
    h->onDialog<gui::FormOptions>([&](gui::FormOptions& o) {
      o.optOther->click();
      QVERIFY(o.txtDelimeter->text().isEmpty());
      QTest::mouseClick(o.comOK, Qt::LeftButton);
      stillOpen = o.result() != QDialog::Accepted;
      QTest::mouseClick(o.comCANCEL, Qt::LeftButton);
    });
    w().mnuTextFile->trigger();
    QVERIFY(stillOpen);
    QCOMPARE(h->sink.messages.back().title, std::string("No Delimeter Specified"));
    QCOMPARE(h->sink.messages.back().text,
             std::string("You have chosen 'Other' as your delimeter.  Therefore, you must also "
                         "specify (type) the "
                         "actual delimeter in the space provided."));
    QCOMPARE(h->settings.delimiter, std::string(","));
  }

  void optionsInFrench() {
    setLanguage(true);
    QString title, comma;
    h->onDialog<gui::FormOptions>([&](gui::FormOptions& o) {
      title = o.windowTitle();
      comma = o.optComma->text();
      QTest::mouseClick(o.comCANCEL, Qt::LeftButton);
    });
    w().mnuTextFile->trigger();
    QCOMPARE(title, q("Options du fichier-texte"));
    QCOMPARE(comma, q("Virgule"));
  }

  void aboutShowsTheVersion() {
    QString title, version;
    h->onDialog<gui::FrmAbout>([&](gui::FrmAbout& a) {
      title = a.windowTitle();
      version = a.lblVersion->text();
      QTest::mouseClick(a.cmdOK, Qt::LeftButton);
    });
    w().menuAbout->trigger();
    QCOMPARE(title, q("About Kartovex"));
    QCOMPARE(version, q("Version 3.00 Build March 22 2000"));
  }

  void exitSavesAndClosingOtherwiseDoesNot() {
    h->settings.delimiter = ";";
    w().close();
    std::string ini = *dir / "prog/KARTOVEX.INI";
    QCOMPARE(GetPrivateProfileString("SETUP", "Delimeter", "", ini), std::string(","));
    w().show();
    QTest::mouseClick(w().comEXIT, Qt::LeftButton);
    QCOMPARE(GetPrivateProfileString("SETUP", "Delimeter", "", ini), std::string(";"));
    QVERIFY(!w().isVisible());
  }

  // HTML help opens the page of the language through the opener (here a
  // fake reader that records what it was given), with no message.
  void htmlHelpOpensThePageOfTheLanguage() {
    const std::string args = *dir / "opener_args";
    const std::string opener = *dir / "bin/reader";
    WriteText(opener, "#!/bin/sh\necho \"$1\" > " + args + "\n");
    ::chmod(opener.c_str(), 0755);
    WriteText(*dir / "bin/KARTOVEX_EN.HTM", "<html>en</html>");
    WriteText(*dir / "bin/KARTOVEX_FR.HTM", "<html>fr</html>");
    h->settings.helpFormat = "HTML";
    h->settings.pdfReader = opener;
    h->settings.helpFile = *dir / "bin/KARTOVEX_EN.HTM";
    h->settings.frenchHelpFile = *dir / "bin/KARTOVEX_FR.HTM";
    // The fake opener ends at once: a long watch sees it end on a loaded
    // machine too.
    w().startProgram = DefaultProgramStarter(std::chrono::milliseconds(30000));
    QVERIFY(w().comHELP->isEnabled());
    QTest::mouseClick(w().comHELP, Qt::LeftButton);
    QVERIFY2(h->sink.messages.empty(), h->texts().c_str());
    QCOMPARE(ReadText(args), h->settings.helpFile + "\n");
    setLanguage(true);
    QTest::mouseClick(w().comHELP, Qt::LeftButton);
    QVERIFY2(h->sink.messages.empty(), h->texts().c_str());
    QCOMPARE(ReadText(args), h->settings.frenchHelpFile + "\n");
    // A page that is missing is named.
    std::filesystem::remove(h->settings.frenchHelpFile);
    QTest::mouseClick(w().comHELP, Qt::LeftButton);
    QCOMPARE(h->sink.messages.back().text,
             "La page d'aide " + h->settings.frenchHelpFile + " n'existe pas.");
  }

  void helpStartsTheViewerOrSaysItFailed() {
    QTest::mouseClick(w().comHELP, Qt::LeftButton);
    QCOMPARE(h->started.size(), std::size_t(1));
    QCOMPARE(h->sink.messages.back().text, std::string("Failed to launch Help!"));
  }
};

KARTOVEX_GUI_TEST(DialogsTest, "dialogs_test")
#include "dialogs_test.moc"
