#include "backtest/sweep_run.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "backtest/form_copy.h"
#include "backtest/replay.h"
#include "backtest/sweep_verdict.h"
#include "backtest/tip_success_tests.h"
#include "common/parallel_for.h"

namespace numora {
namespace {

using Clock = std::chrono::steady_clock;

// The platform of one run: no window, no dialog, the day the sweep started. A stop request of
// the sweep reaches the run as the closing of its window, where it looks for events.
class QuietPlatform : public Platform {
 public:
  QuietPlatform(Form& form, DayCount now, WeekdayNames shortNames, WeekdayNames longNames,
                const std::atomic<bool>& stop)
      : form_(form),
        now_(now),
        shortNames_(std::move(shortNames)),
        longNames_(std::move(longNames)),
        stop_(stop) {}

  void showMessage(const PatternText& text) override {
    if (firstMessage.empty()) firstMessage = text.written();
  }
  std::string inputBox(const std::string&, const std::string&, const std::string& preset) override {
    return preset;
  }
  std::optional<std::string> openFileDialog(const FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<std::string> saveFileDialog(const FileDialogRequest&) override {
    return std::nullopt;
  }
  ModalResult showNumberChoiceDialog() override { return ModalResult::Cancel; }
  void processEvents() override { lookForStop(); }
  void repaint() override { lookForStop(); }
  // Nobody looks at a run of the sweep.
  bool wantsProgress() override { return false; }
  void setWaitCursor(bool) override {}
  void shellOpen(const std::string&) override {}
  void playSound(const std::string&) override {}
  DayCount now() override { return now_; }
  std::uint32_t tickCount() override { return 0; }
  WeekdayNames shortDayNames() override { return shortNames_; }
  WeekdayNames longDayNames() override { return longNames_; }

  std::string firstMessage;

 private:
  void lookForStop() {
    if (stop_.load(std::memory_order_relaxed)) form_.closing = true;
  }

  Form& form_;
  DayCount now_;
  WeekdayNames shortNames_;
  WeekdayNames longNames_;
  const std::atomic<bool>& stop_;
};

// What every run starts from, taken on the calling thread before the workers start.
struct RunSource {
  const Form& form;
  const DrawFileReader& reader;
  DayCount now;
  WeekdayNames shortNames;
  WeekdayNames longNames;
};

struct RunOutcome {
  std::optional<BacktestTotals> totals;
  std::string message;
};

RunOutcome runOne(const RunSource& source, const SweepRequest& request, const SweepSetting& setting,
                  int repetition, const std::atomic<bool>& stop) {
  Form form;
  copyFormState(source.form, form);
  applySweepSetting(form, request.options, setting);
  QuietPlatform platform(form, source.now, source.shortNames, source.longNames, stop);
  DrawFileReader reader = source.reader;
  NumberChoiceModel dialog;
  dialog.useRandom(&form.random);
  CalculationState state;
  const BacktestContext context{CalculationContext{form, platform, reader, dialog, false}, state,
                                ReplayMode::InMemory};
  const auto lucky =
      static_cast<std::int32_t>(static_cast<std::int64_t>(request.lucky) + repetition);
  RunOutcome outcome;
  outcome.totals = tipTestTotals(context, request.test, lucky);
  outcome.message = platform.firstMessage;
  return outcome;
}

// Puts the repetitions of a setting together: their hits, cycles and scored cycles.
void pool(BacktestTotals& into, const BacktestTotals& run, bool first) {
  if (first) {
    into = run;
    return;
  }
  for (std::size_t i = 0; i < into.hits.size(); ++i) into.hits[i] += run.hits[i];
  into.cycles += run.cycles;
  into.scoredCycles.insert(into.scoredCycles.end(), run.scoredCycles.begin(),
                           run.scoredCycles.end());
}

}  // namespace

SweepResult runSweep(const Form& form, const DrawFileReader& reader, Platform& platform,
                     const SweepRequest& request, const std::atomic<bool>& stop,
                     const std::function<void(const SweepProgress&)>& onProgress) {
  SweepResult result;
  result.options = request.options;
  result.test = request.test;
  // A grid too large is refused before any setting is made; so are lucky numbers the random
  // generator does not take.
  if (auto refusal = sweepSizeRefusal(request.options, request.repeats)) {
    result.failure = refusal->written();
    return result;
  }
  if (auto refusal = sweepLuckyRefusal(request.lucky, request.repeats)) {
    result.failure = refusal->written();
    return result;
  }
  const std::vector<SweepSetting> settings = sweepSettings(request.options);
  result.settings = static_cast<int>(settings.size());
  const int repeats = std::max(request.repeats, 1);
  // The runs start from copies taken now: the caller's thread may go on handling events while
  // the workers run.
  Form snapshot;
  copyFormState(form, snapshot);
  const DrawFileReader readerSnapshot = reader;
  const RunSource source{snapshot, readerSnapshot, platform.now(), platform.shortDayNames(),
                         platform.longDayNames()};

  // Per setting: each repetition's totals until the setting is whole, and its cell once scored.
  struct SettingState {
    std::vector<std::optional<BacktestTotals>> repetitions;
    int finished = 0;
    bool failed = false;
    std::optional<SweepCell> cell;
  };
  std::vector<SettingState> states(settings.size());
  for (SettingState& state : states) state.repetitions.resize(static_cast<std::size_t>(repeats));
  std::mutex mutex;
  std::condition_variable changed;
  int settingsDone = 0;
  std::string failure;

  // Tasks in grid order, the repetitions of a setting together, so settings finish early.
  const std::size_t tasks = settings.size() * static_cast<std::size_t>(repeats);
  auto runTask = [&](std::size_t task) {
    if (stop.load()) return;
    const std::size_t s = task / static_cast<std::size_t>(repeats);
    const int repetition = static_cast<int>(task % static_cast<std::size_t>(repeats));
    RunOutcome outcome = runOne(source, request, settings[s], repetition, stop);
    std::optional<SweepCell> cell;
    {
      std::lock_guard lock(mutex);
      SettingState& state = states[s];
      if (!outcome.totals) {
        state.failed = true;
        if (failure.empty() && !stop.load()) failure = outcome.message;
        return;
      }
      state.repetitions[static_cast<std::size_t>(repetition)] = std::move(outcome.totals);
      if (++state.finished < repeats || state.failed) return;
      // Pooled in the order of the lucky numbers, whichever repetition finished first.
      cell.emplace();
      for (int r = 0; r < repeats; ++r) {
        pool(cell->totals, *state.repetitions[static_cast<std::size_t>(r)], r == 0);
      }
      state.repetitions.clear();
      cell->setting = settings[s];
      cell->label = sweepSettingLabel(request.options, settings[s]);
    }
    scoreSweepCell(*cell, request.simulations);
    {
      std::lock_guard lock(mutex);
      states[s].cell = std::move(cell);
      ++settingsDone;
    }
    changed.notify_all();
  };

  const auto started = Clock::now();
  {
    bool allRun = false;
    std::exception_ptr poolFailure;
    std::jthread runs([&] {
      try {
        parallelFor(tasks, request.threads, runTask);
      } catch (...) {
        poolFailure = std::current_exception();
      }
      {
        std::lock_guard lock(mutex);
        allRun = true;
      }
      changed.notify_all();
    });
    // The calling thread reports progress while the runs go on.
    std::unique_lock lock(mutex);
    while (!allRun && !stop.load()) {
      changed.wait_for(lock, std::chrono::milliseconds(100));
      if (onProgress) {
        SweepProgress progress{settingsDone, result.settings, std::nullopt};
        if (settingsDone > 0) {
          const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
          progress.secondsLeft = seconds / settingsDone * (result.settings - settingsDone);
        }
        lock.unlock();
        onProgress(progress);
        lock.lock();
      }
    }
    lock.unlock();
    runs.join();
    if (poolFailure) std::rethrow_exception(poolFailure);
  }
  result.stopped = stop.load() && settingsDone < result.settings;
  result.failure = failure;
  for (SettingState& state : states) {
    if (state.cell) result.cells.push_back(std::move(*state.cell));
  }
  adjustHolm(result.cells);
  result.luck = bestOfChance(result.cells);
  // Best return first; equal returns keep the grid's order.
  std::stable_sort(result.cells.begin(), result.cells.end(),
                   [](const SweepCell& a, const SweepCell& b) { return a.winnings > b.winnings; });
  for (SweepCell& cell : result.cells) cell.simulatedWinnings.clear();
  if (onProgress) onProgress(SweepProgress{settingsDone, result.settings, 0.0});
  return result;
}

}  // namespace numora
