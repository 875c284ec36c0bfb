// The two tip success tests: how the current generator settings would have done in the past.
// The single-calculation test calculates once at the chosen draw and scores those tips against
// every later draw; the per-draw test calculates afresh at every draw (always from the lucky
// number) and scores each set against the next draw.
#pragma once

#include "backtest/backtest_totals.h"
#include "backtest/replay.h"

namespace numora {

// Each returns the totals it reported; nothing when it failed or ran no replay.
std::optional<BacktestTotals> runSingleCalculationTest(const BacktestContext& context);
std::optional<BacktestTotals> runPerDrawTest(const BacktestContext& context);

}  // namespace numora
