// PROCESS on a copy of the demo installation beyond the route rows: an
// unsupported combination, the keyboard file, the input file kept in the
// working directory and the copy of ORVANDEL's files.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>
#include <string>

#include "cli_process.h"
#include "core/settings.h"
#include "mainwindow/main_window_model.h"
#include "messages/messages.h"
#include "recording_sink.h"
#include "startup/startup.h"

namespace e2e {
namespace {

using kartovex::CoordForm;
using kartovex::Datum;

const std::string kCompleted = "The conversion has been completed !";

TEST(Unsupported, Nad27UtmToCsrsUtmRunsNoProgram) {
  E2E_DEMO_COPY(demo);
  const fs::path report = demo.output() / "NOPE.REP";
  const CliRun run = RunCli(
      demo, {"--from", "NAD27:XY", "--to", "NAD83CSRS:XY", "--input",
             (demo.input() / "NB_XY27.TXT").string(), "--report", report.string(), "--data"});
  ASSERT_FALSE(run.hung);
  EXPECT_NE(run.status, 0);
  EXPECT_EQ(run.label(), "The conversion NOT supported !");
  EXPECT_TRUE(FindIgnoringCase(demo.output(), "NOPE.REP").empty());
  EXPECT_TRUE(FindIgnoringCase(demo.output(), "NOPE.TXT").empty());
  for (const char* answers : {"TRAN_IN.TXT", "IN_RUN1.TXT", "RUN1.BAT"})
    EXPECT_TRUE(FindIgnoringCase(demo.bin(), answers).empty())
        << answers << " written for an unsupported choice";
}

TEST(Unsupported, FrenchLabel) {
  E2E_DEMO_COPY(demo);
  const CliRun run = RunCli(demo, {"--from", "NAD27:XY", "--to", "NAD83CSRS:XY", "--input",
                                   (demo.input() / "NB_XY27.TXT").string(), "--french"});
  ASSERT_FALSE(run.hung);
  EXPECT_NE(run.status, 0);
  EXPECT_EQ(run.label(), "La conversion NOT supported !");
}

TEST(MissingPif, TwoProgramChainFailsClearlyWithoutHanging) {
  E2E_DEMO_COPY(demo);
  fs::remove(demo.bin() / "RUN2.PIF");
  const CliRun run = RunCli(demo, {"--from", "ATS77:EN", "--to", "NAD83CSRS:LL", "--input",
                                   (demo.input() / "NB_EN77.TXT").string()});
  ASSERT_FALSE(run.hung) << "the front end waited for a program that never started";
  EXPECT_NE(run.status, 0);
  EXPECT_EQ(run.label(), "The conversion was NOT completed !");
  EXPECT_NE(Upper(run.err).find("LUMBRIX"), std::string::npos) << run.err;
  EXPECT_NE(Upper(run.err).find("RUN2.PIF"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(demo.working() / "RUNNING.TXT")) << "marker left behind";
  // The first program ran and its output stays.
  EXPECT_FALSE(FindIgnoringCase(demo.bin(), "LL_GHOST.DAT").empty());
}

// The main window's start-up and PROCESS in this process, on the copy.
class InProcess {
 public:
  explicit InProcess(const DemoCopy& demo) : messages_(settings_, sink_) {
    ::setenv("DATAFILE", demo.datafile().c_str(), 1);
    started_ = kartovex::StartUp(settings_, messages_, outputs_, demo.root());
    model_ = std::make_unique<kartovex::MainWindowModel>(settings_, messages_);
    if (started_) model_->Loaded(outputs_);
  }
  bool started() const { return started_; }
  kartovex::MainWindowModel& model() { return *model_; }
  kartovex::FrontEndSettings& settings() { return settings_; }
  const RecordingSink& sink() const { return sink_; }

  void choose(Datum fd, CoordForm ff, Datum td, CoordForm tf) {
    auto& c = model_->choices();
    c.chooseFromDatum(fd);
    c.chooseFromForm(ff);
    c.chooseToDatum(td);
    c.chooseToForm(tf);
  }

 private:
  RecordingSink sink_;
  kartovex::FrontEndSettings settings_;
  kartovex::MessageService messages_;
  kartovex::StartupOutputs outputs_;
  std::unique_ptr<kartovex::MainWindowModel> model_;
  bool started_ = false;
};

TEST(KeyboardRun, KeepsInputTxtAndWritesOutputTxt) {
  E2E_DEMO_COPY(demo);
  InProcess fe(demo);
  ASSERT_TRUE(fe.started()) << fe.sink().all();
  fe.choose(Datum::NAD27, CoordForm::LL, Datum::ATS77, CoordForm::EN);
  fe.model().choices().setInputFromKeyboard(true);

  // What the keyboard window's OK leaves behind, and the last run's leftovers.
  const std::string typed = ReadText(demo.input() / "NB_LL.TXT");
  const fs::path keyboard = demo.working() / "INPUT.TXT";
  WriteText(keyboard, typed);
  WriteText(demo.working() / "OUTPUT.TXT", "STALE,1,2\r\n");
  WriteText(demo.working() / "OLD.DAT", "old\r\n");
  fe.model().KeyboardSaved(keyboard.string());

  EXPECT_EQ(fe.model().Process(), kartovex::ProcessResult::Completed) << fe.sink().all();
  EXPECT_EQ(fe.model().resultsLabel(), kCompleted);
  ASSERT_TRUE(fs::exists(keyboard)) << "the keyboard file was deleted";
  EXPECT_EQ(ReadText(keyboard), typed);
  // Only the system's own work files go; a file of another name is the user's.
  EXPECT_TRUE(fs::exists(demo.working() / "OLD.DAT"));

  const auto data = ReadLines(demo.working() / "OUTPUT.TXT");
  ASSERT_EQ(data.size(), 5u);
  EXPECT_EQ(data[0].rfind("FREDTN,", 0), 0u) << data[0];
  const auto report = ReadLines(demo.working() / "OUTPUT.REP");
  ASSERT_FALSE(report.empty());
  EXPECT_EQ(report[0], std::string(69, '*'));

  // Unticking the box deletes the keyboard file.
  fe.model().choices().setInputFromKeyboard(false);
  EXPECT_FALSE(fs::exists(keyboard));
}

TEST(FileRun, ProcessKeepsAnInputFileInTheWorkingDirectory) {
  E2E_DEMO_COPY(demo);
  InProcess fe(demo);
  ASSERT_TRUE(fe.started()) << fe.sink().all();
  const fs::path input = demo.working() / "MYPOINTS.TXT";
  fs::copy_file(demo.input() / "NB_LL.TXT", input);
  WriteText(demo.working() / "OLD.TXT", "old\r\n");
  fe.choose(Datum::NAD27, CoordForm::LL, Datum::ATS77, CoordForm::EN);
  fe.model().choices().setInputFromFile(true);
  fe.model().choices().typeInputFile(input.string());

  EXPECT_EQ(fe.model().Process(), kartovex::ProcessResult::Completed) << fe.sink().all();
  EXPECT_TRUE(fs::exists(input)) << "PROCESS deleted its own input file";
  EXPECT_TRUE(fs::exists(demo.working() / "OLD.TXT"))
      << "a file of the user's in the working directory was deleted";
  EXPECT_EQ(ReadLines(demo.working() / "OUTPUT.TXT").size(), 5u);
}

// kartovex-cli knows its input file before its start-up clears workDir.
TEST(FileRun, CliKeepsAnInputFileInTheWorkingDirectory) {
  E2E_DEMO_COPY(demo);
  const fs::path input = demo.working() / "MYPOINTS.TXT";
  fs::copy_file(demo.input() / "NB_LL.TXT", input);
  WriteText(demo.working() / "OLD.TXT", "old\r\n");
  const CliRun run =
      RunCli(demo, {"--from", "NAD27:LL", "--to", "ATS77:EN", "--input", input.string()});
  ASSERT_FALSE(run.hung);
  EXPECT_EQ(run.label(), kCompleted) << run.err;
  EXPECT_TRUE(fs::exists(input)) << "the run deleted its own input file";
  EXPECT_TRUE(fs::exists(demo.working() / "OLD.TXT"))
      << "a file of the user's in the working directory was deleted";
  EXPECT_EQ(ReadLines(demo.working() / "OUTPUT.TXT").size(), 5u);
}

void ExpectOrvandelFilesIn(const DemoCopy& demo, const fs::path& dir) {
  for (const char* name : {"Orvandel.out", "Trn_cord.dat", "Trn_ghst.dat"}) {
    ASSERT_TRUE(fs::exists(dir / name)) << name << " not in " << dir;
    const fs::path original = FindIgnoringCase(demo.bin(), name);
    ASSERT_FALSE(original.empty()) << name;
    EXPECT_EQ(ReadText(dir / name), ReadText(original)) << name;
  }
}

TEST(OrvandelCopy, CreatesAnOutputDirectoryRemovedAfterStartUp) {
  E2E_DEMO_COPY(demo);
  InProcess fe(demo);
  ASSERT_TRUE(fe.started()) << fe.sink().all();
  fe.choose(Datum::NAD27, CoordForm::LL, Datum::ATS77, CoordForm::EN);
  fe.model().choices().setInputFromFile(true);
  fe.model().choices().typeInputFile((demo.input() / "NB_LL.TXT").string());
  fs::remove_all(demo.output());

  EXPECT_EQ(fe.model().Process(), kartovex::ProcessResult::Completed) << fe.sink().all();
  ASSERT_TRUE(fs::is_directory(demo.output())) << "outputDir not created";
  ExpectOrvandelFilesIn(demo, demo.output());
  // Without a report name the results go to the working directory.
  EXPECT_TRUE(fs::exists(demo.working() / "OUTPUT.REP"));
  EXPECT_EQ(ReadLines(demo.working() / "OUTPUT.TXT").size(), 5u);
}

TEST(OrvandelCopy, GoesToRootWhenOutputIsMissingAtStartUp) {
  E2E_DEMO_COPY(demo);
  fs::remove_all(demo.output());
  const CliRun run = RunCli(demo, {"--from", "NAD27:LL", "--to", "ATS77:EN", "--input",
                                   (demo.input() / "NB_LL.TXT").string()});
  ASSERT_FALSE(run.hung);
  ASSERT_EQ(run.label(), kCompleted) << run.err;
  ExpectOrvandelFilesIn(demo, demo.dir("."));
}

TEST(OrvandelCopy, RoutesWithoutOrvandelCopyNothing) {
  E2E_DEMO_COPY(demo);
  const CliRun run = RunCli(demo, {"--from", "ATS77:EN", "--to", "ATS77:LL", "--input",
                                   (demo.input() / "NB_EN77.TXT").string()});
  ASSERT_FALSE(run.hung);
  ASSERT_EQ(run.label(), kCompleted) << run.err;
  EXPECT_TRUE(FindIgnoringCase(demo.output(), "Orvandel.out").empty());
}

TEST(OrvandelCopy, AFailedRouteCopiesNothing) {
  E2E_DEMO_COPY(demo);
  // ORVANDEL cannot read its coefficients: no trn_cord.dat, route fails.
  fs::remove_all(demo.dir("DATAFILE"));
  fs::create_directory(demo.dir("DATAFILE"));
  const CliRun run = RunCli(demo, {"--from", "NAD27:LL", "--to", "ATS77:EN", "--input",
                                   (demo.input() / "NB_LL.TXT").string()});
  ASSERT_FALSE(run.hung);
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.label(), kCompleted);
  EXPECT_TRUE(FindIgnoringCase(demo.output(), "Orvandel.out").empty());
}

}  // namespace
}  // namespace e2e
