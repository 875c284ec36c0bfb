// The calculation's handlers of the main window. A calculation is prepared on the window's form
// (the history read, the list emptied or kept, the pool prepared with the number-choice dialog),
// searches its tips on a copy of the form beside the window, the tips shown as they are found,
// and is applied when it ends: the copy's state becomes the window's.
#include <memory>

#include "app/daruvizo.h"
#include "backtest/form_copy.h"
#include "form/worker_platform.h"

namespace numora {

// Everything the search works on beside the window, and what it leaves.
struct CalculationWork {
  Form form;
  DrawFileReader reader;
  NumberChoiceModel dialog;
  CalculationState state;
  PlatformMoment moment;
  PreparedCalculation prepared;
  std::stop_token stop;
  std::shared_ptr<std::atomic<int>> runBudget;
  LatestValue<FormProgress> progress;
  // Left by the work.
  std::vector<PatternText> messages;
  std::vector<std::string> details;
};

void TForm1::startCalculation(bool fromButton) {
  // Whatever way the click came, a calculation never starts inside other long work.
  if (const auto running = longWork_.running()) {
    platform_.showMessage(runningWorkRefusal(*running));
    return;
  }
  // The button's caption says "Stop" while its calculation runs; a stale stop request starts
  // nothing.
  if (fromButton && form.BitBtn4.caption() == kStopCaption) {
    form.BitBtn4.setCaption(kIdleCaption);
    return;
  }
  auto task = std::make_unique<BackgroundTask>(longWork_, LongWork::Calculation, tipHistory_, form);
  holdControls(form.registry, longWork_);
  if (fromButton) form.BitBtn4.setCaption(kStopCaption);
  std::optional<PreparedCalculation> prepared;
  try {
    prepared = prepareCalculation(calculationContext(), calculation_);
  } catch (...) {
    task.reset();
    holdControls(form.registry, longWork_);
    throw;
  }
  if (!prepared) {
    task.reset();
    holdControls(form.registry, longWork_);
    return;
  }
  auto work = std::make_shared<CalculationWork>();
  copyFormState(form, work->form);
  work->reader = reader_;
  work->dialog.useRandom(&work->form.random);
  work->state = calculation_;
  work->moment = PlatformMoment::of(platform_);
  work->prepared = std::move(*prepared);
  work->stop = task->stop.get_token();
  task->runBudget->store(form.LaufMax);
  work->runBudget = task->runBudget;
  task_ = std::move(task);
  platform_.startWork(BackgroundWork{
      [work](const WorkPoints& points) {
        WorkerPlatform platform(work->form, work->moment, work->stop, points, work->progress);
        const CalculationContext context{work->form, platform, work->reader, work->dialog};
        try {
          searchPreparedTips(context, work->state, work->prepared, work->runBudget.get());
        } catch (...) {
          work->messages = platform.messages();
          throw;
        }
        work->messages = platform.messages();
        work->details = platform.details();
      },
      [this, work, alive = std::weak_ptr<int>(alive_)] {
        if (alive.expired()) return;
        if (const auto progress = work->progress.latest()) progress->showOn(form);
        platform_.repaint();
      },
      [this, work, alive = std::weak_ptr<int>(alive_)](std::exception_ptr failure) {
        if (!alive.expired()) finishCalculation(*work, failure);
      }});
}

void TForm1::finishCalculation(CalculationWork& work, std::exception_ptr failure) {
  runReportingErrors([&] {
    for (const PatternText& message : work.messages) platform_.showMessage(message);
    calculation_.running = false;
    if (failure) {
      putBackAfterFailure(form, platform_, work.prepared.pairRequired);
      std::rethrow_exception(failure);
    }
    // What the user could change while the search ran (the run budget) stays as the user left
    // it; the tip lists are the search's.
    const bool closing = form.closing;
    copyFormState(work.form, form, [this](const Control& control) {
      return longWork_.allowsControl(control.name()) && !dynamic_cast<const Button*>(&control) &&
             &control != &form.ListBox1 && &control != &form.ListBox2;
    });
    form.closing = closing;
    form.StatusBar1.setHint(work.form.StatusBar1.hint());
    form.TipExplanation.setVisible(work.form.TipExplanation.visible());
    calculation_.rejections = work.state.rejections;
    reader_ = std::move(work.reader);
    if (!work.details.empty()) platform_.reportDetails(work.details);
  });
  platform_.setWaitCursor(false);
  endBackgroundTask();
}

}  // namespace numora
