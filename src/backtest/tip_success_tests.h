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

// The totals of a tip success test (SingleCalculation or PerDraw) run with the lucky number
// given: nothing is asked and no report is written; the same tips and totals as a run that was
// given that lucky number.
std::optional<BacktestTotals> tipTestTotals(const BacktestContext& context, BacktestKind kind,
                                            std::int32_t lucky);

}  // namespace numora
