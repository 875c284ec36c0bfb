// The sweep: the chosen tip success test run for every setting of a grid and every repetition
// (lucky number L, L+1, ...), settings side by side on worker threads. Each run works on its own
// copy of the form, its own copy of the draw file reader (the history already in memory) and a
// platform without a window, so no run sees another's state and no window event happens inside
// one; a run's tips depend only on its setting and lucky number, never on the thread count or
// the order the runs finish in.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "backtest/backtest_totals.h"
#include "backtest/chance_simulation.h"
#include "backtest/sweep_grid.h"
#include "draws/draw_file.h"
#include "form/platform.h"

namespace numora {

struct SweepRequest {
  BacktestKind test = BacktestKind::SingleCalculation;  // or PerDraw
  std::vector<SweepOption> options;
  int repeats = 1;         // repetition r runs with lucky number L+r
  std::int32_t lucky = 0;  // L
  unsigned threads = 0;    // every thread the sweep uses, its simulations included; 0: all cores
  int simulations = kChanceSimulations;  // random histories per setting's verdict
};

// One setting's outcome, its repetitions pooled.
struct SweepCell {
  SweepSetting setting;
  std::string label;
  BacktestTotals totals;
  std::int64_t comparisons = 0;
  double winnings = 0;  // per unit stake
  double expected = 0;  // what chance returns per unit stake (mean of the random histories)
  double low = 0;       // 90 % of the random histories returned between low and high
  double high = 0;
  double pValue = 1;     // against chance, by simulation
  double adjustedP = 1;  // Holm, across the settings that finished
  // Per random history; the same histories for every setting, so the best of the settings on
  // each history is what luck alone gives the best setting.
  std::vector<double> simulatedWinnings;
};

struct SweepProgress {
  int settingsDone = 0;
  int settings = 0;
  std::optional<double> secondsLeft;  // once a setting has finished
};

// What the best of as many settings returns per unit stake when every one is pure chance.
struct LuckFigure {
  double mean = 0;
  double high = 0;  // 95 % of the random histories' best stayed below it
};

struct SweepResult {
  std::vector<SweepOption> options;
  BacktestKind test = BacktestKind::SingleCalculation;
  int settings = 0;  // of the grid
  bool stopped = false;
  std::vector<SweepCell> cells;  // the finished settings, best return first
  std::optional<LuckFigure> luck;
  std::string failure;  // the message of a run that could not start (no draw file)
};

// Runs the sweep over the form's options with the grid's values on the history the reader has
// in memory. The calling thread waits and calls onProgress now and then (and after every
// setting); a stop request ends the runs in progress, and the sweep keeps what finished.
SweepResult runSweep(const Form& form, const DrawFileReader& reader, Platform& platform,
                     const SweepRequest& request, const std::atomic<bool>& stop,
                     const std::function<void(const SweepProgress&)>& onProgress = {});

}  // namespace numora
