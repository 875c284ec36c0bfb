// The number recurrence tests: the 20 numbers of each draw, as a probe tip, scored against the
// next draw, the second or third next draw, the next three or the last three draws. The totals
// count how often each number of common numbers (0..20) occurred.
#pragma once

#include "backtest/backtest_outcome.h"

namespace numora {

// Shows the chosen draw; false, with the message given, without a draw to start from.
bool prepareRecurrenceTest(const BacktestContext& context);

// kind is one of NextDraw .. LastThreeDraws: the totals and the report lines; no totals when it
// failed (the message given) or there was no draw file.
BacktestOutcome recurrenceTestOutcome(const BacktestContext& context, BacktestKind kind);

// The probe tip: the current draw's numbers in file order, two digits each, joined by commas.
std::string probeTip(const Form& form);

}  // namespace numora
