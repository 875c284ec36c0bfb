// The sweep's handlers of the main window: ask for the lucky number, run the sweep as long work
// with its progress and stop, show the result, apply a setting, save the table.
#include <filesystem>

#include "app/background_task.h"
#include "app/daruvizo.h"
#include "app/sweep_page.h"
#include "backtest/form_copy.h"
#include "common/atomic_file.h"
#include "common/text.h"
#include "common/translatable.h"
#include "form/worker_platform.h"

namespace numora {

// Everything the sweep works on beside the window, and what it leaves.
struct SweepWork {
  explicit SweepWork(std::stop_token token)
      : stopToken(std::move(token)), onStop(stopToken, [this] { stop = true; }) {}

  Form form;
  DrawFileReader reader;
  PlatformMoment moment;
  SweepRequest request;
  std::stop_token stopToken;
  std::atomic<bool> stop{false};
  std::stop_callback<std::function<void()>> onStop;
  LatestValue<SweepProgress> progress;
  std::optional<SweepResult> result;
};

void TForm1::SweepClick() {
  std::vector<SweepOption> options;
  try {
    options = readSweepOptions(form);
  } catch (const SweepGridError& error) {
    platform_.showMessage(error.what());
    return;
  }
  const int repeats = form.SweepRepeats.position();
  // Counted from the rows alone: a grid of millions of settings is refused before one is made.
  if (const auto refusal = sweepSizeRefusal(options, repeats)) {
    platform_.showMessage(*refusal);
    return;
  }
  // The lucky number as the back-tests ask for it; repetition r runs with L+r.
  const std::string proposal = std::to_string(form.random.next(99999));
  const std::string answer = platform_.inputBox(
      NUMORA_TRANSLATABLE("Numora", "Your lucky number (1-99999999)?"),
      NUMORA_TRANSLATABLE("Numora", "Enter your lucky number for the random number generator!"),
      proposal);
  const auto lucky = parseStrictInt(trim(answer));
  if (!lucky) {
    platform_.showMessage(NUMORA_TRANSLATABLE("Numora", "Error - lucky number"));
    return;
  }
  if (const auto refusal = sweepLuckyRefusal(*lucky, repeats)) {
    platform_.showMessage(*refusal);
    return;
  }
  SweepRequest request;
  request.test =
      form.SweepTest.itemIndex() == 1 ? BacktestKind::PerDraw : BacktestKind::SingleCalculation;
  request.options = std::move(options);
  request.repeats = repeats;
  request.threads = static_cast<unsigned>(form.SweepThreads.position());
  request.lucky = *lucky;

  // Whatever way the click came, a sweep never starts inside other long work.
  if (const auto running = longWork_.running()) {
    platform_.showMessage(runningWorkRefusal(*running));
    return;
  }
  // The history the runs share is read here once; each run keeps it in memory.
  const auto path = currentDrawFile(drawContext());
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    platform_.showMessage(kNoDrawFileMessage);
    return;
  }
  (void)reader_.load(path);
  task_ = std::make_unique<BackgroundTask>(longWork_, LongWork::Sweep, tipHistory_, form);
  holdControls(form.registry, longWork_);
  try {
    auto work = std::make_shared<SweepWork>(task_->stop.get_token());
    copyFormState(form, work->form);
    work->reader = reader_;
    work->moment = PlatformMoment::of(platform_);
    work->request = std::move(request);
    const auto settings = static_cast<int>(sweepSettingCount(work->request.options));
    work->progress.publish(SweepProgress{0, settings, std::nullopt});
    // The start/stop button is the sweep's stop meanwhile.
    form.BitBtn4.setCaption(kStopCaption);
    platform_.setWaitCursor(true);
    const std::weak_ptr<int> alive = alive_;
    platform_.startWork(BackgroundWork{
        [work](const WorkPoints& points) {
          LatestValue<FormProgress> unused;
          WorkerPlatform platform(work->form, work->moment, work->stopToken, points, unused);
          work->result = runSweep(work->form, work->reader, platform, work->request, work->stop,
                                  [&](const SweepProgress& reached) {
                                    work->progress.publish(reached);
                                    if (points.progressPoint) points.progressPoint();
                                  });
        },
        [this, work, alive] {
          if (alive.expired()) return;
          if (const auto reached = work->progress.latest()) {
            form.WorkProgress.setVisible(true);
            form.WorkProgress.setProgress(reached->settingsDone, reached->settings);
            form.WorkProgress.setCaption(sweepProgressText(*reached));
          }
          platform_.repaint();
        },
        [this, work, alive](std::exception_ptr failure) {
          if (!alive.expired()) finishSweep(*work, failure);
        }});
  } catch (...) {
    abandonBackgroundTask();
    throw;
  }
}

void TForm1::finishSweep(SweepWork& work, std::exception_ptr failure) {
  platform_.setWaitCursor(false);
  form.BitBtn4.setCaption(kIdleCaption);
  runReportingErrors([&] {
    if (failure) std::rethrow_exception(failure);
    lastSweep_ = std::move(work.result);
    showSweepResult(form, *lastSweep_);
    if (lastSweep_->cells.empty() && !lastSweep_->failure.empty()) {
      platform_.showMessage(lastSweep_->failure);
    }
  });
  endBackgroundTask();
}

void TForm1::SweepStopButtonClick() {
  stopBackgroundTask();
}

void TForm1::SweepApplyButtonClick() {
  const int index = form.SweepList.itemIndex();
  if (!lastSweep_ || index < 0 || index >= static_cast<int>(lastSweep_->cells.size())) {
    platform_.showMessage(NUMORA_TRANSLATABLE("Numora", "Pick a setting of the sweep first."));
    return;
  }
  applySweepSetting(form, lastSweep_->options,
                    lastSweep_->cells[static_cast<std::size_t>(index)].setting);
  // As after the user's change: the options' own couplings run.
  for (const SweepOption& option : lastSweep_->options) controlChanged(option.control);
  form.StatusBar1.setPanel(1,
                           fillPattern(NUMORA_TRANSLATABLE("Numora", "Setting applied: %1"),
                                       {lastSweep_->cells[static_cast<std::size_t>(index)].label}));
}

void TForm1::SweepSaveButtonClick() {
  if (!lastSweep_ || lastSweep_->cells.empty()) {
    platform_.showMessage(NUMORA_TRANSLATABLE("Numora", "No sweep result to save."));
    return;
  }
  const auto path = platform_.saveFileDialog(FileDialogRequest{
      std::string(NUMORA_TRANSLATABLE("Numora", "CSV file")) + "|*.csv", "csv", "sweep.csv"});
  if (!path) return;
  try {
    writeFileAtomically(*path, sweepCsv(*lastSweep_));
  } catch (const FileAccessError& error) {
    platform_.showMessage(
        fillPattern(NUMORA_TRANSLATABLE("Numora", "Cannot write file \"%1\"."), {*path}) + "\n" +
        error.what());
  }
}

}  // namespace numora
