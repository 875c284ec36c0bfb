// The number recurrence tests: the 20 numbers of each draw, as a probe tip, scored against the
// next draw, the second or third next draw, the next three or the last three draws. The totals
// count how often each number of common numbers (0..20) occurred.
#pragma once

#include "backtest/backtest_totals.h"
#include "backtest/replay.h"

namespace numora {

// kind is one of NextDraw .. LastThreeDraws. Returns the totals it reported; nothing when it
// failed or there was no draw file.
std::optional<BacktestTotals> runRecurrenceTest(const BacktestContext& context, BacktestKind kind);

// The probe tip: the current draw's numbers in file order, two digits each, joined by commas.
std::string probeTip(const Form& form);

}  // namespace numora
