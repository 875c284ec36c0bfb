// The back-test part of the "Odds" tab: the last test's hit counts beside what chance gives,
// with the verdict of the goodness-of-fit test, its name and its assumptions.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "backtest/backtest_totals.h"
#include "backtest/chance_comparison.h"
#include "common/translatable.h"
#include "form/form.h"

namespace numora {

// Shown while the comparison is worked out, and when it could not be.
constexpr const char* kComparingWithChance =
    NUMORA_TRANSLATABLE("Numora", "Back-test: comparing with chance");
constexpr const char* kNoChanceComparison =
    NUMORA_TRANSLATABLE("Numora", "The comparison with chance could not be worked out.");

// Fills ChanceTitle, ChanceGrid and ChanceMemo from the last back-test (none yet: a hint).
void showChanceComparison(Form& form, const std::optional<BacktestTotals>& last);
// The same with the comparison worked out already (beside the window, when the test ended).
void showChanceComparison(Form& form, const BacktestTotals& last,
                          const ChanceComparison& comparison);

// The part as lines of text: the title, the column titles, one line per row, the memo lines.
std::vector<std::string> chanceLines(const Form& form);

}  // namespace numora
