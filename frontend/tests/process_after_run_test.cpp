// What a run leaves on show: the bar after a failure, the previous run's
// count and View buttons when a new run starts, and a cancelled run's label.

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "messages/result_texts.h"
#include "process_fixture.h"

namespace kartovex::testing {
namespace {

TEST_F(ProcessTest, FailedRunPutsTheBarBackToZero) {
  script = [this](RunContext&, RunControl& control) {
    control.Progress(1);
    return DispatchOutcome{DispatchResult::Failed, &row};
  };
  chooseTypicalRun();
  EXPECT_EQ(model().Process(), ProcessResult::NotCompleted);
  EXPECT_EQ(model().progress(), progress::kCancelled);
  EXPECT_EQ(model().resultsLabel(), "The conversion was NOT completed !");
}

TEST_F(ProcessTest, RunTimeErrorPutsTheBarBackToZero) {
  script = [this](RunContext&, RunControl& control) -> DispatchOutcome {
    control.Progress(40);
    throw std::runtime_error("broken");
  };
  chooseTypicalRun();
  EXPECT_EQ(model().Process(), ProcessResult::Error);
  EXPECT_EQ(model().progress(), progress::kCancelled);
}

TEST_F(ProcessTest, NewRunClearsThePreviousCountAndViewButtonsAtItsStart) {
  script = [this](RunContext& ctx, RunControl&) {
    ctx.run.IncrementErrCount();
    return DispatchOutcome{DispatchResult::Completed, &row};
  };
  chooseTypicalRun();
  ASSERT_EQ(model().Process(), ProcessResult::Completed);
  ASSERT_TRUE(model().viewErrorEnabled());
  ASSERT_TRUE(model().choices().comVIEW.enabled);
  ASSERT_FALSE(model().errorCountText().empty());

  // What the window shows when the second run's bar first moves.
  std::vector<int> values;
  bool viewShown = true, countShown = true, labelShown = true, errorViewShown = true;
  model().setProgressObserver([&](int value) {
    if (!values.empty()) return;
    values.push_back(value);
    viewShown = model().choices().comVIEW.enabled;
    countShown = !model().errorCountText().empty();
    labelShown = !model().resultsLabel().empty();
    errorViewShown = model().viewErrorEnabled() || model().viewLogEnabled();
  });
  script = [this](RunContext&, RunControl&) {
    return DispatchOutcome{DispatchResult::Failed, &row};
  };
  model().Process();
  ASSERT_FALSE(values.empty());
  EXPECT_FALSE(viewShown);
  EXPECT_FALSE(countShown);
  EXPECT_FALSE(labelShown);
  EXPECT_FALSE(errorViewShown);
}

TEST_F(ProcessTest, RefusedRunClearsThePreviousView) {
  chooseTypicalRun();
  ASSERT_EQ(model().Process(), ProcessResult::Completed);
  ASSERT_TRUE(model().choices().comVIEW.enabled);
  settings.decimalSeparator = ",";
  settings.delimiter = ",";
  ASSERT_EQ(model().Process(), ProcessResult::Refused);
  EXPECT_FALSE(model().choices().comVIEW.enabled);
}

TEST_F(ProcessTest, CancelledRunSaysSoInBothLanguages) {
  script = [this](RunContext&, RunControl& control) {
    control.Progress(30);
    model().CancelProcess();
    return DispatchOutcome{DispatchResult::Cancelled, &row};
  };
  chooseTypicalRun();
  EXPECT_EQ(model().Process(), ProcessResult::NotCompleted);
  EXPECT_EQ(model().resultsLabel(), "The conversion was NOT completed (cancelled) !");
  EXPECT_EQ(model().progress(), progress::kCancelled);
  settings.language = Language::French;
  model().Process();
  EXPECT_EQ(model().resultsLabel(), "La conversion est INCOMPLÈTE (annulée) !");
}

TEST_F(ProcessTest, ResultsLabelFollowsALanguageChange) {
  DispatchResult result = DispatchResult::Failed;
  script = [this, &result](RunContext&, RunControl&) { return DispatchOutcome{result, &row}; };
  chooseTypicalRun();
  model().Process();
  EXPECT_EQ(model().resultsLabel(), "The conversion was NOT completed !");
  settings.language = Language::French;
  model().SetupClosed(true);
  // A failed run, not a refusal, though both read alike in English.
  EXPECT_EQ(model().resultsLabel(), "La conversion est INCOMPLÈTE !");
  result = DispatchResult::Completed;
  model().Process();
  EXPECT_EQ(model().resultsLabel(), "La conversion est RÉUSSIE !");
  settings.language = Language::English;
  model().SetupClosed(true);
  EXPECT_EQ(model().resultsLabel(), "The conversion has been completed !");
  model().SetupClosed(false);
  EXPECT_EQ(model().resultsLabel(), "The conversion has been completed !");
}

TEST_F(ProcessTest, RouteThatFailsAfterCancelIsReportedCancelled) {
  script = [this](RunContext&, RunControl& control) {
    control.Cancel();
    return DispatchOutcome{DispatchResult::Failed, &row};
  };
  chooseTypicalRun();
  model().Process();
  EXPECT_EQ(model().resultsLabel(), "The conversion was NOT completed (cancelled) !");
}

TEST_F(ProcessTest, PointsLeftOutFollowsMissedAndRejectedPoints) {
  chooseTypicalRun();
  model().Process();
  EXPECT_FALSE(model().pointsLeftOut());
  missed = true;
  model().Process();
  EXPECT_TRUE(model().pointsLeftOut());
  missed = false;
  script = [this](RunContext& ctx, RunControl&) {
    ctx.run.IncrementErrCount();
    return DispatchOutcome{DispatchResult::Completed, &row};
  };
  model().Process();
  EXPECT_TRUE(model().pointsLeftOut());
  script = [this](RunContext& ctx, RunControl&) {
    ctx.run.IncrementErrCount();
    return DispatchOutcome{DispatchResult::Failed, &row};
  };
  model().Process();
  EXPECT_FALSE(model().pointsLeftOut()) << "only a completed run";
}

}  // namespace
}  // namespace kartovex::testing
