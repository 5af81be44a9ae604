// Names on a case-sensitive system: a chosen file shows as chosen in the
// main window and the keyboard window.

#include "gui_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui/file_choosers.h"
#include "gui/form_keyboard.h"

using namespace kartovex;
using namespace kartovex::guitest;

class NamesAsChosenTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<Harness> h;

  gui::FormMain& w() { return *h->main; }

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

  void chosenInputAndReportShowAsChosen() {
    WriteText(*dir / "mixed_pts.txt", "P1,45,5,3.2,66,7,12\r\n");
    w().optFR_NAD27->click();
    w().optFR_LL->click();
    w().optTO_ATS77->click();
    w().optTO_EN->click();
    w().chkIN_FILE->click();
    w().choose = [&](const gui::ChooserRequest&) {
      return gui::ChooserResult{QString::fromStdString(*dir / "mixed_pts.txt"), "*.TXT"};
    };
    QTest::mouseClick(w().comIN_SEARCH, Qt::LeftButton);
    QCOMPARE(w().txtIN_FILE->text().toStdString(), *dir / "mixed_pts.txt");
    w().chkREP_FILE->click();
    w().choose = [&](const gui::ChooserRequest&) {
      return gui::ChooserResult{QString::fromStdString(*dir / "Out.Rep"), "*.REP"};
    };
    QTest::mouseClick(w().comOUT_SEARCH, Qt::LeftButton);
    QCOMPARE(w().txtOUT_FILE->text().toStdString(), *dir / "Out.Rep");
  }

  void chosenNamesGainOnlyTheMissingExtension() {
    QCOMPARE(gui::ChosenInputFile("/d/points", "*.TXT").path, std::string("/d/points.txt"));
    QCOMPARE(gui::ChosenInputFile("/d/Points.dat", "*.*").path, std::string("/d/Points.dat"));
    QCOMPARE(gui::ChosenReportFile("/d/out").path, std::string("/d/out.rep"));
    QCOMPARE(gui::ChosenReportFile("/d/OUT").path, std::string("/d/OUT.REP"));
    QCOMPARE(gui::ChosenSaveFile("/d/keyed.txt").path, std::string("/d/keyed.txt"));
  }

  void keyboardFileIsWrittenAsChosen() {
    RecordingSink sink;
    FrontEndSettings settings;
    settings.workDir = dir->path();
    settings.extents.latLong = {48.1, 63.7, 44.5, 69.1};
    MessageService messages(settings, sink);
    SetDecimalSeparatorOverride(std::string("."));
    gui::FormKeyboard k(
        settings, messages, Datum::NAD27, CoordForm::LL, Datum::ATS77, CoordForm::EN,
        [&](const gui::ChooserRequest&) {
          return gui::ChooserResult{QString::fromStdString(*dir / "keyed_pts.txt"), "*.TXT"};
        });
    for (auto [box, text] : {std::pair{k.txtPOINT, "P2"},
                             {k.txtDEG_LAT, "45"},
                             {k.txtMIN_LAT, "5"},
                             {k.txtSEC_LAT, "3.2"},
                             {k.txtDEG_LON, "66"},
                             {k.txtMIN_LON, "7"},
                             {k.txtSEC_LON, "12"}})
      box->setText(text);
    k.Commit();
    k.chkTXT_FILE->setChecked(true);
    k.SearchTextFile();
    QCOMPARE(k.txtTXT_FILE->text().toStdString(), *dir / "keyed_pts.txt");
    k.Ok();
    QCOMPARE(k.model().inputFile(), *dir / "keyed_pts.txt");
    QVERIFY(std::filesystem::exists(*dir / "keyed_pts.txt"));
    SetDecimalSeparatorOverride(std::nullopt);
  }
};

KARTOVEX_GUI_TEST(NamesAsChosenTest, "names_as_chosen_test")
#include "names_as_chosen_test.moc"
