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
  std::optional<std::string> sound;
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
  task_ = std::make_unique<BackgroundTask>(longWork_, LongWork::Calculation, tipHistory_, form);
  holdControls(form.registry, longWork_);
  try {
    if (fromButton) form.BitBtn4.setCaption(kStopCaption);
    auto prepared = prepareCalculation(calculationContext(), calculation_);
    if (!prepared) {
      endBackgroundTask();
      return;
    }
    auto work = std::make_shared<CalculationWork>();
    copyFormState(form, work->form);
    work->reader = reader_;
    work->dialog.useRandom(&work->form.random);
    work->state = calculation_;
    work->moment = PlatformMoment::of(platform_);
    work->prepared = std::move(*prepared);
    work->stop = task_->stop.get_token();
    task_->runBudget->store(form.LaufMax);
    work->runBudget = task_->runBudget;
    const std::weak_ptr<int> alive = alive_;
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
          work->sound = platform.lastSound();
        },
        [this, work, alive] {
          if (!alive.expired()) showWorkProgress(work->progress);
        },
        [this, work, alive](std::exception_ptr failure) {
          if (!alive.expired()) finishCalculation(*work, failure);
        }});
  } catch (...) {
    abandonBackgroundTask();
    throw;
  }
}

void TForm1::finishCalculation(CalculationWork& work, std::exception_ptr failure) {
  runReportingErrors([&] {
    for (const PatternText& message : work.messages) platform_.showMessage(message);
    calculation_.running = false;
    if (failure) {
      putBackAfterFailure(form, platform_, work.prepared.pairRequired);
      std::rethrow_exception(failure);
    }
    applyWorkForm(work.form);
    calculation_.rejections = work.state.rejections;
    reader_ = std::move(work.reader);
    if (!work.details.empty()) platform_.reportDetails(work.details);
    // The full check at the end of the search rang for a win.
    if (work.sound) platform_.playSound(*work.sound);
  });
  platform_.setWaitCursor(false);
  endBackgroundTask();
}

}  // namespace numora
