// The sweep's handlers of the main window: ask for the lucky number, run the sweep as long work
// with its progress and stop, show the result, apply a setting, save the table.
#include <filesystem>

#include "app/daruvizo.h"
#include "app/sweep_page.h"
#include "common/atomic_file.h"
#include "common/text.h"
#include "common/translatable.h"
#include "form/progress_display.h"
#include "form/wait_cursor.h"

namespace numora {

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

  std::optional<SweepResult> result;
  runLongWork(LongWork::Sweep, [&] {
    // The history the runs share is read here once; each run keeps it in memory.
    const auto path = currentDrawFile(drawContext());
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
      platform_.showMessage(kNoDrawFileMessage);
      return;
    }
    (void)reader_.load(path);
    WaitCursor cursor(platform_);
    sweepStop_ = false;
    const auto settings = static_cast<int>(sweepSettingCount(request.options));
    ProgressDisplay progress(form.WorkProgress, settings,
                             sweepProgressText(SweepProgress{0, settings, std::nullopt}));
    result =
        runSweep(form, reader_, platform_, request, sweepStop_, [&](const SweepProgress& reached) {
          progress.show(reached.settingsDone, sweepProgressText(reached));
          platform_.repaint();
          // The window stays live: the stop button and a close reach the sweep.
          platform_.processEvents();
          if (form.closing) sweepStop_ = true;
        });
  });
  if (!result) return;
  lastSweep_ = std::move(result);
  showSweepResult(form, *lastSweep_);
  platform_.repaint();
  if (lastSweep_->cells.empty() && !lastSweep_->failure.empty()) {
    platform_.showMessage(lastSweep_->failure);
  }
}

void TForm1::SweepStopButtonClick() {
  sweepStop_ = true;
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
