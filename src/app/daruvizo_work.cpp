// What every long work beside the window shares: the window's state taken from the form copy
// the work ended with, the stop, the end of the task, and the comparison with chance that a
// stopped back-test leaves to be worked out afterwards.
#include <memory>

#include "app/background_task.h"
#include "app/daruvizo.h"
#include "backtest/chance_page.h"
#include "backtest/form_copy.h"
#include "common/translatable.h"

namespace numora {
namespace {

bool isOfTheOddsTab(const Form& form, const Control& control) {
  return &control == &form.OddsTitle || &control == &form.OddsMemo ||
         &control == &form.ChanceTitle || &control == &form.ChanceMemo;
}

}  // namespace

void TForm1::showWorkProgress(const LatestValue<FormProgress>& progress) {
  if (const auto latest = progress.latest()) latest->showOn(form);
  platform_.repaint();
}

void TForm1::applyWorkForm(const Form& copy) {
  // The tip lists are the work's; what the user could change meanwhile (the views, the run
  // budget) and what the window owns (its size, the "Odds" tab) stay as they are.
  const bool closing = form.closing;
  const int windowHeight = form.groesse;
  copyFormState(copy, form, [this](const Control& control) {
    if (&control == &form.ListBox1 || &control == &form.ListBox2) return false;
    if (isOfTheOddsTab(form, control)) return true;
    return longWork_.allowsControl(control.name()) && !dynamic_cast<const Button*>(&control);
  });
  form.closing = closing;
  form.groesse = windowHeight;
  form.StatusBar1.setHint(copy.StatusBar1.hint());
  form.TipExplanation.setVisible(copy.TipExplanation.visible());
}

void TForm1::compareLastBacktestWithChance() {
  form.ChanceTitle.setCaption(kComparingWithChance);
  form.ChanceGrid.setRows({});
  form.ChanceMemo.setText("");
  const int generation = comparisonGeneration_;
  // A comparison still running for an earlier test is of no use any more.
  comparisonStop_.request_stop();
  comparisonStop_ = std::stop_source();
  const BacktestTotals totals = *lastBacktest_;
  auto comparison = std::make_shared<std::optional<ChanceComparison>>();
  const std::weak_ptr<int> alive = alive_;
  platform_.startWork(
      BackgroundWork{[comparison, totals, stop = comparisonStop_.get_token()](const WorkPoints&) {
                       *comparison = compareWithChance(totals, 0, stop);
                     },
                     {},
                     [this, alive, generation, comparison, totals](std::exception_ptr failure) {
                       // A later test's comparison is not replaced by this one's.
                       if (alive.expired() || generation != comparisonGeneration_) return;
                       if (failure || !*comparison) {
                         platform_.showMessage(kNoChanceComparison);
                         showChanceComparison(form, std::nullopt);
                         return;
                       }
                       showChanceComparison(form, totals, **comparison);
                     }});
}

void TForm1::endBackgroundTask() {
  form.WorkProgress.setVisible(false);
  task_.reset();
  holdControls(form.registry, longWork_);
  if (closePending_) {
    closePending_ = false;
    finishClose();
  }
  // What the work changed reaches the disk as a handler's changes do.
  if (handlerDepth_ == 0) autosave();
  platform_.repaint();
}

void TForm1::abandonBackgroundTask() {
  // Work that could not start gives the window back as it was before the click.
  calculation_.running = false;
  form.BitBtn4.setCaption(kIdleCaption);
  platform_.setWaitCursor(false);
  endBackgroundTask();
}

void TForm1::stopBackgroundTask() {
  if (task_) task_->stop.request_stop();
}

}  // namespace numora
