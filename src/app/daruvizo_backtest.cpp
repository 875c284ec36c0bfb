// The back-tests' handlers of the main window. A test is prepared on the window's form (the
// chosen draw shown, the lucky number asked), runs on a copy of the form beside the window with
// its progress shown, and is applied when it ends: the copy's state (the tip list, the shown
// draw, the status line) becomes the window's, the report is written and opened, the comparison
// with chance worked out beside the window is shown on the "Odds" tab.
#include <memory>

#include "app/background_task.h"
#include "app/daruvizo.h"
#include "backtest/backtest_outcome.h"
#include "backtest/backtest_report.h"
#include "backtest/chance_page.h"
#include "backtest/form_copy.h"
#include "common/translatable.h"
#include "form/worker_platform.h"

namespace numora {

// Everything the test works on beside the window, and what it leaves.
struct BacktestWork {
  Form form;
  DrawFileReader reader;
  NumberChoiceModel dialog;
  CalculationState state;
  PlatformMoment moment;
  ReplayMode mode = ReplayMode::InMemory;
  BacktestPlan plan;
  std::stop_token stop;
  LatestValue<FormProgress> progress;
  // Left by the work.
  BacktestOutcome outcome;
  std::optional<ChanceComparison> comparison;
  std::vector<PatternText> messages;
};

namespace {

void computeOnCopy(BacktestWork& work, const WorkPoints& points) {
  WorkerPlatform platform(work.form, work.moment, work.stop, points, work.progress);
  const BacktestContext context{CalculationContext{work.form, platform, work.reader, work.dialog},
                                work.state, work.mode};
  work.outcome = computeBacktest(context, work.plan);
  work.messages = platform.messages();
  // A stopped test ends at once; the comparison of its cycles follows beside the window.
  if (!work.outcome.totals || work.stop.stop_requested()) return;
  work.form.WorkProgress.setVisible(true);
  work.form.WorkProgress.setProgress(0, 1);
  work.form.WorkProgress.setCaption(kComparingWithChance);
  platform.publishProgress();
  try {
    ChanceComparison comparison = compareWithChance(*work.outcome.totals, 0, work.stop);
    // Stopped in its middle: it is worked out again beside the window after the test.
    if (!work.stop.stop_requested()) work.comparison = std::move(comparison);
  } catch (const std::exception&) {
    // The test's own result stands; the comparison is tried again beside the window.
  }
  work.form.WorkProgress.setVisible(false);
}

}  // namespace

void TForm1::runBacktest(BacktestKind kind) {
  // Whatever way the click came, a test never starts inside other long work.
  if (const auto running = longWork_.running()) {
    platform_.showMessage(runningWorkRefusal(*running));
    return;
  }
  task_ = std::make_unique<BackgroundTask>(longWork_, LongWork::Backtest, tipHistory_, form);
  holdControls(form.registry, longWork_);
  // The replay moves the picked date with the draws; it goes back afterwards, so the next test
  // runs over the same draws (the shown draw stays where the test left it).
  const DayCount chosen = form.DateTimePicker1.date();
  const auto restoreChosenDate = [&] {
    if (form.DateTimePicker1.date() != chosen) (void)form.DateTimePicker1.setDate(chosen);
  };
  try {
    const auto plan = prepareBacktest(backtestContext(), kind);
    if (!plan) {
      restoreChosenDate();
      endBackgroundTask();
      return;
    }
    auto work = std::make_shared<BacktestWork>();
    copyFormState(form, work->form);
    work->reader = reader_;
    work->dialog.useRandom(&work->form.random);
    work->moment = PlatformMoment::of(platform_);
    work->mode = replayMode_;
    work->plan = *plan;
    work->stop = task_->stop.get_token();
    // The start/stop button is the test's stop meanwhile (the copy keeps its own caption).
    form.BitBtn4.setCaption(kStopCaption);
    platform_.setWaitCursor(true);
    const std::weak_ptr<int> alive = alive_;
    platform_.startWork(
        BackgroundWork{[work](const WorkPoints& points) { computeOnCopy(*work, points); },
                       [this, work, alive] {
                         if (!alive.expired()) showWorkProgress(work->progress);
                       },
                       [this, work, chosen, alive](std::exception_ptr failure) {
                         if (!alive.expired()) finishBacktest(*work, chosen, failure);
                       }});
  } catch (...) {
    restoreChosenDate();
    abandonBackgroundTask();
    throw;
  }
}

void TForm1::finishBacktest(BacktestWork& work, DayCount chosen, std::exception_ptr failure) {
  platform_.setWaitCursor(false);
  runReportingErrors([&] {
    if (failure) std::rethrow_exception(failure);
    const bool closing = form.closing;
    applyWorkForm(work.form);
    calculation_.rejections = work.state.rejections;
    // The reader the test stepped with knows the file as the test left it.
    reader_ = std::move(work.reader);
    for (const PatternText& message : work.messages) platform_.showMessage(message);
    // A window closed during the test shows no report of the cycles run so far.
    if (closing || !work.outcome.totals) return;
    if (!writeBacktestReport(form, platform_, work.outcome)) return;
    showBacktestReport(form, *work.outcome.totals, form.lotteryIndex(), dateOnly(chosen),
                       dateOnly(form.Datum1));
    lastBacktest_ = std::move(work.outcome.totals);
    ++comparisonGeneration_;
    if (work.comparison) {
      showChanceComparison(form, *lastBacktest_, *work.comparison);
    } else {
      compareLastBacktestWithChance();
    }
  });
  if (form.DateTimePicker1.date() != chosen) (void)form.DateTimePicker1.setDate(chosen);
  endBackgroundTask();
}

void TForm1::BitBtn9Click() {
  runBacktest(BacktestKind::SingleCalculation);
}
void TForm1::ErfolgstestClick() {
  runBacktest(BacktestKind::PerDraw);
}
void TForm1::Button7Click() {
  runBacktest(BacktestKind::NextDraw);
}
void TForm1::Button8Click() {
  runBacktest(BacktestKind::SecondNextDraw);
}
void TForm1::Button9Click() {
  runBacktest(BacktestKind::ThirdNextDraw);
}
void TForm1::Button10Click() {
  runBacktest(BacktestKind::NextThreeDraws);
}
void TForm1::Button11Click() {
  runBacktest(BacktestKind::LastThreeDraws);
}

}  // namespace numora
