// PROCESS after the dispatch: outcome texts, accuracy file, ORVANDEL's
// files, the rejected-point counter, cancel, log files and the error path.

#include <gtest/gtest.h>

#include <stdexcept>

#include "mainwindow/main_window_captions.h"
#include "messages/result_texts.h"
#include "process_fixture.h"

namespace kartovex::testing {
namespace {

DispatchOutcome completed(const RouteRow& row) { return {DispatchResult::Completed, &row}; }

TEST_F(ProcessTest, CompletedRouteEnablesView) {
  chooseTypicalRun();
  EXPECT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
  EXPECT_EQ(model().resultsLabel(), "The conversion has been completed !");
  EXPECT_TRUE(model().choices().comVIEW.enabled);
  EXPECT_TRUE(model().choices().comPROCESS.enabled);
  EXPECT_FALSE(model().cancelVisible());
  EXPECT_FALSE(sink.busy);
  EXPECT_EQ(model().progress(), progress::kStarted);
  EXPECT_TRUE(sink.messages.empty()) << allMessages();
}

TEST_F(ProcessTest, CompletedInFrenchWithMissedPoints) {
  settings.language = Language::French;
  missed = true;
  chooseTypicalRun();
  EXPECT_EQ(model().Process(), ProcessResult::Completed);
  EXPECT_EQ(
      model().resultsLabel(),
      "La conversion est RÉUSSIE, MAIS un ou plusieurs points sont manquants (hors limites) !");
}

TEST_F(ProcessTest, MissedPointsInEnglish) {
  missed = true;
  chooseTypicalRun();
  model().Process();
  EXPECT_EQ(
      model().resultsLabel(),
      "The conversion has been completed, BUT one or more points was missed (out of bounds) !");
}

TEST_F(ProcessTest, FailedAndCancelledRoutesAreNotCompleted) {
  for (DispatchResult r : {DispatchResult::Failed, DispatchResult::Cancelled}) {
    script = [this, r](RunContext&, RunControl&) { return DispatchOutcome{r, &row}; };
    chooseTypicalRun();
    EXPECT_EQ(model().Process(), ProcessResult::NotCompleted);
    EXPECT_EQ(model().resultsLabel(), r == DispatchResult::Failed
                                          ? "The conversion was NOT completed !"
                                          : "The conversion was NOT completed (cancelled) !");
    EXPECT_FALSE(model().choices().comVIEW.enabled);
    EXPECT_TRUE(model().choices().comPROCESS.enabled);
  }
  settings.language = Language::French;
  model().Process();
  EXPECT_EQ(model().resultsLabel(), "La conversion est INCOMPLÈTE (annulée) !");
}

TEST_F(ProcessTest, IntermediateOrvandelLabelIsReplacedByTheOutcome) {
  script = [this](RunContext&, RunControl& control) {
    control.ResultsLabel("ORVANDEL: The conversion has been completed !");
    return DispatchOutcome{DispatchResult::Failed, &row};
  };
  chooseTypicalRun();
  model().Process();
  EXPECT_EQ(model().resultsLabel(), "The conversion was NOT completed !");
}

TEST_F(ProcessTest, NotSupportedKeepsTheDispatchersLabel) {
  script = [](RunContext&, RunControl& control) {
    control.ResultsLabel("The conversion NOT supported !");
    return DispatchOutcome{DispatchResult::NotSupported, nullptr};
  };
  chooseTypicalRun();
  EXPECT_EQ(model().Process(), ProcessResult::NotSupported);
  EXPECT_EQ(model().resultsLabel(), "The conversion NOT supported !");
  EXPECT_TRUE(model().choices().comPROCESS.enabled);
  EXPECT_EQ(copyCalls, 0);
}

TEST_F(ProcessTest, MissingTransformFilesEndsWithProgressZero) {
  script = [](RunContext& ctx, RunControl& control) {
    control.ResultsLabel(ctx.messages.pick(results_label::kRefused));
    return DispatchOutcome{DispatchResult::MissingTransformFiles, nullptr};
  };
  chooseTypicalRun();
  EXPECT_EQ(model().Process(), ProcessResult::NotCompleted);
  EXPECT_EQ(model().resultsLabel(), "The conversion was NOT completed !");
  EXPECT_EQ(model().progress(), 0);
}

TEST_F(ProcessTest, OrvandelFilesAreCopiedOnlyAfterACompletedRowThatRunsOrvandel) {
  chooseTypicalRun();
  row = *RouteRowNumber(41);
  model().Process();
  EXPECT_EQ(copyCalls, 1);
  row = *RouteRowNumber(38);
  model().Process();
  EXPECT_EQ(copyCalls, 1);
  row = *RouteRowNumber(64);
  script = [this](RunContext&, RunControl&) {
    return DispatchOutcome{DispatchResult::Failed, &row};
  };
  model().Process();
  EXPECT_EQ(copyCalls, 1);
}

TEST_F(ProcessTest, FailedCopyOfOrvandelFilesIsNotCompleted) {
  copyResult = false;
  chooseTypicalRun();
  EXPECT_EQ(model().Process(), ProcessResult::Error);
  EXPECT_EQ(model().resultsLabel(), "The conversion was NOT completed !");
  EXPECT_FALSE(model().choices().comVIEW.enabled);
}

class AccuracyTest : public ProcessTest {
 public:
  void SetUp() override {
    ProcessTest::SetUp();
    chooseTypicalRun();
    auto& c = model().choices();
    c.setReportFile(true);
    c.typeReportFile(settings.outputDir + "RESULT.REP");
    c.setAccuracyFile(true);
  }
  void useLumbrixRow() {
    row = *RouteRowNumber(5);
    script = [this](RunContext& ctx, RunControl&) {
      ctx.run.newFile = settings.binDir + "INPUT.NEW";
      WriteFile(ctx.run.newFile, "new coordinates\n");
      return completed(row);
    };
  }
};

TEST_F(AccuracyTest, LumbrixNewFileBecomesTheAccuracyFile) {
  useLumbrixRow();
  EXPECT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
  EXPECT_EQ(ReadFile(settings.outputDir + "RESULT.ACC"), "new coordinates\n");
  EXPECT_TRUE(sink.messages.empty()) << allMessages();
}

TEST_F(AccuracyTest, SubRouteOfTransformNad27Nad83CsrsRunsLumbrix) {
  useLumbrixRow();
  row = *RouteRowNumber(49);
  EXPECT_EQ(model().Process(), ProcessResult::Completed) << allMessages();
  EXPECT_TRUE(Exists(settings.outputDir + "RESULT.ACC"));
}

TEST_F(AccuracyTest, RouteWithoutLumbrixCompletesWithoutAccFile) {
  row = *RouteRowNumber(41);
  EXPECT_EQ(model().Process(), ProcessResult::Completed);
  EXPECT_FALSE(Exists(settings.outputDir + "RESULT.ACC"));
  EXPECT_EQ(model().resultsLabel(), "The conversion has been completed !");
  ASSERT_EQ(sink.messages.size(), 1u) << allMessages();
  EXPECT_EQ(sink.messages[0].kind, RecordedMessage::Kind::Information);
  EXPECT_EQ(sink.messages[0].title, "Accuracy File");
  EXPECT_EQ(sink.messages[0].text,
            "This conversion does not produce an accuracy file: no .ACC file was written.");
}

TEST_F(AccuracyTest, RouteWithoutLumbrixToldInFrench) {
  settings.language = Language::French;
  EXPECT_EQ(model().Process(), ProcessResult::Completed);
  EXPECT_FALSE(Exists(settings.outputDir + "RESULT.ACC"));
  EXPECT_EQ(model().resultsLabel(), "La conversion est RÉUSSIE !");
  EXPECT_TRUE(hasMessage("Fichier de précision",
                         "Cette conversion ne produit pas de fichier de précision : aucun fichier "
                         ".ACC n'a été écrit."))
      << allMessages();
}

TEST_F(ProcessTest, OneRejectedPointEnablesTheViewButtons) {
  script = [this](RunContext& ctx, RunControl&) {
    ctx.run.IncrementErrCount();
    return completed(row);
  };
  chooseTypicalRun();
  model().Process();
  EXPECT_EQ(model().errorCountText(), "Number of rejected points =  1");
  EXPECT_TRUE(model().viewErrorEnabled());
  EXPECT_TRUE(model().viewLogEnabled());
  // The next run starts the counter again.
  script = nullptr;
  model().Process();
  EXPECT_EQ(model().errorCountText(), "");
  EXPECT_FALSE(model().viewErrorEnabled());
  EXPECT_FALSE(model().viewLogEnabled());
}

TEST_F(ProcessTest, RejectedPointsInFrench) {
  settings.language = Language::French;
  script = [this](RunContext& ctx, RunControl&) {
    ctx.run.IncrementErrCount();
    ctx.run.IncrementErrCount();
    return DispatchOutcome{DispatchResult::Failed, &row};
  };
  chooseTypicalRun();
  model().Process();
  EXPECT_EQ(model().errorCountText(), "Quantité de points rejetés =  2");
}

TEST_F(ProcessTest, CancelSetsTheFlagAndProgressZero) {
  script = [this](RunContext&, RunControl& control) {
    EXPECT_TRUE(model().cancelVisible());
    EXPECT_EQ(model().progress(), 1);
    control.Progress(50);
    model().CancelProcess();  // the Cancel button, from the wait loop's event pump
    EXPECT_TRUE(control.cancelled());
    return DispatchOutcome{DispatchResult::Cancelled, &row};
  };
  chooseTypicalRun();
  EXPECT_EQ(model().Process(), ProcessResult::NotCompleted);
  EXPECT_EQ(model().progress(), 0);
  EXPECT_FALSE(model().cancelVisible());
  EXPECT_EQ(model().resultsLabel(), "The conversion was NOT completed (cancelled) !");
  // The next PROCESS clears the flag.
  script = nullptr;
  model().Process();
  EXPECT_FALSE(seen.cancelled);
}

TEST_F(ProcessTest, ProgressObserverSeesTheRouteValues) {
  std::vector<int> values;
  model().setProgressObserver([&](int v) { values.push_back(v); });
  script = [this](RunContext&, RunControl& control) {
    control.Progress(20);
    control.Progress(100);
    return completed(row);
  };
  chooseTypicalRun();
  model().Process();
  EXPECT_EQ(values, (std::vector<int>{1, 20, 100}));
}

TEST_F(ProcessTest, LogFilesAreOpenDuringTheRunAndClosedAfter) {
  settings.extentLogging = true;
  chooseTypicalRun();
  model().Process();
  EXPECT_TRUE(seen.logOpen);
  EXPECT_FALSE(messages.logFilesOpen());
  EXPECT_TRUE(Exists(settings.workDir + "kartovex.log"));
  EXPECT_TRUE(Exists(settings.workDir + "kartovex.err"));
}

TEST_F(ProcessTest, WithoutLoggingNoLogFiles) {
  chooseTypicalRun();
  model().Process();
  EXPECT_FALSE(seen.logOpen);
  EXPECT_FALSE(Exists(settings.workDir + "kartovex.log"));
}

TEST_F(ProcessTest, RunTimeErrorTakesTheErrorPath) {
  settings.extentLogging = true;
  script = [](RunContext&, RunControl&) -> DispatchOutcome { throw std::runtime_error("disk"); };
  chooseTypicalRun();
  EXPECT_EQ(model().Process(), ProcessResult::Error);
  EXPECT_TRUE(hasMessage("ERROR", "comPROCESS: An error occurred while processing your data!"))
      << allMessages();
  EXPECT_EQ(model().resultsLabel(), "The conversion was NOT completed !");
  EXPECT_TRUE(model().choices().comPROCESS.enabled);
  EXPECT_FALSE(model().choices().comVIEW.enabled);
  EXPECT_FALSE(messages.logFilesOpen());
  EXPECT_FALSE(sink.busy);
}

TEST_F(ProcessTest, RunTimeErrorInFrench) {
  settings.language = Language::French;
  script = [](RunContext&, RunControl&) -> DispatchOutcome { throw std::runtime_error("disk"); };
  chooseTypicalRun();
  model().Process();
  EXPECT_TRUE(hasMessage("ERREUR", "comPROCESS: Une erreur s'est produite durant le traitement!"))
      << allMessages();
}

TEST_F(ProcessTest, CaptionsFollowTheLanguage) {
  settings.titleEnglish = "Kartovex E";
  settings.titleFrench = "Kartovex F";
  model().SetEnglish();
  EXPECT_EQ(model().caption("formMAIN"), "Kartovex E");
  EXPECT_EQ(model().caption("comPROCESS"), "&PROCESS...");
  EXPECT_EQ(model().caption("optTO_NAD83"), "  NAD83 (CSRS)");
  EXPECT_EQ(model().caption("cmdViewLog"), "View log");
  model().SetFrench();
  EXPECT_EQ(model().caption("formMAIN"), "Kartovex F");
  EXPECT_EQ(model().caption("comPROCESS"), "Traitement...");
  EXPECT_EQ(model().caption("optTO_NAD83"), " NAD83 (CSRS)");
  EXPECT_EQ(model().caption("optFR_EN"), " EST, NORD");
  EXPECT_EQ(model().caption("MenuExit"), "A&BANDON");
  EXPECT_EQ(model().caption("nothing"), "");
  EXPECT_EQ(model().captions().size(), 42u);
}

TEST_F(ProcessTest, SetupClosedWithAnotherLanguageRefreshesCaptionsAndLabels) {
  settings.language = Language::English;
  model().SetEnglish();
  settings.language = LanguageFromText("OTHER");  // neither: French captions, English messages
  settings.province = Province::NS;
  settings.mtmZone = MtmZone::Zone5;
  settings.utmZone = UtmZone::Zone20;
  model().SetupClosed(true);
  EXPECT_FALSE(model().captionsEnglish());
  EXPECT_EQ(model().provinceLabel(), "Province = 'NS' Zone (5)");
  EXPECT_EQ(model().utmZoneLabel(), "UTM Zone 20");
  EXPECT_FALSE(model().helpEnabled());
  settings.pdfReader = settings.binDir + "reader";
  WriteFile(settings.pdfReader, "x");
  model().SetupClosed(false);
  EXPECT_TRUE(model().helpEnabled());
}

TEST_F(ProcessTest, DelimiterLabelFollowsTheCaptionLanguage) {
  settings.delimiter = ";";
  EXPECT_EQ(model().delimiterLabel(), "Delimeter = ';'");
  settings.language = Language::French;
  EXPECT_EQ(model().delimiterLabel(), "Délimité par = ';'");
  settings.province = Province::PEI;
  EXPECT_EQ(model().provinceLabel(), "Province = 'PEI'");
}

}  // namespace
}  // namespace kartovex::testing
