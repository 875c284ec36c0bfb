// The two tip success tests: how the current generator settings would have done in the past.
// The single-calculation test calculates once at the chosen draw and scores those tips against
// every later draw; the per-draw test calculates afresh at every draw (always from the lucky
// number) and scores each set against the next draw.
#pragma once

#include "backtest/backtest_outcome.h"

namespace numora {

// Shows the chosen draw, proposes a number from the random generator and asks for the lucky
// number (a cancel keeps the proposal); nothing, with the message given, when there is no draw
// to start from or the answer is no number.
std::optional<std::int32_t> prepareTipTest(const BacktestContext& context, BacktestKind kind);

// The test (SingleCalculation or PerDraw) run with the lucky number given, its report lines
// included; nothing is asked and nothing written.
BacktestOutcome tipTestOutcome(const BacktestContext& context, BacktestKind kind,
                               std::int32_t lucky);

// The totals of a tip success test (SingleCalculation or PerDraw) run with the lucky number
// given: nothing is asked and no report is written; the same tips and totals as a run that was
// given that lucky number.
std::optional<BacktestTotals> tipTestTotals(const BacktestContext& context, BacktestKind kind,
                                            std::int32_t lucky);

}  // namespace numora
